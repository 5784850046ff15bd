#pragma once
// The console's own choices about the mount's Wi-Fi, kept in the settings store.

#include <QObject>

namespace JEX {

class ITAVOSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool wifiOffOnTaskStart READ wifiOffOnTaskStart WRITE setWifiOffOnTaskStart NOTIFY
                   valueChanged)
    Q_PROPERTY(bool wifiOffOnDisconnect READ wifiOffOnDisconnect WRITE setWifiOffOnDisconnect NOTIFY
                   valueChanged)
public:
    using QObject::QObject;

    // Whether a program switches the mount's Wi-Fi off when it starts.
    virtual bool wifiOffOnTaskStart() const = 0;
    virtual void setWifiOffOnTaskStart(bool value) = 0;
    // Whether disconnecting switches the mount's Wi-Fi off.
    virtual bool wifiOffOnDisconnect() const = 0;
    virtual void setWifiOffOnDisconnect(bool value) = 0;

signals:
    void valueChanged();
};

} // namespace JEX
