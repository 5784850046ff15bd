#include "MountSettingRow.h"

#include <QFutureWatcher>

#include <cmath>
#include <exception>
#include <optional>

namespace JEX {

namespace {

// Runs done on the row's thread with the future's result, or with nothing when the future
// failed; nothing runs once the row is gone.
template <typename T, typename Done>
void whenFinished(QObject* row, const QFuture<T>& future, Done done) {
    auto* watcher = new QFutureWatcher<T>(row);
    QObject::connect(watcher, &QFutureWatcher<T>::finished, row, [watcher, done] {
        std::optional<T> result;
        try {
            result = watcher->future().result();
        } catch (const std::exception&) {
        } catch (...) {
        }
        watcher->deleteLater();
        done(result);
    });
    watcher->setFuture(future);
}

} // namespace

void MountSettingRow::setTavo(QObject* tavo) {
    if (tavo == tavo_)
        return;
    tavo_ = tavo;
    ++generation_;
    value_ = QVariant();
    pending_ = false;
    emit tavoChanged();
    emit stateChanged();
}

void MountSettingRow::setSetting(Setting setting) {
    if (setting == setting_)
        return;
    setting_ = setting;
    ++generation_;
    value_ = QVariant();
    emit settingChanged();
    emit stateChanged();
}

ITAVO* MountSettingRow::mount() const {
    return qobject_cast<ITAVO*>(tavo_.data());
}

void MountSettingRow::read() {
    if (pending_)
        return; // the write's own outcome sets the value
    startRead(false);
}

void MountSettingRow::startRead(bool quiet) {
    ITAVO* tavo = mount();
    if (!tavo)
        return;
    QFuture<QVariantMap> future;
    switch (setting_) {
    case FinderLedMinutes:
        future = tavo->readPolarSightLightTimeoutSec();
        break;
    case WifiOffMinutes:
        future = tavo->readWifiTimeoutSec();
        break;
    case ShutdownMinutes:
        future = tavo->readAutoShutdownSec();
        break;
    case AutoRun:
        future = tavo->readPowerOnAutoPreviousTask();
        break;
    }
    const uint64_t generation = ++generation_;
    whenFinished(this, future, [this, generation, quiet](const std::optional<QVariantMap>& r) {
        takeRead(generation, quiet, r.value_or(QVariantMap{}));
    });
}

void MountSettingRow::takeRead(uint64_t generation, bool quiet, const QVariantMap& result) {
    if (generation != generation_)
        return;
    const QVariant type = result.value(QStringLiteral("type"));
    const QVariant raw = result.value(QStringLiteral("value"));
    const auto ret = type.isValid() ? type.value<CmdRetType>() : CmdRetType::Other;
    if (ret != CmdRetType::Ok || !raw.isValid()) {
        if (!quiet)
            emit failed(cmdRetTypeText(ret == CmdRetType::Ok ? CmdRetType::Other : ret));
        return;
    }
    value_ = setting_ == AutoRun ? QVariant(raw.toBool())
                                 : QVariant(int(std::lround(raw.toDouble() / 60.0)));
    emit stateChanged();
}

void MountSettingRow::write(const QVariant& value) {
    ITAVO* tavo = mount();
    if (!tavo || pending_ || !known() || !value.isValid())
        return;
    QFuture<CmdRet> future;
    const uint seconds = setting_ == AutoRun ? 0 : uint(std::max(0, value.toInt())) * 60u;
    switch (setting_) {
    case FinderLedMinutes:
        future = tavo->writePolarSightLightTimeoutSec(seconds);
        break;
    case WifiOffMinutes:
        future = tavo->writeWifiTimeoutSec(seconds);
        break;
    case ShutdownMinutes:
        future = tavo->writeAutoShutdownSec(seconds);
        break;
    case AutoRun:
        future = tavo->writePowerOnAutoPreviousTask(value.toBool());
        break;
    }
    const uint64_t generation = ++generation_;
    pending_ = true;
    emit stateChanged();
    const QVariant written =
        setting_ == AutoRun ? QVariant(value.toBool()) : QVariant(int(seconds / 60u));
    whenFinished(this, future, [this, generation, written](const std::optional<CmdRet>& r) {
        if (generation != generation_)
            return;
        pending_ = false;
        const CmdRetType ret = r ? r->type : CmdRetType::Other;
        if (ret == CmdRetType::Ok) {
            value_ = written;
            emit stateChanged();
            return;
        }
        emit stateChanged();
        emit failed(cmdRetTypeText(ret));
        // The mount may have taken the value before the link failed: ask again, without a
        // second message if that fails too.
        startRead(true);
    });
}

} // namespace JEX
