#pragma once
// The mount Wi-Fi settings over the key-value store; every read goes to the store.

#include "IKVStore.h"
#include "ITAVOSettings.h"

#include <memory>
#include <mutex>
#include <string_view>

namespace JEX {

class TAVOSettings : public ITAVOSettings {
    Q_OBJECT
public:
    static constexpr std::string_view kWifiOffOnTaskStartKey = "wifiOffOnStart";
    static constexpr std::string_view kWifiOffOnDisconnectKey = "cxn.dxn_wifi_off";

    explicit TAVOSettings(std::shared_ptr<IKVStore> store, QObject* parent = nullptr);

    bool wifiOffOnTaskStart() const override;
    void setWifiOffOnTaskStart(bool value) override;
    bool wifiOffOnDisconnect() const override;
    void setWifiOffOnDisconnect(bool value) override;

private:
    void set(std::string_view key, bool value);

    std::shared_ptr<IKVStore> store_;
    // Keeps two setters from both seeing the old value and both announcing a change.
    std::mutex setMutex_;
};

} // namespace JEX
