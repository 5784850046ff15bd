#include "Reconnector.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

namespace JEX {

namespace {

// "40 s", "2 min", "1 h 5 min".
QString durationText(int64_t seconds) {
    if (seconds < 60)
        return QCoreApplication::translate("mount", "%1 s").arg(seconds);
    if (seconds < 3600)
        return QCoreApplication::translate("mount", "%1 min").arg(seconds / 60);
    return QCoreApplication::translate("mount", "%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60);
}

int64_t secondsSince(std::chrono::steady_clock::time_point then) {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - then)
        .count();
}

} // namespace

Reconnector::Reconnector(D d, QObject* parent)
    : QObject(parent), d_(std::move(d)), guard_(std::make_shared<LiveGuard<Reconnector>>(this)) {
    connect(&ticker_, &QTimer::timeout, this, &Reconnector::tick);
    ticker_.start(std::min(500, std::max(10, d_.timing.lossAfterMs / 4)));
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &Reconnector::tryNow);
    connect(d_.connector.get(), &ITAVOConnector::interrupted, this,
            [this] { lose(QCoreApplication::translate("mount", "link closed")); });
}

Reconnector::~Reconnector() {
    guard_->reset();
}

int Reconnector::retryDelayMs(int attempt, const Timing& timing) {
    if (attempt <= 0)
        return 0;
    int64_t delay = timing.firstRetryMs;
    for (int i = 1; i < attempt && delay < timing.longestRetryMs; ++i)
        delay *= 2;
    return int(std::min<int64_t>(delay, timing.longestRetryMs));
}

QString Reconnector::stateText() const {
    if (!active_)
        return {};
    return QCoreApplication::translate("mount", "Reconnecting… last heard %1 ago")
        .arg(durationText(secondsSince(lastHeard_)));
}

void Reconnector::journal(const QString& line) const {
    if (d_.journal)
        d_.journal(line);
}

void Reconnector::tick() {
    // The user connected meanwhile (a try of ours tells its own outcome when it ends).
    if (active_ && !trying_ && d_.container->get()) {
        active_ = false;
        retry_.stop();
        lastText_.clear();
        emit changed();
        return;
    }
    if (active_) {
        // The "ago" moves on.
        if (const QString text = stateText(); text != lastText_) {
            lastText_ = text;
            emit changed();
        }
        return;
    }
    const std::shared_ptr<ITAVO> tavo = d_.container->get();
    if (!tavo) {
        silentSince_.reset();
        return;
    }
    const std::shared_ptr<IConverser> converser = d_.conversers->current();
    const auto now = Clock::now();
    if (!converser || !converser->isTimedOut()) {
        silentSince_.reset();
        lastHeard_ = now;
    } else if (!silentSince_) {
        silentSince_ = now;
    } else if (now - *silentSince_ >= std::chrono::milliseconds(d_.timing.lossAfterMs)) {
        lose(QCoreApplication::translate("mount", "no reply"));
        return;
    }
    if (now - lastKeepAlive_ >= std::chrono::milliseconds(d_.timing.keepAliveMs)) {
        lastKeepAlive_ = now;
        // The answer updates the program's status; a lost one raises the time-out flag.
        tavo->readStatus();
    }
}

void Reconnector::lose(const QString& why) {
    if (active_ || !d_.connectable->canReconnect())
        return;
    active_ = true;
    attempt_ = 0;
    silentSince_.reset();
    lostAt_ = Clock::now();
    const Nullable<bool> running = d_.taskState->isRunningTask();
    programWasRunning_ = running.hasValue() && running.value();
    const Nullable<ReadTAVOParamSet> program = d_.taskState->readParamSet();
    plannedPhotos_ = program.hasValue() ? program.value().paramSet.N_Cycles : 0;
    journal(QCoreApplication::translate("mount", "Connection lost (%1); reconnecting").arg(why));
    // Pages let go of the mount; a slew the console started is stopped once it is back.
    d_.container->set(nullptr);
    lastText_ = stateText();
    emit changed();
    tryNow();
}

void Reconnector::tryNow() {
    if (!active_ || trying_)
        return;
    trying_ = true;
    d_.connectable->reconnect([guard = guard_](ReconnectOutcome outcome) {
        guard->with([outcome](Reconnector& r) {
            QMetaObject::invokeMethod(
                &r, [&r, outcome] { r.finished(outcome); }, Qt::QueuedConnection);
        });
    });
}

void Reconnector::finished(ReconnectOutcome outcome) {
    trying_ = false;
    if (!active_)
        return;
    switch (outcome) {
    case ReconnectOutcome::Failed:
        retry_.start(retryDelayMs(++attempt_, d_.timing));
        return;
    case ReconnectOutcome::OtherMount:
        active_ = false;
        journal(QCoreApplication::translate("mount", "Another mount answered; not reconnected"));
        emit notice(QCoreApplication::translate(
            "mount", "Another mount answers where the last one was. Connect to it from the "
                     "connection dialog if it is the one you want."));
        break;
    case ReconnectOutcome::Connected: {
        active_ = false;
        lastHeard_ = Clock::now();
        journal(QCoreApplication::translate("mount", "Reconnected after %1")
                    .arg(durationText(secondsSince(lostAt_))));
        const Nullable<TAVOStatus> status = d_.taskState->status();
        if (!programWasRunning_ || !status.hasValue())
            break;
        const int taken = status.value().numberOfPictureTaken;
        if (status.value().mode != TAVOMode_::E::Manual) {
            journal(QCoreApplication::translate("mount", "Program still running: %1 of %2 photos")
                        .arg(taken)
                        .arg(plannedPhotos_));
        } else {
            const QString text =
                plannedPhotos_ > 0
                    ? QCoreApplication::translate(
                          "mount", "Program finished while disconnected: %1 of %2 photos")
                          .arg(taken)
                          .arg(plannedPhotos_)
                    : QCoreApplication::translate("mount",
                                                  "Program finished while disconnected: %1 photos")
                          .arg(taken);
            journal(text);
            emit notice(text);
        }
        break;
    }
    }
    lastText_.clear();
    emit changed();
}

void Reconnector::cancel() {
    if (!active_)
        return;
    active_ = false;
    retry_.stop();
    journal(QCoreApplication::translate("mount", "Reconnecting cancelled"));
    lastText_.clear();
    emit changed();
}

} // namespace JEX
