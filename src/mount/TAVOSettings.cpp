#include "TAVOSettings.h"

namespace JEX {

TAVOSettings::TAVOSettings(std::shared_ptr<IKVStore> store, QObject* parent)
    : ITAVOSettings(parent), store_(std::move(store)) {}

bool TAVOSettings::wifiOffOnTaskStart() const {
    return store_->getBool(kWifiOffOnTaskStartKey, false);
}

void TAVOSettings::setWifiOffOnTaskStart(bool value) {
    set(kWifiOffOnTaskStartKey, value);
}

bool TAVOSettings::wifiOffOnDisconnect() const {
    return store_->getBool(kWifiOffOnDisconnectKey, false);
}

void TAVOSettings::setWifiOffOnDisconnect(bool value) {
    set(kWifiOffOnDisconnectKey, value);
}

void TAVOSettings::set(std::string_view key, bool value) {
    {
        std::lock_guard lock(setMutex_);
        if (store_->getBool(key, false) == value)
            return;
        store_->setBool(key, value);
    }
    emit valueChanged();
}

} // namespace JEX
