// The command protocol's reply classification and number decoders, fed any bytes as the
// reply: the classification keeps exactly what follows the first marker, an accepted number
// encodes back to the digits it came from, and nothing else is ever accepted.

#include "FuzzSupport.h"
#include "JexConverser.h"

#include <algorithm>
#include <memory>

using namespace JEX;

namespace {

void checkClassification(const Bytes& input, const CmdResp<Bytes>& r) {
    const auto marker = std::find_if(input.begin(), input.end(), Fuzz::isMarker);
    FUZZ_CHECK(r.type != CmdRetType::Timeout && r.type != CmdRetType::Cancel && r.value.hasValue(),
               "reply [%s] gave type %d", Fuzz::text(input).c_str(), int(r.type));
    const Bytes& value = r.value.value();
    if (marker == input.end()) {
        FUZZ_CHECK(r.type == CmdRetType::Other && value == input, "no marker in [%s]",
                   Fuzz::text(input).c_str());
        return;
    }
    const Bytes tail(marker, input.end());
    FUZZ_CHECK(value == tail, "[%s] kept [%s]", Fuzz::text(input).c_str(),
               Fuzz::text(value).c_str());
    const bool framed = tail.size() >= 2 && tail.back() == '\r';
    const CmdRetType expected =
        !framed ? CmdRetType::Other : (tail[0] == '=' ? CmdRetType::Ok : CmdRetType::Nak);
    FUZZ_CHECK(r.type == expected, "[%s] gave %d, not %d", Fuzz::text(input).c_str(), int(r.type),
               int(expected));
}

// An accepted number's digits: what lies between the marker and the CR.
Bytes digitsOf(const Bytes& reply) {
    return Bytes(reply.begin() + 1, reply.end() - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes input(data, data + size);
    auto raw = std::make_shared<Fuzz::ScriptedReplies>();
    raw->replies.assign(3, input); // the same reply to each of the three commands
    JexConverser converser(raw);

    const CmdResp<Bytes> classified = converser.converse(Cmd{0, 'e', {}});
    checkClassification(input, classified);

    const CmdResp<uint32_t> le = converser.converseU32(Cmd{0, 'a', {}});
    if (le.ok()) {
        const Bytes digits = digitsOf(classified.get());
        FUZZ_CHECK(classified.ok() &&
                       (digits.size() == 2 || digits.size() == 4 || digits.size() == 6),
                   "[%s] accepted as little-endian", Fuzz::text(input).c_str());
        FUZZ_CHECK(hexLE(le.get(), int(digits.size() / 2)) == digits, "[%s] decoded to %u",
                   Fuzz::text(input).c_str(), le.get());
    } else {
        FUZZ_CHECK(!le.value.hasValue(), "failed little-endian decode kept a value");
        FUZZ_CHECK(le.type == (classified.ok() ? CmdRetType::Other : classified.type),
                   "[%s] little-endian type %d", Fuzz::text(input).c_str(), int(le.type));
    }

    const CmdResp<uint32_t> be = converser.converseU32BE(Cmd{0, 'j', {}});
    if (be.ok()) {
        const Bytes& reply = classified.get();
        FUZZ_CHECK(reply.size() == 10 && hexBE(be.get(), 4) == digitsOf(reply),
                   "[%s] decoded big-endian to %u", Fuzz::text(input).c_str(), be.get());
    } else {
        FUZZ_CHECK(!be.value.hasValue(), "failed big-endian decode kept a value");
    }

    // The decoders on their own: whatever they accept encodes back to the same digits.
    const size_t count = std::min<size_t>(size, 10);
    if (const auto v = decodeHexLE(data, count))
        FUZZ_CHECK(hexLE(*v, int(count / 2)) == Bytes(data, data + count), "LE round trip");
    if (const auto v = decodeHexBE(data, count))
        FUZZ_CHECK(hexBE(*v, int(count / 2)) == Bytes(data, data + count), "BE round trip");

    for (const char c : escapeBytes(input))
        FUZZ_CHECK(c >= 0x20 && c <= 0x7E, "escaped reply holds byte %02X", uint8_t(c));
    return 0;
}
