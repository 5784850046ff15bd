#include "ManualSlew.h"

#include "Log.h"

#include <QThread>

#include <algorithm>
#include <chrono>
#include <utility>

namespace JEX {

ManualSlew::ManualSlew(std::shared_ptr<ITAVOConnector> connector,
                       std::shared_ptr<ConverserTimeoutForwarder> timeouts,
                       std::shared_ptr<IConnectionSettings> settings, QObject* parent)
    : QObject(parent), connector_(std::move(connector)), timeouts_(std::move(timeouts)),
      settings_(std::move(settings)) {
    connect(connector_.get(), &ITAVOConnector::tavoChanged, this, &ManualSlew::linkChanged);
    connect(timeouts_.get(), &ConverserTimeoutForwarder::timedoutChanged_q, this,
            &ManualSlew::linkChanged);
}

void ManualSlew::hold(int direction) {
    if (direction == 0) {
        release();
        return;
    }
    ITAVO* tavo = connector_->tavo();
    if (!tavo)
        return;
    sentTo_ = tavo;
    sent_ = true;
    direction_ = direction < 0 ? -1 : 1;
    owed_ = true;
    ++generation_;
    stopInFlight_ = false;
    tavo->slewAxisAsync(direction_ * kRateRps);
    emit changed();
}

void ManualSlew::release() {
    if (direction_ != 0) {
        direction_ = 0;
        emit changed();
    }
    if (owed_)
        sendStop();
}

void ManualSlew::sendStop() {
    ITAVO* tavo = connector_->tavo();
    // No mount now: the stop goes out when one is back.
    if (!tavo || stopInFlight_)
        return;
    sentTo_ = tavo;
    sent_ = true;
    stopInFlight_ = true;
    const uint64_t generation = generation_;
    lastStop_ = tavo->slewAxisAsync(0.0);
    auto* watcher = new QFutureWatcher<CmdRet>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        const QFuture<CmdRet> future = watcher->future();
        watcher->deleteLater();
        stopDone(generation, !future.isCanceled() && future.resultCount() > 0 &&
                                 future.result().type == CmdRetType::Ok);
    });
    watcher->setFuture(lastStop_);
}

void ManualSlew::stopDone(uint64_t generation, bool ok) {
    if (generation != generation_)
        return;
    stopInFlight_ = false;
    if (ok && direction_ == 0) {
        owed_ = false;
        emit changed();
    }
    // A failed stop stays owed: it goes out again when the link is back.
}

void ManualSlew::linkChanged() {
    // The news may come late (the link is made on another thread): only another mount
    // object than the one slewed, or none, is a replacement.
    const bool replaced = sent_ && (!sentTo_ || sentTo_ != connector_->tavo());
    const bool lost = timeouts_->timedout();
    if (replaced) {
        // The old mount object's answer, if it ever comes, is not this link's.
        ++generation_;
        stopInFlight_ = false;
        sent_ = false;
    }
    if ((replaced || lost) && direction_ != 0) {
        log("ManualSlew: link %s during a manual slew, stopping the axis",
            replaced ? "replaced" : "lost");
        release();
    } else if (owed_ && direction_ == 0 && !lost) {
        // A stop that did not get through goes out again once the link answers.
        sendStop();
    }
}

int ManualSlew::exitWaitMs() const {
    const int replyMs = std::clamp(settings_->readTimeoutMs_other(), 50, 5000) *
                        (std::clamp(settings_->maxRetryCount(), 0, 10) + 1);
    return 2 * replyMs;
}

bool ManualSlew::stopBeforeExit() {
    if (!owed_)
        return true;
    // A stop still queued would be dropped with the mount object: send one now and wait.
    ++generation_;
    stopInFlight_ = false;
    direction_ = 0;
    sendStop();
    if (!stopInFlight_)
        return false;
    const QFuture<CmdRet> stop = lastStop_;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(exitWaitMs());
    while (!stop.isFinished() && std::chrono::steady_clock::now() < deadline)
        QThread::msleep(5);
    const bool ok = stop.isFinished() && !stop.isCanceled() && stop.resultCount() > 0 &&
                    stop.result().type == CmdRetType::Ok;
    if (!ok)
        log("ManualSlew: the mount did not confirm the stop before the end");
    owed_ = !ok;
    return ok;
}

} // namespace JEX
