#pragma once
// The controller's own reading and writing of hexadecimal number fields: upper-case digits,
// two per byte, high nibble first, bytes little- or big-endian. Kept apart from the
// console's codec on purpose, so that a fault in one cannot hide behind the other.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace JEX::Sim::Hex {

// The lowest byteCount bytes of value, least significant byte first.
std::string little(uint32_t value, int byteCount);
// The lowest byteCount bytes of value, most significant byte first.
std::string big(uint32_t value, int byteCount);

// Empty unless digits is an even number (at most 8) of characters 0-9, A-F.
std::optional<uint32_t> parseLittle(std::string_view digits);
std::optional<uint32_t> parseBig(std::string_view digits);

// True when every character is 0-9 or A-F.
bool allDigits(std::string_view digits);

char digit(unsigned nibble);

} // namespace JEX::Sim::Hex
