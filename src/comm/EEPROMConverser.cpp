#include "EEPROMConverser.h"

#include "Hex.h"

namespace JEX {

EEPROMConverser::EEPROMConverser(std::shared_ptr<IJexConverser> converser)
    : converser_(std::move(converser)) {}

CmdRetType EEPROMConverser::select(uint16_t address) {
    return converser_->converse(Cmd{0, 'C', hexLE(address, 2)}).type;
}

CmdResp<uint8_t> EEPROMConverser::readByte(uint16_t address) {
    if (const CmdRetType selected = select(address); selected != CmdRetType::Ok)
        return selected;
    const CmdResp<Bytes> reply = converser_->converse(Cmd{0, 'n', {}});
    if (!reply.ok())
        return reply.type;
    // The accepted reply is the marker, two digits and CR, nothing more or less.
    const Bytes& bytes = reply.get();
    if (bytes.size() != 4)
        return CmdRetType::Other;
    const std::optional<uint32_t> value = decodeHexBE(bytes.data() + 1, 2);
    if (!value)
        return CmdRetType::Other;
    return static_cast<uint8_t>(*value);
}

CmdResp<uint32_t> ByteWiseEEPROM::readLE(uint16_t address, int byteCount) {
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i) {
        const CmdResp<uint8_t> byte = readByte(static_cast<uint16_t>(address + i));
        if (!byte.ok())
            return byte.type;
        value |= uint32_t(byte.get()) << (8 * i);
    }
    return value;
}

CmdResp<uint16_t> ByteWiseEEPROM::readU16(uint16_t address) {
    const CmdResp<uint32_t> value = readLE(address, 2);
    if (!value.ok())
        return value.type;
    return static_cast<uint16_t>(value.get());
}

CmdResp<uint32_t> ByteWiseEEPROM::readU32(uint16_t address) {
    return readLE(address, 4);
}

CmdRetType EEPROMConverser::writeByte(uint16_t address, uint8_t value) {
    if (const CmdRetType selected = select(address); selected != CmdRetType::Ok)
        return selected;
    return converser_->converse(Cmd{0, 'N', hexLE(value, 1)}).type;
}

IEEPROMConverser::OnceWrite EEPROMConverser::writeByteOnce(uint16_t address, uint8_t value) {
    if (const CmdRetType selected = select(address); selected != CmdRetType::Ok)
        return {selected, false};
    return {converser_->converseOnce(Cmd{0, 'N', hexLE(value, 1)}).type, true};
}

CmdRetType ByteWiseEEPROM::writeU32(uint16_t address, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        const CmdRetType written =
            writeByte(static_cast<uint16_t>(address + i), static_cast<uint8_t>(value >> (8 * i)));
        if (written != CmdRetType::Ok)
            return written;
    }
    return CmdRetType::Ok;
}

CmdResp<std::string> ByteWiseEEPROM::readString(uint16_t address, uint16_t maxLength) {
    std::string text;
    for (uint16_t i = 0; i < maxLength; ++i) {
        const CmdResp<uint8_t> byte = readByte(static_cast<uint16_t>(address + i));
        if (!byte.ok())
            return byte.type;
        if (byte.get() == 0)
            break;
        text.push_back(static_cast<char>(byte.get()));
    }
    return text;
}

CmdRetType ByteWiseEEPROM::writeString(uint16_t address, uint16_t maxLength,
                                       const std::string& text) {
    if (text.size() > maxLength)
        throw std::logic_error("Write string: input too long");
    for (size_t i = 0; i < maxLength && i <= text.size(); ++i) {
        const uint8_t byte = i == text.size() ? 0 : static_cast<uint8_t>(text[i]);
        const CmdRetType written = writeByte(static_cast<uint16_t>(address + i), byte);
        if (written != CmdRetType::Ok)
            return written;
    }
    return CmdRetType::Ok;
}

} // namespace JEX
