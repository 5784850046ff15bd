#include "JexConverser.h"

#include "Hex.h"
#include "Log.h"

#include <algorithm>

namespace JEX {
namespace {

constexpr uint8_t kCR = 0x0D;

void logError(const Bytes& request, const Bytes& reply) {
    log("Conv error resp: Cmd=%d [%s] Resp=%d [%s]", static_cast<int>(request.size()),
        escapeBytes(request).c_str(), static_cast<int>(reply.size()), escapeBytes(reply).c_str());
}

} // namespace

Bytes frame(const Cmd& cmd) {
    Bytes out;
    out.reserve(cmd.data.size() + 4);
    out.push_back(':');
    out.push_back(static_cast<uint8_t>(cmd.letter));
    out.push_back(cmd.axis == 0 ? '1' : '2');
    out.insert(out.end(), cmd.data.begin(), cmd.data.end());
    out.push_back(kCR);
    return out;
}

JexConverser::JexConverser(std::shared_ptr<IConverser> converser)
    : converser_(std::move(converser)) {}

CmdResp<Bytes> JexConverser::converse(const Bytes& request) {
    return classify(request, converser_->converse(request));
}

CmdResp<Bytes> JexConverser::converseOnce(const Cmd& cmd) {
    const Bytes request = frame(cmd);
    return classify(request, converser_->converseOnce(request));
}

CmdResp<Bytes> JexConverser::classify(const Bytes& request, CmdResp<Bytes> raw) const {
    if (raw.type != CmdRetType::Ok)
        return raw;

    const Bytes& bytes = raw.get();
    const auto marker =
        std::find_if(bytes.begin(), bytes.end(), [](uint8_t b) { return b == '=' || b == '!'; });
    if (marker == bytes.end()) {
        logError(request, bytes);
        return {CmdRetType::Other, bytes};
    }

    Bytes reply(marker, bytes.end());
    if (reply.size() >= 2 && reply.back() == kCR) {
        if (reply.front() == '=')
            return {CmdRetType::Ok, std::move(reply)};
        logError(request, reply);
        return {CmdRetType::Nak, std::move(reply)};
    }
    logError(request, reply);
    return {CmdRetType::Other, std::move(reply)};
}

CmdResp<Bytes> JexConverser::converse(const Cmd& cmd) {
    return converse(frame(cmd));
}

CmdResp<uint32_t> JexConverser::converseU32(const Cmd& cmd) {
    const CmdResp<Bytes> resp = converse(cmd);
    if (resp.type != CmdRetType::Ok)
        return resp.type;
    const Bytes& reply = resp.get();
    const size_t n = reply.size();
    if (n < 4 || n > 8 || n % 2 != 0)
        return CmdRetType::Other;
    const auto value = decodeHexLE(reply.data() + 1, n - 2);
    if (!value)
        return CmdRetType::Other;
    return *value;
}

CmdResp<uint32_t> JexConverser::converseU32BE(const Bytes& request) {
    const CmdResp<Bytes> resp = converse(request);
    if (resp.type != CmdRetType::Ok)
        return resp.type;
    const Bytes& reply = resp.get();
    if (reply.size() != 10)
        return CmdRetType::Other;
    const auto value = decodeHexBE(reply.data() + 1, 8);
    if (!value)
        return CmdRetType::Other;
    return *value;
}

CmdResp<uint32_t> JexConverser::converseU32BE(const Cmd& cmd) {
    return converseU32BE(frame(cmd));
}

} // namespace JEX
