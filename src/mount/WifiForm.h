#pragma once
// The mount's Wi-Fi settings as the page edits them: each field as read until the user changes
// it, the rule each shown field breaks, and the record to write, in which everything the user
// left alone goes back as read (both modes at once, a security this console does not name).

#include "TAVOParams.h"

#include <QObject>
#include <QVariantMap>

namespace JEX {

class WifiForm : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool loaded READ loaded NOTIFY changed)
    // A WifiMode value: AP, STA, or Both as read (the page offers AP and STA).
    Q_PROPERTY(int mode READ mode WRITE setMode NOTIFY changed)
    Q_PROPERTY(QString apSsid READ apSsid WRITE setApSsid NOTIFY changed)
    Q_PROPERTY(QString apPass READ apPass WRITE setApPass NOTIFY changed)
    // A WifiSec value; one this console does not know stays as read until another is chosen.
    Q_PROPERTY(int apSecurity READ apSecurity WRITE setApSecurity NOTIFY changed)
    Q_PROPERTY(bool securityKnown READ securityKnown NOTIFY changed)
    Q_PROPERTY(QString staSsid READ staSsid WRITE setStaSsid NOTIFY changed)
    Q_PROPERTY(QString staPass READ staPass WRITE setStaPass NOTIFY changed)
    Q_PROPERTY(bool dhcp READ dhcp WRITE setDhcp NOTIFY changed)
    Q_PROPERTY(QString fixedIp READ fixedIp WRITE setFixedIp NOTIFY changed)
    // Something differs from what was read.
    Q_PROPERTY(bool edited READ edited NOTIFY changed)
    // Field name ("apSsid", "apPass", "apSecurity", "staSsid", "staPass", "fixedIp") to the
    // translated rule it breaks; only fields the chosen mode writes are judged.
    Q_PROPERTY(QVariantMap problems READ problems NOTIFY changed)
    Q_PROPERTY(bool acceptable READ acceptable NOTIFY changed)
    // Fields whose text the mount holds as bytes that are not valid UTF-8: shown, not
    // editable, and written back as those bytes.
    Q_PROPERTY(QStringList keptAsRead READ keptAsRead NOTIFY changed)
    // The network a computer joins to reach the mount once the settings are applied.
    Q_PROPERTY(QString joinAfter READ joinAfter NOTIFY changed)
public:
    using QObject::QObject;

    // Takes a WifiSettings record as read from the mount.
    Q_INVOKABLE void load(const QVariant& settings);
    // The record to write.
    Q_INVOKABLE QVariant settings() const;

    bool loaded() const { return loaded_; }
    int mode() const { return int(now_.mode); }
    void setMode(int mode);
    QString apSsid() const { return now_.AP_SSID; }
    void setApSsid(const QString& s) { setText(&WifiSettings::AP_SSID, s); }
    QString apPass() const { return now_.AP_pass; }
    void setApPass(const QString& s) { setText(&WifiSettings::AP_pass, s); }
    int apSecurity() const { return int(now_.AP_SEC); }
    void setApSecurity(int security);
    bool securityKnown() const;
    QString staSsid() const { return now_.STA_SSID; }
    void setStaSsid(const QString& s) { setText(&WifiSettings::STA_SSID, s); }
    QString staPass() const { return now_.STA_pass; }
    void setStaPass(const QString& s) { setText(&WifiSettings::STA_pass, s); }
    bool dhcp() const { return dhcp_; }
    void setDhcp(bool on);
    QString fixedIp() const { return fixedIp_; }
    void setFixedIp(const QString& ip);
    bool edited() const;
    QVariantMap problems() const;
    bool acceptable() const { return problems().isEmpty(); }
    QStringList keptAsRead() const;
    QString joinAfter() const;

signals:
    void changed();

private:
    void setText(QString WifiSettings::*field, const QString& value);

    bool loaded_ = false;
    WifiSettings read_;
    WifiSettings now_;
    // Kept apart so that switching DHCP off and on does not lose a typed address.
    bool dhcp_ = true;
    QString fixedIp_;
};

} // namespace JEX
