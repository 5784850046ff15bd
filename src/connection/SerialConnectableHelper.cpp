#include "SerialConnectableHelper.h"

#include "CmdRet.h"
#include "IJexDevice.h"
#include "ISerialPort.h"

#include <QCoreApplication>

#include <filesystem>

namespace JEX {

SerialConnectableHelper::SerialConnectableHelper(
    std::shared_ptr<IConnectionSettings> settings,
    std::shared_ptr<ISerialJexDeviceFactory> deviceFactory, std::string stableNamesDir)
    : settings_(std::move(settings)), deviceFactory_(std::move(deviceFactory)),
      stableNamesDir_(std::move(stableNamesDir)) {}

std::string SerialConnectableHelper::stableNameOf(const std::string& portName,
                                                  const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path device = fs::canonical(portName, error);
    if (error)
        return {};
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code entryError;
        if (fs::canonical(entry.path(), entryError) == device && !entryError)
            return entry.path().string();
    }
    return {};
}

std::string SerialConnectableHelper::cannotOpenText() {
    return QCoreApplication::translate("mount", "Cannot open serial port").toStdString();
}

std::string SerialConnectableHelper::communicationErrorText() {
    return cmdRetTypeText(CmdRetType::Timeout).toStdString();
}

void SerialConnectableHelper::startConnect() {
    auto self = weak_from_this().lock();
    if (!self) {
        log("SerialConnectableHelper: not held by a shared pointer, nothing started");
        return;
    }
    work_.start([self] { self->bg_connect(self->settings_->serialPortName()); },
                "SerialConnectableHelper");
}

void SerialConnectableHelper::reopen(const std::string& endpoint) {
    auto self = weak_from_this().lock();
    if (!self)
        return;
    std::string port = endpoint;
    {
        std::lock_guard lock(mutex_);
        std::error_code error;
        if (endpoint == openedPort_ && !openedStableName_.empty() &&
            std::filesystem::exists(openedStableName_, error))
            port = openedStableName_;
    }
    work_.start([self, port] { self->bg_connect(port); }, "SerialConnectableHelper");
}

void SerialConnectableHelper::setOnConnected(OnConnected callback) {
    std::lock_guard lock(mutex_);
    onConnected_ = std::move(callback);
}

void SerialConnectableHelper::bg_connect(const std::string& portName) {
    statusList(Status{Status::Connecting, {}});

    const JexConverserEtal link = deviceFactory_->create(portName);
    const std::shared_ptr<ISerialPort>& port = link.serialPort;
    if (port)
        port->open();
    if (!port || !port->isOpen() || !link.device) {
        statusList(Status{Status::Failed, cannotOpenText()});
        return;
    }

    uint32_t current = 0;
    for (const uint32_t baud : kProbeBaudRates) {
        if (port->setBaudRate(baud) && link.device->readAxisStatus(0).ok()) {
            current = baud;
            break;
        }
    }
    if (current == 0) {
        statusList(Status{Status::Failed, communicationErrorText()});
        return;
    }

    const int maxUpgradeBaud = settings_->maxUpgradeBaud();
    for (const uint32_t baud : kRaiseBaudRates) {
        if (baud <= current)
            break;
        if (maxUpgradeBaud < 0 || uint32_t(maxUpgradeBaud) < baud)
            continue;
        const bool portAccepts = port->setBaudRate(baud);
        port->setBaudRate(current);
        if (!portAccepts)
            continue;
        const CmdRetType first = link.device->setBaudRate(0, baud);
        // The second axis shares the line; its answer (if any) is not needed.
        link.device->setBaudRate(1, baud);
        if (first == CmdRetType::Ok) {
            port->setBaudRate(baud);
            break;
        }
    }

    const std::string stableName = stableNameOf(portName, stableNamesDir_);
    OnConnected onConnected;
    {
        std::lock_guard lock(mutex_);
        onConnected = onConnected_;
        openedPort_ = portName;
        openedStableName_ = stableName;
    }
    if (onConnected)
        onConnected(link);
}

} // namespace JEX
