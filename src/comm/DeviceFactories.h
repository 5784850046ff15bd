#pragma once
// Builders of the whole converser stack and device for one link: UDP to a found mount, or
// a named serial port.

#include "Cancellation.h"
#include "IConnectionSettings.h"
#include "JexConverserEtal.h"

#include <cstdint>
#include <memory>
#include <string>

namespace JEX {

inline constexpr uint16_t kMountUdpPort = 11880;

class IUDPJexDeviceFactory {
public:
    virtual ~IUDPJexDeviceFactory() = default;
    // foundWith is the second text the search found the mount with (its broadcast address).
    virtual JexConverserEtal create(const std::string& localAddress,
                                    const std::string& remoteAddress,
                                    const std::string& foundWith) = 0;
};

class UDPJexDeviceFactory : public IUDPJexDeviceFactory {
public:
    UDPJexDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                        std::shared_ptr<ICancellable> cancellable,
                        uint16_t remotePort = kMountUdpPort);
    JexConverserEtal create(const std::string& localAddress, const std::string& remoteAddress,
                            const std::string& foundWith) override;

private:
    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ICancellable> cancellable_;
    uint16_t remotePort_;
};

class ISerialJexDeviceFactory {
public:
    virtual ~ISerialJexDeviceFactory() = default;
    // The port in the record is not yet open.
    virtual JexConverserEtal create(const std::string& portName) = 0;
};

class SerialJexDeviceFactory : public ISerialJexDeviceFactory {
public:
    SerialJexDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                           std::shared_ptr<ICancellable> cancellable);
    JexConverserEtal create(const std::string& portName) override;

private:
    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ICancellable> cancellable_;
};

} // namespace JEX
