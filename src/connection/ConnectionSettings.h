#pragma once
// The connection settings kept in the settings store, and the serial ports found on this
// machine for the settings page.

#include "IConnectionSettings.h"
#include "IKVStore.h"
#include "PersistedValue.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace JEX {

class ConnectionSettings : public IConnectionSettings {
    Q_OBJECT
public:
    // Lists the serial ports present, as device paths.
    using SerialPortLister = std::function<QStringList()>;

    // Without a store, reads give the defaults and writes are kept only in memory.
    explicit ConnectionSettings(std::shared_ptr<IKVStore> store,
                                SerialPortLister portLister = systemSerialPorts,
                                QObject* parent = nullptr);

    // The system locations of QSerialPortInfo::availablePorts(), in Qt's order.
    static QStringList systemSerialPorts();

    DualModeChoice_::E dualModeChoice() const override;
    void setDualModeChoice(DualModeChoice_::E value) override;
    bool connectAtLaunch() const override;
    void setConnectAtLaunch(bool value) override;
    ConnectionType_::E type() const override;
    void setType(ConnectionType_::E value) override;
    int readTimeoutMs_other() const override;
    void setReadTimeoutMs_other(int value) override;
    int maxRetryCount() const override;
    void setMaxRetryCount(int value) override;
    bool searchIP() const override;
    void setSearchIP(bool value) override;
    std::string fixedIP() const override;
    void setFixedIP(const std::string& value) override;
    bool serialPortSupported() const override;
    bool serialPortNeedsPortName() const override;
    QStringList foundSerialPorts() const override;
    Q_INVOKABLE void detectSerialPorts() override;
    int foundSerialPortsIndex() const override;
    void setFoundSerialPortsIndex(int index) override;
    std::string serialPortName() const override;
    void setSerialPortName(const std::string& value) override;
    std::string lastMount() const override;
    void setLastMount(const std::string& value) override;
    int maxUpgradeBaud() const override;
    void setMaxUpgradeBaud(int value) override;
    bool bleSupported() const override;
    int discoveryTimeoutMs_BLE() const override;
    void setDiscoveryTimeoutMs_BLE(int value) override;
    int readTimeoutMs_BLE() const override;
    void setReadTimeoutMs_BLE(int value) override;

private:
    template <typename T> void write(PersistedValue<T>& value, const T& newValue);

    const SerialPortLister portLister_;

    PersistedValue<DualModeChoice_::E> dualModeChoice_;
    PersistedValue<bool> connectAtLaunch_;
    PersistedValue<ConnectionType_::E> type_;
    PersistedValue<int32_t> readTimeoutMs_other_;
    PersistedValue<int32_t> maxRetryCount_;
    PersistedValue<bool> searchIP_;
    PersistedValue<std::string> fixedIP_;
    PersistedValue<std::string> serialPortName_;
    PersistedValue<std::string> lastMount_;
    PersistedValue<int32_t> maxUpgradeBaud_;
    PersistedValue<int32_t> discoveryTimeoutMs_BLE_;
    PersistedValue<int32_t> readTimeoutMs_BLE_;

    mutable std::mutex portsMutex_;
    QStringList foundSerialPorts_;
};

} // namespace JEX
