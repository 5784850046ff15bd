#include "DeviceFactories.h"

#include "JexConverser.h"
#include "JexDevice.h"
#include "JexSerialPortConverser.h"
#include "PosixSerialPort.h"
#include "PosixUdp.h"
#include "SLConverser.h"
#include "UDPConverser.h"

#include <cstdlib>

namespace JEX {
namespace {

JexConverserEtal stackOver(std::shared_ptr<IConverserRaw> raw, std::string endpoint) {
    auto sl = std::make_shared<SLConverser>(std::move(raw));
    auto converser = std::make_shared<JexConverser>(sl);
    auto device = std::make_shared<JexDevice>(converser);
    return JexConverserEtal{std::move(device), std::move(converser), std::move(sl),
                            std::move(endpoint), nullptr};
}

} // namespace

UDPJexDeviceFactory::UDPJexDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                                         std::shared_ptr<ICancellable> cancellable,
                                         uint16_t remotePort)
    : settings_(std::move(settings)), cancellable_(std::move(cancellable)),
      remotePort_(remotePort) {}

JexConverserEtal UDPJexDeviceFactory::create(const std::string& localAddress,
                                             const std::string& remoteAddress,
                                             const std::string& foundWith) {
    const auto timeoutMs = static_cast<uint32_t>(std::abs(settings_->replyTimeoutMs()));
    auto udp =
        std::make_shared<PosixUdp>(localAddress, remoteAddress, foundWith, remotePort_, timeoutMs);
    // A failed open shows at the first conversation, which opens the socket again.
    udp->open();
    return stackOver(std::make_shared<UDPConverser>(std::move(udp), settings_, cancellable_),
                     remoteAddress);
}

SerialJexDeviceFactory::SerialJexDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                                               std::shared_ptr<ICancellable> cancellable)
    : settings_(std::move(settings)), cancellable_(std::move(cancellable)) {}

JexConverserEtal SerialJexDeviceFactory::create(const std::string& portName) {
    auto port = std::make_shared<PosixSerialPort>(portName);
    JexConverserEtal etal = stackOver(
        std::make_shared<JexSerialPortConverser>(settings_, port, cancellable_), portName);
    etal.serialPort = std::move(port);
    return etal;
}

} // namespace JEX
