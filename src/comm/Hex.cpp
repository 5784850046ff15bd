#include "Hex.h"

#include <string>

namespace JEX {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

void appendByte(Bytes& out, uint8_t b) {
    out.push_back(static_cast<uint8_t>(kDigits[b >> 4]));
    out.push_back(static_cast<uint8_t>(kDigits[b & 0x0F]));
}

// Decodes the bytes of a digit string in the order they appear.
std::optional<Bytes> decodeBytes(const uint8_t* digits, size_t count) {
    if (count % 2 != 0 || count > 8)
        return std::nullopt;
    Bytes bytes;
    for (size_t i = 0; i < count; i += 2) {
        const int hi = hexDigitValue(digits[i]);
        const int lo = hexDigitValue(digits[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return bytes;
}

} // namespace

int hexDigitValue(uint8_t c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Bytes hexLE(uint32_t value, int byteCount) {
    Bytes out;
    for (int i = 0; i < byteCount; ++i)
        appendByte(out, static_cast<uint8_t>(i < 4 ? value >> (8 * i) : 0));
    return out;
}

Bytes hexBE(uint32_t value, int byteCount) {
    Bytes out;
    for (int i = byteCount - 1; i >= 0; --i)
        appendByte(out, static_cast<uint8_t>(i < 4 ? value >> (8 * i) : 0));
    return out;
}

std::optional<uint32_t> decodeHexLE(const uint8_t* digits, size_t count) {
    const auto bytes = decodeBytes(digits, count);
    if (!bytes)
        return std::nullopt;
    uint32_t value = 0;
    for (size_t i = bytes->size(); i-- > 0;)
        value = value << 8 | (*bytes)[i];
    return value;
}

std::optional<uint32_t> decodeHexBE(const uint8_t* digits, size_t count) {
    const auto bytes = decodeBytes(digits, count);
    if (!bytes)
        return std::nullopt;
    uint32_t value = 0;
    for (uint8_t b : *bytes)
        value = value << 8 | b;
    return value;
}

std::string escapeBytes(const Bytes& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (uint8_t b : bytes) {
        switch (b) {
        case 0x07:
            out += "\\a";
            break;
        case 0x08:
            out += "\\b";
            break;
        case 0x09:
            out += "\\t";
            break;
        case 0x0A:
            out += "\\n";
            break;
        case 0x0B:
            out += "\\v";
            break;
        case 0x0C:
            out += "\\f";
            break;
        case 0x0D:
            out += "\\r";
            break;
        default:
            if (b >= 0x20 && b <= 0x7E) {
                out += static_cast<char>(b);
            } else {
                out += "\\x";
                out += kDigits[b >> 4];
                out += kDigits[b & 0x0F];
            }
        }
    }
    return out;
}

} // namespace JEX
