#pragma once
// Parameter-memory access over the protocol converser: 'C' selects an address on the first
// axis, 'n' reads and 'N' writes the byte there.

#include "IConverser.h"
#include "IEEPROMConverser.h"

#include <memory>

namespace JEX {

// Numbers and texts one byte at a time through readByte and writeByte; the first failed byte
// ends them.
class ByteWiseEEPROM : public IEEPROMConverser {
public:
    CmdResp<uint16_t> readU16(uint16_t address) override;
    CmdResp<uint32_t> readU32(uint16_t address) override;
    CmdRetType writeU32(uint16_t address, uint32_t value) override;
    CmdResp<std::string> readString(uint16_t address, uint16_t maxLength) override;
    CmdRetType writeString(uint16_t address, uint16_t maxLength, const std::string& text) override;

private:
    CmdResp<uint32_t> readLE(uint16_t address, int byteCount);
};

// Nothing here keeps another thread's command from falling between a select and its read or
// write: callers serialise their parameter-memory accesses.
class EEPROMConverser : public ByteWiseEEPROM {
public:
    explicit EEPROMConverser(std::shared_ptr<IJexConverser> converser);

    CmdResp<uint8_t> readByte(uint16_t address) override;
    CmdRetType writeByte(uint16_t address, uint8_t value) override;
    OnceWrite writeByteOnce(uint16_t address, uint8_t value) override;

private:
    CmdRetType select(uint16_t address);

    std::shared_ptr<IJexConverser> converser_;
};

} // namespace JEX
