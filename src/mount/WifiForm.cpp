#include "WifiForm.h"

#include <QRegularExpression>

namespace JEX {

namespace {

int bytes(const QString& text) {
    return int(text.toUtf8().size());
}

// Read from the mount but not valid UTF-8.
bool garbled(const QByteArray& read) {
    return !read.isEmpty() && read.toStdString() != QString::fromUtf8(read).toStdString();
}

constexpr int kSsidMaxBytes = int(WifiSettingsLimit_::E::AP_SSID_MaxLen);
constexpr int kPassMaxBytes = int(WifiSettingsLimit_::E::AP_pass_MaxLen);

} // namespace

void WifiForm::load(const QVariant& settings) {
    if (!settings.canConvert<WifiSettings>())
        return;
    read_ = settings.value<WifiSettings>();
    now_ = read_;
    dhcp_ = read_.STA_useDHCP();
    fixedIp_ = read_.STA_fixedIP;
    loaded_ = true;
    emit changed();
}

QVariant WifiForm::settings() const {
    WifiSettings w = now_;
    w.STA_fixedIP = dhcp_ ? QString() : fixedIp_;
    return QVariant::fromValue(w);
}

void WifiForm::setMode(int mode) {
    const auto m = static_cast<WifiMode_::E>(mode);
    if (m == now_.mode || (m != WifiMode_::E::AP && m != WifiMode_::E::STA))
        return;
    now_.mode = m;
    emit changed();
}

void WifiForm::setApSecurity(int security) {
    const auto s = static_cast<WifiSec_::E>(security);
    if (s == now_.AP_SEC || !isKnownWifiSecurity(s))
        return;
    now_.AP_SEC = s;
    emit changed();
}

bool WifiForm::securityKnown() const {
    return isKnownWifiSecurity(now_.AP_SEC);
}

void WifiForm::setDhcp(bool on) {
    if (on == dhcp_)
        return;
    dhcp_ = on;
    emit changed();
}

void WifiForm::setFixedIp(const QString& ip) {
    if (ip == fixedIp_)
        return;
    fixedIp_ = ip;
    emit changed();
}

void WifiForm::setText(QString WifiSettings::*field, const QString& value) {
    if (now_.*field == value)
        return;
    now_.*field = value;
    emit changed();
}

bool WifiForm::edited() const {
    WifiSettings w = now_;
    w.STA_fixedIP = dhcp_ ? QString() : fixedIp_;
    return loaded_ && !(w == read_);
}

QVariantMap WifiForm::problems() const {
    QVariantMap p;
    if (!loaded_)
        return p;
    const bool ap = now_.mode == WifiMode_::E::AP || now_.mode == WifiMode_::E::Both;
    const bool sta = now_.mode == WifiMode_::E::STA || now_.mode == WifiMode_::E::Both;
    const auto name = [&p](const char* key, const QString& text, int limit) {
        if (text.isEmpty())
            p.insert(QString::fromLatin1(key), tr("Enter the network's name"));
        else if (bytes(text) > limit)
            p.insert(QString::fromLatin1(key),
                     tr("At most %1 bytes; this has %2").arg(limit).arg(bytes(text)));
    };
    const auto password = [&p](const char* key, const QString& text, bool mayBeEmpty) {
        if (bytes(text) > kPassMaxBytes)
            p.insert(QString::fromLatin1(key),
                     tr("At most 63 bytes; this has %1").arg(bytes(text)));
        else if (text.size() < 8 && !(mayBeEmpty && text.isEmpty()))
            p.insert(QString::fromLatin1(key),
                     mayBeEmpty ? tr("Empty for an open network, else at least 8 characters")
                                : tr("At least 8 characters"));
    };
    if (ap) {
        name("apSsid", now_.AP_SSID, kSsidMaxBytes);
        if (!securityKnown())
            p.insert(QStringLiteral("apSecurity"),
                     tr("The mount uses a security this console does not know (%1): choose one")
                         .arg(int(now_.AP_SEC)));
        else if (now_.AP_SEC != WifiSec_::E::Open)
            password("apPass", now_.AP_pass, false);
    }
    if (sta) {
        name("staSsid", now_.STA_SSID, kSsidMaxBytes);
        password("staPass", now_.STA_pass, true);
        static const QRegularExpression ipv4(
            QStringLiteral("^((25[0-5]|2[0-4]\\d|1?\\d?\\d)\\.){3}(25[0-5]|2[0-4]\\d|1?\\d?\\d)$"));
        if (!dhcp_ && !ipv4.match(fixedIp_).hasMatch())
            p.insert(QStringLiteral("fixedIp"),
                     tr("Four numbers from 0 to 255 joined by dots, such as 192.168.1.50"));
    }
    return p;
}

QStringList WifiForm::keptAsRead() const {
    QStringList kept;
    const struct {
        const char* name;
        QString WifiSettings::*text;
        QByteArray WifiSettings::*read;
    } fields[] = {
        {"apSsid", &WifiSettings::AP_SSID, &WifiSettings::AP_SSID_read},
        {"apPass", &WifiSettings::AP_pass, &WifiSettings::AP_pass_read},
        {"staSsid", &WifiSettings::STA_SSID, &WifiSettings::STA_SSID_read},
        {"staPass", &WifiSettings::STA_pass, &WifiSettings::STA_pass_read},
    };
    for (const auto& f : fields)
        if (garbled(read_.*f.read) && now_.*f.text == read_.*f.text)
            kept.append(QString::fromLatin1(f.name));
    return kept;
}

QString WifiForm::joinAfter() const {
    return now_.mode == WifiMode_::E::STA ? now_.STA_SSID : now_.AP_SSID;
}

} // namespace JEX
