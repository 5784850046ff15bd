#pragma once
// Byte, number and text access to the controller's parameter memory (EEPROM), one byte per
// select-and-read or select-and-write pair of commands.

#include "CmdResp.h"

#include <cstdint>
#include <string>

namespace JEX {

class IEEPROMConverser {
public:
    virtual ~IEEPROMConverser() = default;

    virtual CmdResp<uint8_t> readByte(uint16_t address) = 0;
    // Multi-byte numbers are stored least significant byte first.
    virtual CmdResp<uint16_t> readU16(uint16_t address) = 0;
    virtual CmdResp<uint32_t> readU32(uint16_t address) = 0;
    virtual CmdRetType writeByte(uint16_t address, uint8_t value) = 0;
    // What became of a write sent once: its result, and whether the write itself went out (a
    // select that failed sends nothing).
    struct OnceWrite {
        CmdRetType type = CmdRetType::Ok;
        bool sent = true;
        bool operator==(const OnceWrite&) const = default;
    };
    // For a byte the mount acts on each time it is written (a program start, a Wi-Fi apply):
    // the select may be resent, the write goes out once. After a write sent without a reply
    // the caller finds out from the memory whether it arrived.
    virtual OnceWrite writeByteOnce(uint16_t address, uint8_t value) = 0;
    virtual CmdRetType writeU32(uint16_t address, uint32_t value) = 0;
    // A text field holds its bytes and, when shorter than the field, a terminating NUL.
    virtual CmdResp<std::string> readString(uint16_t address, uint16_t maxLength) = 0;
    // A text longer than the field is a contract breach ("Write string: input too long").
    virtual CmdRetType writeString(uint16_t address, uint16_t maxLength,
                                   const std::string& text) = 0;
};

} // namespace JEX
