#include "ConnectionSettings.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace JEX {
namespace {

// Time-outs and counts are stored as the user typed them; a negative entry means its size.
// Read within sane bounds: a count of 2^31 - 1 would overflow the attempts, a time-out of
// days would block every connect, and 0 would wait without end on a serial line.
int bounded(int32_t value, int low, int high) {
    return std::clamp(value == INT32_MIN ? INT32_MAX : std::abs(value), low, high);
}
constexpr int kMinTimeoutMs = 10;
constexpr int kMaxTimeoutMs = 60000;
constexpr int kMaxResends = 20;

} // namespace

ConnectionSettings::ConnectionSettings(std::shared_ptr<IKVStore> store, SerialPortLister portLister,
                                       QObject* parent)
    : IConnectionSettings(parent), portLister_(std::move(portLister)),
      dualModeChoice_(store, "connect_multi_mountmode", DualModeChoice_::E::PromptMode),
      connectAtLaunch_(store, "connect_at_start", false),
      type_(store, "cxn.commtype", ConnectionType_::E::UDP),
      // The time-out lives under "cxn.resends" and the resend count under "cxn.timeoutms":
      // existing settings files have them that way round.
      readTimeoutMs_other_(store, "cxn.resends", 200), maxRetryCount_(store, "cxn.timeoutms", 2),
      searchIP_(store, "cxn.dosearch", true), fixedIP_(store, "cxn.ip", "192.168.4.1"),
      serialPortName_(store, "cxn.serialname", ""), lastMount_(store, "cxn.last_mount", ""),
      maxUpgradeBaud_(store, "cxn.max_upgrade_baud", 115200),
      discoveryTimeoutMs_BLE_(store, "cxn.discoverytimeoutms_ble", 500),
      readTimeoutMs_BLE_(store, "cxn.timeoutms_ble", 1000) {}

QStringList ConnectionSettings::systemSerialPorts() {
    QStringList ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        ports.push_back(info.systemLocation());
    return ports;
}

template <typename T> void ConnectionSettings::write(PersistedValue<T>& value, const T& newValue) {
    if (value.set(newValue))
        emit valueChanged();
}

DualModeChoice_::E ConnectionSettings::dualModeChoice() const {
    const auto value = dualModeChoice_.get();
    switch (value) {
    case DualModeChoice_::E::PromptMode:
    case DualModeChoice_::E::UseEQ:
    case DualModeChoice_::E::UseAZ:
        return value;
    }
    return DualModeChoice_::E::PromptMode;
}

void ConnectionSettings::setDualModeChoice(DualModeChoice_::E value) {
    write(dualModeChoice_, value);
}

bool ConnectionSettings::connectAtLaunch() const {
    return connectAtLaunch_.get();
}

void ConnectionSettings::setConnectAtLaunch(bool value) {
    write(connectAtLaunch_, value);
}

ConnectionType_::E ConnectionSettings::type() const {
    const auto value = type_.get();
    switch (value) {
    case ConnectionType_::E::UDP:
    case ConnectionType_::E::Emulator:
        return value;
    case ConnectionType_::E::Serial:
        return serialPortSupported() ? value : ConnectionType_::E::UDP;
    case ConnectionType_::E::BLE:
        return bleSupported() ? value : ConnectionType_::E::UDP;
    }
    // A number no transport answers to, from an edited settings file.
    return ConnectionType_::E::UDP;
}

void ConnectionSettings::setType(ConnectionType_::E value) {
    write(type_, value);
}

int ConnectionSettings::readTimeoutMs_other() const {
    return bounded(readTimeoutMs_other_.get(), kMinTimeoutMs, kMaxTimeoutMs);
}

void ConnectionSettings::setReadTimeoutMs_other(int value) {
    write(readTimeoutMs_other_, int32_t{value});
}

int ConnectionSettings::maxRetryCount() const {
    return bounded(maxRetryCount_.get(), 0, kMaxResends);
}

void ConnectionSettings::setMaxRetryCount(int value) {
    write(maxRetryCount_, int32_t{value});
}

bool ConnectionSettings::searchIP() const {
    return searchIP_.get();
}

void ConnectionSettings::setSearchIP(bool value) {
    write(searchIP_, value);
}

std::string ConnectionSettings::fixedIP() const {
    return fixedIP_.get();
}

void ConnectionSettings::setFixedIP(const std::string& value) {
    write(fixedIP_, value);
}

bool ConnectionSettings::serialPortSupported() const {
    return true;
}

bool ConnectionSettings::serialPortNeedsPortName() const {
    return true;
}

QStringList ConnectionSettings::foundSerialPorts() const {
    std::lock_guard lock(portsMutex_);
    return foundSerialPorts_;
}

void ConnectionSettings::detectSerialPorts() {
    QStringList ports = portLister_ ? portLister_() : QStringList();
    {
        std::lock_guard lock(portsMutex_);
        foundSerialPorts_ = std::move(ports);
    }
    emit valueChanged();
}

int ConnectionSettings::foundSerialPortsIndex() const {
    const QString name = QString::fromStdString(serialPortName());
    if (name.isEmpty())
        return -1;
    std::lock_guard lock(portsMutex_);
    return static_cast<int>(foundSerialPorts_.indexOf(name));
}

void ConnectionSettings::setFoundSerialPortsIndex(int index) {
    QString name;
    {
        std::lock_guard lock(portsMutex_);
        if (index < 0 || index >= foundSerialPorts_.size())
            return;
        name = foundSerialPorts_.at(index);
    }
    setSerialPortName(name.toStdString());
}

std::string ConnectionSettings::serialPortName() const {
    return serialPortName_.get();
}

void ConnectionSettings::setSerialPortName(const std::string& value) {
    write(serialPortName_, value);
}

std::string ConnectionSettings::lastMount() const {
    return lastMount_.get();
}

void ConnectionSettings::setLastMount(const std::string& value) {
    write(lastMount_, value);
}

int ConnectionSettings::maxUpgradeBaud() const {
    return maxUpgradeBaud_.get();
}

void ConnectionSettings::setMaxUpgradeBaud(int value) {
    write(maxUpgradeBaud_, int32_t{value});
}

bool ConnectionSettings::bleSupported() const {
    // There is no BLE transport in this console.
    return false;
}

int ConnectionSettings::discoveryTimeoutMs_BLE() const {
    return bounded(discoveryTimeoutMs_BLE_.get(), kMinTimeoutMs, kMaxTimeoutMs);
}

void ConnectionSettings::setDiscoveryTimeoutMs_BLE(int value) {
    write(discoveryTimeoutMs_BLE_, int32_t{value});
}

int ConnectionSettings::readTimeoutMs_BLE() const {
    return bounded(readTimeoutMs_BLE_.get(), kMinTimeoutMs, kMaxTimeoutMs);
}

void ConnectionSettings::setReadTimeoutMs_BLE(int value) {
    write(readTimeoutMs_BLE_, int32_t{value});
}

} // namespace JEX
