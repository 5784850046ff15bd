#pragma once
// A serial port over termios: raw 8N1 without flow control, one byte per read with a
// poll-bounded wait.

#include "ISerialPort.h"

#include <mutex>
#include <string>

namespace JEX {

class PosixSerialPort : public ISerialPort {
public:
    // A bare name such as ttyUSB0 means /dev/ttyUSB0.
    explicit PosixSerialPort(std::string name);
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    void open() override;
    bool isOpen() const override;
    bool write(const Bytes& bytes) override;
    bool readByte(uint32_t timeoutMs, uint8_t& byte) override;
    bool purgeInput() override;
    bool setBaudRate(uint32_t baud) override;
    bool setRTS(bool on) override;
    bool readCTS() override;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    // The connect thread opens the port while a converser may already hold it.
    mutable std::mutex mutex_;
    int fd_ = -1;
};

} // namespace JEX
