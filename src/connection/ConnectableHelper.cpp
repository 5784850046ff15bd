#include "ConnectableHelper.h"

#include "Log.h"

#include <mutex>

namespace JEX {

ConnectableHelper::ConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                     std::shared_ptr<IConnectableHelper> udp,
                                     std::shared_ptr<IConnectableHelper> emulator,
                                     std::shared_ptr<IConnectableHelper> serial,
                                     std::shared_ptr<IConnectableHelper> ble)
    : relay_(std::make_shared<Relay>()),
      settings_(std::move(settings)), helpers_{std::move(udp), std::move(emulator),
                                               std::move(serial), std::move(ble)} {
    relay_->target = this;
    for (const auto& helper : helpers_) {
        if (!helper)
            continue;
        helper->statusList.append([relay = relay_](const Status& status) {
            std::shared_lock lock(relay->mutex);
            if (relay->target)
                relay->target->statusList(status);
        });
        helper->devicesListChangedList.append([relay = relay_] {
            std::shared_lock lock(relay->mutex);
            if (relay->target)
                relay->target->devicesListChangedList();
        });
    }
}

ConnectableHelper::~ConnectableHelper() {
    std::unique_lock lock(relay_->mutex);
    relay_->target = nullptr;
}

void ConnectableHelper::forceType(ConnectionType_::E type) {
    forcedType_.store(static_cast<int>(type));
}

IConnectableHelper* ConnectableHelper::current() const {
    const int forced = forcedType_.load();
    const auto type = forced >= 0 ? static_cast<size_t>(forced)
                      : settings_ ? static_cast<size_t>(settings_->type())
                                  : 0;
    if (type < helpers_.size() && helpers_[type])
        return helpers_[type].get();
    return helpers_[0].get();
}

QVariant ConnectableHelper::devicesList() const {
    const IConnectableHelper* helper = current();
    return helper ? helper->devicesList() : QVariant();
}

bool ConnectableHelper::busy() const {
    for (const auto& helper : helpers_)
        if (helper && helper->busy())
            return true;
    return false;
}

void ConnectableHelper::startConnect() {
    if (busy()) {
        log("ConnectableHelper: a search or connect still runs, request ignored");
        return;
    }
    devicesListChangedList();
    if (IConnectableHelper* helper = current())
        helper->startConnect();
}

void ConnectableHelper::selectDevice(int index) {
    if (busy())
        return;
    if (IConnectableHelper* helper = current())
        helper->selectDevice(index);
}

void ConnectableHelper::reopen(const std::string& endpoint) {
    if (busy()) {
        statusList(Status{Status::Failed, {}});
        return;
    }
    if (IConnectableHelper* helper = current())
        helper->reopen(endpoint);
}

void ConnectableHelper::setDeviceFilter(DeviceFilter filter) {
    if (IConnectableHelper* helper = current())
        helper->setDeviceFilter(std::move(filter));
}

void ConnectableHelper::setOnConnected(OnConnected callback) {
    if (IConnectableHelper* helper = current())
        helper->setOnConnected(std::move(callback));
}

} // namespace JEX
