#include "SimHex.h"

namespace JEX::Sim::Hex {

namespace {
int nibbleOf(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<uint8_t> byteAt(std::string_view digits, size_t index) {
    const int hi = nibbleOf(digits[2 * index]);
    const int lo = nibbleOf(digits[2 * index + 1]);
    if (hi < 0 || lo < 0)
        return std::nullopt;
    return static_cast<uint8_t>(hi << 4 | lo);
}

// Up to four bytes of two digits each, least significant first when little.
std::optional<uint32_t> parse(std::string_view digits, bool little) {
    if (digits.size() % 2 != 0 || digits.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    const size_t count = digits.size() / 2;
    for (size_t i = 0; i < count; ++i) {
        const auto byte = byteAt(digits, i);
        if (!byte)
            return std::nullopt;
        value |= uint32_t(*byte) << (8 * (little ? i : count - 1 - i));
    }
    return value;
}
} // namespace

char digit(unsigned nibble) {
    return "0123456789ABCDEF"[nibble & 0xF];
}

std::string little(uint32_t value, int byteCount) {
    std::string out;
    for (int i = 0; i < byteCount; ++i) {
        const unsigned byte = (value >> (8 * i)) & 0xFF;
        out += digit(byte >> 4);
        out += digit(byte);
    }
    return out;
}

std::string big(uint32_t value, int byteCount) {
    std::string out;
    for (int i = byteCount - 1; i >= 0; --i) {
        const unsigned byte = (value >> (8 * i)) & 0xFF;
        out += digit(byte >> 4);
        out += digit(byte);
    }
    return out;
}

std::optional<uint32_t> parseLittle(std::string_view digits) {
    return parse(digits, true);
}

std::optional<uint32_t> parseBig(std::string_view digits) {
    return parse(digits, false);
}

bool allDigits(std::string_view digits) {
    for (char c : digits)
        if (nibbleOf(c) < 0)
            return false;
    return true;
}

} // namespace JEX::Sim::Hex
