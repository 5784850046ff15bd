#pragma once
// The protocol's hexadecimal number fields: upper-case digits, two per byte, high nibble
// first, bytes in little- or big-endian order.

#include "CmdResp.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace JEX {

// The value's lowest byteCount bytes, least significant byte first.
Bytes hexLE(uint32_t value, int byteCount);
// The value's lowest byteCount bytes, most significant byte first.
Bytes hexBE(uint32_t value, int byteCount);

// The value of one upper-case hex digit, or -1.
int hexDigitValue(uint8_t c);

// Empty on an odd digit count, more than 8 digits, or any character other than 0-9 and A-F.
std::optional<uint32_t> decodeHexLE(const uint8_t* digits, size_t count);
std::optional<uint32_t> decodeHexBE(const uint8_t* digits, size_t count);

// Log form of raw bytes: printable ASCII as is, C escapes for control characters, \xHH
// for everything else.
std::string escapeBytes(const Bytes& bytes);

} // namespace JEX
