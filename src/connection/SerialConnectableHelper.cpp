#include "SerialConnectableHelper.h"

#include "CmdRet.h"
#include "IJexDevice.h"
#include "ISerialPort.h"

#include <QCoreApplication>

namespace JEX {

SerialConnectableHelper::SerialConnectableHelper(
    std::shared_ptr<IConnectionSettings> settings,
    std::shared_ptr<ISerialJexDeviceFactory> deviceFactory)
    : settings_(std::move(settings)), deviceFactory_(std::move(deviceFactory)) {}

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
    work_.start([self] { self->bg_connect(); }, "SerialConnectableHelper");
}

void SerialConnectableHelper::setOnConnected(OnConnected callback) {
    std::lock_guard lock(mutex_);
    onConnected_ = std::move(callback);
}

void SerialConnectableHelper::bg_connect() {
    statusList(Status{Status::Connecting, {}});

    const JexConverserEtal link = deviceFactory_->create(settings_->serialPortName());
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

    OnConnected onConnected;
    {
        std::lock_guard lock(mutex_);
        onConnected = onConnected_;
    }
    if (onConnected)
        onConnected(link);
}

} // namespace JEX
