#pragma once
// The raw converser over a serial line: purges stale input, writes the request and reads
// the reply byte by byte from its marker to the carriage return, with resends.

#include "Cancellation.h"
#include "IConnectionSettings.h"
#include "IConverser.h"
#include "ISerialPort.h"

#include <memory>

namespace JEX {

class JexSerialPortConverser : public IConverserRaw {
public:
    JexSerialPortConverser(std::shared_ptr<IConnectionSettings> settings,
                           std::shared_ptr<ISerialPort> port,
                           std::shared_ptr<ICancellable> cancellable);

    CmdResp<Bytes> converse(const Bytes& request) override;
    CmdResp<Bytes> converseOnce(const Bytes& request) override;

    int lastAttempts() const override { return attempts_; }

private:
    CmdResp<Bytes> exchange(const Bytes& request, int resends);
    // Set and read under the link's serialising converser.
    int attempts_ = 0;
    CmdResp<Bytes> readReply(uint32_t byteTimeoutMs);

    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ISerialPort> port_;
    std::shared_ptr<ICancellable> cancellable_;
};

} // namespace JEX
