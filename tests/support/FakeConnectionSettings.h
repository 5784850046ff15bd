#pragma once
// Connection settings held in memory, for transport tests that need a time-out and a
// resend count but no settings file.

#include "IConnectionSettings.h"

#include <atomic>
#include <mutex>

namespace JEX::Test {

class FakeConnectionSettings : public IConnectionSettings {
public:
    FakeConnectionSettings(int replyTimeoutMs = 200, int resends = 2)
        : timeoutMs_(replyTimeoutMs), resends_(resends) {}

    DualModeChoice_::E dualModeChoice() const override { return DualModeChoice_::E::PromptMode; }
    void setDualModeChoice(DualModeChoice_::E) override {}
    bool connectAtLaunch() const override { return false; }
    void setConnectAtLaunch(bool) override {}
    ConnectionType_::E type() const override { return type_.load(); }
    void setType(ConnectionType_::E value) override { type_ = value; }
    int readTimeoutMs_other() const override { return timeoutMs_.load(); }
    void setReadTimeoutMs_other(int value) override { timeoutMs_ = value; }
    int maxRetryCount() const override { return resends_.load(); }
    void setMaxRetryCount(int value) override { resends_ = value; }
    bool searchIP() const override { return searchIP_.load(); }
    void setSearchIP(bool value) override { searchIP_ = value; }
    std::string fixedIP() const override {
        std::lock_guard lock(mutex_);
        return fixedIP_;
    }
    void setFixedIP(const std::string& value) override {
        std::lock_guard lock(mutex_);
        fixedIP_ = value;
    }
    bool serialPortSupported() const override { return true; }
    bool serialPortNeedsPortName() const override { return true; }
    QStringList foundSerialPorts() const override { return {}; }
    void detectSerialPorts() override {}
    int foundSerialPortsIndex() const override { return -1; }
    void setFoundSerialPortsIndex(int) override {}
    std::string serialPortName() const override {
        std::lock_guard lock(mutex_);
        return serialPortName_;
    }
    void setSerialPortName(const std::string& value) override {
        std::lock_guard lock(mutex_);
        serialPortName_ = value;
    }
    int maxUpgradeBaud() const override { return maxUpgradeBaud_.load(); }
    void setMaxUpgradeBaud(int value) override { maxUpgradeBaud_ = value; }
    bool bleSupported() const override { return false; }
    int discoveryTimeoutMs_BLE() const override { return 500; }
    void setDiscoveryTimeoutMs_BLE(int) override {}
    int readTimeoutMs_BLE() const override { return bleTimeoutMs_.load(); }
    void setReadTimeoutMs_BLE(int value) override { bleTimeoutMs_ = value; }

private:
    std::atomic<ConnectionType_::E> type_{ConnectionType_::E::UDP};
    std::atomic<int> timeoutMs_;
    std::atomic<int> resends_;
    std::atomic<bool> searchIP_{true};
    std::atomic<int> maxUpgradeBaud_{115200};
    std::atomic<int> bleTimeoutMs_{1000};
    mutable std::mutex mutex_;
    std::string fixedIP_;
    std::string serialPortName_;
};

} // namespace JEX::Test
