#pragma once
// The raw converser over UDP: a fresh socket per command, resends, reply time-out and
// cancellation between attempts.

#include "Cancellation.h"
#include "IConnectionSettings.h"
#include "IConverser.h"
#include "IUDP.h"

#include <memory>

namespace JEX {

class UDPConverser : public IConverserRaw {
public:
    UDPConverser(std::shared_ptr<IUDP> udp, std::shared_ptr<IConnectionSettings> settings,
                 std::shared_ptr<ICancellable> cancellable);

    CmdResp<Bytes> converse(const Bytes& request) override;
    CmdResp<Bytes> converseOnce(const Bytes& request) override;

    int lastAttempts() const override { return attempts_; }

private:
    CmdResp<Bytes> exchange(const Bytes& request, int resends);

    // Set and read under the link's serialising converser.
    int attempts_ = 0;
    std::shared_ptr<IUDP> udp_;
    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ICancellable> cancellable_;
};

} // namespace JEX
