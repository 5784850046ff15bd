#pragma once
// Frames commands, classifies replies as accepted, rejected or malformed, and decodes the
// numbers of accepted replies.

#include "IConverser.h"

#include <memory>

namespace JEX {

class JexConverser : public IJexConverser {
public:
    explicit JexConverser(std::shared_ptr<IConverser> converser);

    CmdResp<Bytes> converse(const Bytes& request) override;
    CmdResp<Bytes> converse(const Cmd& cmd) override;
    CmdResp<Bytes> converseOnce(const Cmd& cmd) override;
    CmdResp<uint32_t> converseU32(const Cmd& cmd) override;
    CmdResp<uint32_t> converseU32BE(const Bytes& request) override;
    CmdResp<uint32_t> converseU32BE(const Cmd& cmd) override;

private:
    CmdResp<Bytes> classify(const Bytes& request, CmdResp<Bytes> raw) const;

    std::shared_ptr<IConverser> converser_;
};

} // namespace JEX
