#pragma once
// A serial port to the motor controller. Every operation but open fails while it is closed.

#include "CmdResp.h"

#include <cstdint>

namespace JEX {

class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    virtual void open() = 0;
    virtual bool isOpen() const = 0;
    virtual bool write(const Bytes& bytes) = 0;
    // True only when exactly one byte arrived within the time-out (0 waits without limit).
    virtual bool readByte(uint32_t timeoutMs, uint8_t& byte) = 0;
    // Discards what the driver has received and not yet read.
    virtual bool purgeInput() = 0;
    virtual bool setBaudRate(uint32_t baud) = 0;
    virtual bool setRTS(bool on) = 0;
    virtual bool readCTS() = 0;
};

} // namespace JEX
