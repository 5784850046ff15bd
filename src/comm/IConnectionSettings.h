#pragma once
// How the console reaches the mount: transport kind, fixed address or search, serial port,
// reply time-out and resend count. The transports read it on their own threads; QML edits
// it through the properties.

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

namespace JEX {

namespace ConnectionType_ {
Q_NAMESPACE
enum class E : int32_t { UDP = 0, Emulator = 1, Serial = 2, BLE = 3 };
Q_ENUM_NS(E)
} // namespace ConnectionType_

namespace DualModeChoice_ {
Q_NAMESPACE
enum class E : int32_t { PromptMode = 0, UseEQ = 1, UseAZ = 2 };
Q_ENUM_NS(E)
} // namespace DualModeChoice_

class IConnectionSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(JEX::DualModeChoice_::E dualModeChoice READ dualModeChoice WRITE setDualModeChoice
                   NOTIFY valueChanged)
    Q_PROPERTY(
        bool connectAtLaunch READ connectAtLaunch WRITE setConnectAtLaunch NOTIFY valueChanged)
    Q_PROPERTY(JEX::ConnectionType_::E type READ type WRITE setType NOTIFY valueChanged)
    Q_PROPERTY(int readTimeoutMs_other READ readTimeoutMs_other WRITE setReadTimeoutMs_other NOTIFY
                   valueChanged)
    Q_PROPERTY(int maxRetryCount READ maxRetryCount WRITE setMaxRetryCount NOTIFY valueChanged)
    Q_PROPERTY(bool searchIP READ searchIP WRITE setSearchIP NOTIFY valueChanged)
    Q_PROPERTY(QString fixedIP READ fixedIP_q WRITE setFixedIP_q NOTIFY valueChanged)
    Q_PROPERTY(bool serialPortSupported READ serialPortSupported NOTIFY valueChanged)
    Q_PROPERTY(bool serialPortNeedsPortName READ serialPortNeedsPortName NOTIFY valueChanged)
    Q_PROPERTY(QStringList foundSerialPorts READ foundSerialPorts NOTIFY valueChanged)
    Q_PROPERTY(int foundSerialPortsIndex READ foundSerialPortsIndex WRITE setFoundSerialPortsIndex
                   NOTIFY valueChanged)
    Q_PROPERTY(
        QString serialPortName READ serialPortName_q WRITE setSerialPortName_q NOTIFY valueChanged)
    Q_PROPERTY(int maxUpgradeBaud READ maxUpgradeBaud WRITE setMaxUpgradeBaud NOTIFY valueChanged)
    Q_PROPERTY(bool bleSupported READ bleSupported NOTIFY valueChanged)
    Q_PROPERTY(int discoveryTimeoutMs_BLE READ discoveryTimeoutMs_BLE WRITE
                   setDiscoveryTimeoutMs_BLE NOTIFY valueChanged)
    Q_PROPERTY(
        int readTimeoutMs_BLE READ readTimeoutMs_BLE WRITE setReadTimeoutMs_BLE NOTIFY valueChanged)

public:
    using QObject::QObject;

    virtual DualModeChoice_::E dualModeChoice() const = 0;
    virtual void setDualModeChoice(DualModeChoice_::E value) = 0;
    virtual bool connectAtLaunch() const = 0;
    virtual void setConnectAtLaunch(bool value) = 0;
    virtual ConnectionType_::E type() const = 0;
    virtual void setType(ConnectionType_::E value) = 0;
    // Read within bounds whatever is stored: 10 to 60000 ms, 0 to 20 resends.
    virtual int readTimeoutMs_other() const = 0;
    virtual void setReadTimeoutMs_other(int value) = 0;
    virtual int maxRetryCount() const = 0;
    virtual void setMaxRetryCount(int value) = 0;
    virtual bool searchIP() const = 0;
    virtual void setSearchIP(bool value) = 0;
    virtual std::string fixedIP() const = 0;
    virtual void setFixedIP(const std::string& value) = 0;
    virtual bool serialPortSupported() const = 0;
    virtual bool serialPortNeedsPortName() const = 0;
    virtual QStringList foundSerialPorts() const = 0;
    Q_INVOKABLE virtual void detectSerialPorts() = 0;
    virtual int foundSerialPortsIndex() const = 0;
    virtual void setFoundSerialPortsIndex(int index) = 0;
    virtual std::string serialPortName() const = 0;
    virtual void setSerialPortName(const std::string& value) = 0;
    virtual int maxUpgradeBaud() const = 0;
    virtual void setMaxUpgradeBaud(int value) = 0;
    virtual bool bleSupported() const = 0;
    virtual int discoveryTimeoutMs_BLE() const = 0;
    virtual void setDiscoveryTimeoutMs_BLE(int value) = 0;
    virtual int readTimeoutMs_BLE() const = 0;
    virtual void setReadTimeoutMs_BLE(int value) = 0;
    // The endpoint of the last mount connected (address, port or "demo"); empty before the
    // first connection.
    virtual std::string lastMount() const = 0;
    virtual void setLastMount(const std::string& value) = 0;

    // The reply time-out the transports use for the configured connection type.
    int replyTimeoutMs() const {
        return type() == ConnectionType_::E::BLE ? readTimeoutMs_BLE() : readTimeoutMs_other();
    }

    QString fixedIP_q() const { return QString::fromStdString(fixedIP()); }
    void setFixedIP_q(const QString& value) { setFixedIP(value.toStdString()); }
    QString serialPortName_q() const { return QString::fromStdString(serialPortName()); }
    void setSerialPortName_q(const QString& value) { setSerialPortName(value.toStdString()); }

signals:
    void valueChanged();
};

} // namespace JEX
