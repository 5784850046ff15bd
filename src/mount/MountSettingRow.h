#pragma once
// One of the mount's own settings as a page row shows it: the value the mount holds (never a
// value not yet written), a pending state while a write runs, and one message per failure.

#include "CmdRet.h"
#include "ITAVO.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

namespace JEX {

class MountSettingRow : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* tavo READ tavo WRITE setTavo NOTIFY tavoChanged)
    Q_PROPERTY(Setting setting READ setting WRITE setSetting NOTIFY settingChanged)
    // Minutes for the time-outs, a bool for the auto-run; undefined until the mount has said.
    Q_PROPERTY(QVariant value READ value NOTIFY stateChanged)
    Q_PROPERTY(bool known READ known NOTIFY stateChanged)
    Q_PROPERTY(bool pending READ pending NOTIFY stateChanged)
public:
    enum Setting { FinderLedMinutes, WifiOffMinutes, ShutdownMinutes, AutoRun };
    Q_ENUM(Setting)

    using QObject::QObject;

    QObject* tavo() const { return tavo_; }
    // A new mount forgets what the last one held and reads again.
    void setTavo(QObject* tavo);
    Setting setting() const { return setting_; }
    void setSetting(Setting setting);
    QVariant value() const { return value_; }
    bool known() const { return value_.isValid(); }
    bool pending() const { return pending_; }

    // Asks the mount. A read that a later write overtakes is dropped: its answer may be older
    // than what the user chose.
    Q_INVOKABLE void read();
    // Writes while no other write runs and the mount's value is known. The row keeps showing
    // the mount's value until the mount has taken the new one; on failure it reads again and
    // says so once.
    Q_INVOKABLE void write(const QVariant& value);

signals:
    void tavoChanged();
    void settingChanged();
    void stateChanged();
    // The command's result text, untranslated (context "mount"), once per failed read or write.
    void failed(const QString& message);

private:
    ITAVO* mount() const;
    void startRead(bool quiet);
    void takeRead(uint64_t generation, bool quiet, const QVariantMap& result);

    QPointer<QObject> tavo_;
    Setting setting_ = WifiOffMinutes;
    QVariant value_;
    bool pending_ = false;
    // Bumped by every read, write and mount change; an answer for an older one is stale.
    uint64_t generation_ = 0;
};

} // namespace JEX
