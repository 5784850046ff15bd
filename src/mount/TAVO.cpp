#include "TAVO.h"

#include <QCoreApplication>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <chrono>
#include <functional>
#include <utility>

namespace JEX {
namespace {

template <typename T> QVariant valueOf(const T& value) {
    return QVariant::fromValue(value);
}
QVariant valueOf(uint32_t value) {
    return QVariant::fromValue(uint(value));
}

template <typename T> QVariantMap resultMap(const CmdResp<T>& resp) {
    QVariantMap map;
    map.insert(QStringLiteral("type"), QVariant::fromValue(resp.type));
    // get() throws "CmdResp: read invalid" for an accepted reply without a value, which
    // fails the future.
    map.insert(QStringLiteral("value"), resp.ok() ? valueOf(resp.get()) : QVariant());
    return map;
}

void deleteOnOwnThread(QObject* object) {
    const QCoreApplication* app = QCoreApplication::instance();
    if (object->thread() == QThread::currentThread() || !app || object->thread() != app->thread())
        delete object;
    else
        object->deleteLater();
}

} // namespace

TAVO::TAVO(D d, QObject* parent)
    : ITAVO(parent), d_(std::move(d)), core_(std::make_shared<Core>()),
      guard_(std::make_shared<LiveGuard<TAVO>>(this)) {
    core_->sync = d_.sync;
    core_->mutex = d_.wireMutex ? d_.wireMutex : std::make_shared<std::mutex>();
    connect(d_.sync.get(), &ITAVOSync::propertyChanged, this, &ITAVO::propertyChanged);
    // The position store outlives this object when a task thread still holds the axis. The
    // news is told on this object's own thread: QML bound to it is not to hear it from a task
    // thread (Qt would make a notifier of its own for each, and lose those still queued at
    // the end); a notice still queued when this object goes is dropped with it.
    d_.positions->changedList.append([guard = guard_] {
        guard->with([](TAVO& tavo) {
            QMetaObject::invokeMethod(
                &tavo, [&tavo] { emit tavo.positionChanged(); }, Qt::QueuedConnection);
        });
    });
}

TAVO::~TAVO() {
    // An operation still taking up lost exchanges gives up: no one is left to hear its result.
    d_.sync->retire();
    guard_->reset();
    std::shared_ptr<ICanceller> periodic;
    {
        std::lock_guard lock(periodicMutex_);
        periodic = std::move(periodicHandle_);
    }
    if (periodic)
        periodic->cancel();
}

std::shared_ptr<TAVO> TAVO::create(D d) {
    return std::shared_ptr<TAVO>(new TAVO(std::move(d)), deleteOnOwnThread);
}

// The pool hands a job to one of its threads under Qt's own lock, which the thread sanitizer
// cannot see. What the pool thread reads of the job it was given is therefore only this
// pointer; the work itself is taken over under a lock of ours.
static std::mutex& handoverMutex() {
    static std::mutex mutex;
    return mutex;
}

template <typename R> class TAVOJobStart {
public:
    explicit TAVOJobStart(std::function<R()> work) : work_(new std::function<R()>()) {
        std::lock_guard lock(handoverMutex());
        *work_ = std::move(work);
    }
    // The members are read here, not in library helpers, so that the sanitizer's report of
    // the pool's hand-over names this class.
    TAVOJobStart(TAVOJobStart&& other) noexcept : work_(other.work_) { other.work_ = nullptr; }
    TAVOJobStart(const TAVOJobStart&) = delete;
    TAVOJobStart& operator=(const TAVOJobStart&) = delete;
    TAVOJobStart& operator=(TAVOJobStart&&) = delete;
    // A job cancelled before it ran is destroyed without running.
    ~TAVOJobStart() { delete work_; }

    R operator()() {
        std::unique_ptr<std::function<R()>> owned(work_);
        work_ = nullptr;
        std::function<R()> work;
        {
            std::lock_guard lock(handoverMutex());
            work = std::move(*owned);
        }
        return work();
    }

private:
    std::function<R()>* work_;
};

template <typename F> QFuture<CmdRet> TAVO::run(F&& job) {
    return QtConcurrent::run(QThreadPool::globalInstance(),
                             TAVOJobStart<CmdRet>([core = core_, job = std::forward<F>(job)] {
                                 std::lock_guard lock(*core->mutex);
                                 if (core->retired)
                                     return CmdRet(CmdRetType::Cancel);
                                 return job(*core->sync);
                             }));
}

template <typename F> QFuture<QVariantMap> TAVO::runMap(F&& job) {
    return QtConcurrent::run(QThreadPool::globalInstance(),
                             TAVOJobStart<QVariantMap>([core = core_, job = std::forward<F>(job)] {
                                 std::lock_guard lock(*core->mutex);
                                 if (core->retired)
                                     return resultMap(CmdResp<int>(CmdRetType::Cancel));
                                 return resultMap(job(*core->sync));
                             }));
}

// The connect and disconnect sequences take the mount's mutex as the pool's jobs do: a job
// still running when the disconnect starts would otherwise see its parameter-memory select
// and read split by the disconnect mark.
CmdRet TAVO::syncOnConnect(const MountIdentity* expected) {
    std::lock_guard lock(*core_->mutex);
    return d_.sync->syncOnConnect(expected);
}

CmdRet TAVO::prepareDisconnect() {
    // The mount is being let go: an operation taking up lost exchanges gives up rather than
    // hold the disconnect for the rest of its deadline.
    d_.sync->retire();
    std::lock_guard lock(*core_->mutex);
    return d_.sync->prepareDisconnect();
}

void TAVO::retire() {
    core_->retired = true;
    d_.sync->retire();
}

QFuture<CmdRet> TAVO::readStatus() {
    return run([](ITAVOSync& s) { return CmdRet(s.readStatus().type); });
}

QVariant TAVO::lastPowerStatus() const {
    const Nullable<TAVOPowerStatus> power = d_.sync->lastPowerStatus();
    return power.hasValue() ? QVariant::fromValue(power.value()) : QVariant();
}

QFuture<CmdRet> TAVO::readPowerStatus() {
    return run([](ITAVOSync& s) { return CmdRet(s.readPowerStatus().type); });
}

QFuture<CmdRet> TAVO::programManualMode() {
    return run([](ITAVOSync& s) { return s.programManualMode(); });
}

QFuture<CmdRet> TAVO::programAutoMode(TAVOParamSet params) {
    return run([params](ITAVOSync& s) { return s.programAutoMode(params); });
}

QString TAVO::deviceName() const {
    return QString::fromStdString(d_.sync->deviceName());
}

QFuture<QVariantMap> TAVO::readWifiSettings() {
    return runMap([](ITAVOSync& s) { return s.readWifiSettings(); });
}

QFuture<CmdRet> TAVO::writeWifiSettings(WifiSettings settings) {
    return run([settings](ITAVOSync& s) { return s.writeWifiSettings(settings); });
}

QFuture<QVariantMap> TAVO::readWifiTimeoutSec() {
    return runMap([](ITAVOSync& s) { return s.readWifiTimeoutSec(); });
}

QFuture<CmdRet> TAVO::writeWifiTimeoutSec(uint powerOffSec) {
    return run([powerOffSec](ITAVOSync& s) { return s.writeWifiTimeoutSec(powerOffSec); });
}

QFuture<CmdRet> TAVO::writePolarSightLightOn(bool isOn) {
    return run([isOn](ITAVOSync& s) { return s.writePolarSightLightOn(isOn); });
}

QFuture<QVariantMap> TAVO::readPolarSightLightTimeoutSec() {
    return runMap([](ITAVOSync& s) { return s.readPolarSightLightTimeoutSec(); });
}

QFuture<CmdRet> TAVO::writePolarSightLightTimeoutSec(uint powerOffSec) {
    return run(
        [powerOffSec](ITAVOSync& s) { return s.writePolarSightLightTimeoutSec(powerOffSec); });
}

QFuture<QVariantMap> TAVO::readPowerOnAutoPreviousTask() {
    return runMap([](ITAVOSync& s) { return s.readPowerOnAutoPreviousTask(); });
}

QFuture<CmdRet> TAVO::writePowerOnAutoPreviousTask(bool enabled) {
    return run([enabled](ITAVOSync& s) { return s.writePowerOnAutoPreviousTask(enabled); });
}

QFuture<QVariantMap> TAVO::readAutoShutdownSec() {
    return runMap([](ITAVOSync& s) { return s.readAutoShutdownSec(); });
}

QFuture<CmdRet> TAVO::writeAutoShutdownSec(uint powerOffSec) {
    return run([powerOffSec](ITAVOSync& s) { return s.writeAutoShutdownSec(powerOffSec); });
}

bool TAVO::isVelmoraWifi() const {
    return d_.sync->isVelmoraWifi();
}

bool TAVO::hasPolarSightLight() const {
    return d_.sync->hasPolarSightLight();
}

bool TAVO::hasAutoShutdown() const {
    return d_.sync->hasAutoShutdown();
}

bool TAVO::hasDithering() const {
    return d_.sync->hasDithering();
}

QString TAVO::programOutOfRange(TAVOParamSet params) const {
    return d_.sync->programOutOfRange(params);
}

QFuture<CmdRet> TAVO::slewAxisAsync(double speedRps) {
    std::shared_ptr<IMountTask> task = speedRps != 0.0 ? d_.taskFactory->createSlewTask(0, speedRps)
                                                       : d_.taskFactory->createStopTask(0);
    uint64_t issued = 0;
    {
        std::lock_guard lock(slews_->mutex);
        issued = ++slews_->issued;
    }
    // A task the manager drops unrun takes its promise along, which cancels the future.
    auto promise = std::make_shared<QPromise<CmdRet>>();
    promise->start();
    QFuture<CmdRet> future = promise->future();
    d_.taskManager->addTask(std::move(task), {}, [slews = slews_, issued, promise](CmdRet result) {
        {
            std::lock_guard lock(slews->mutex);
            if (issued > slews->finished) {
                slews->finished = issued;
                slews->last = result;
            }
        }
        slews->ended.notify_all();
        promise->addResult(result);
        promise->finish();
    });
    return future;
}

CmdRet TAVO::waitForSlewTask(int timeoutMs) {
    std::unique_lock lock(slews_->mutex);
    const bool ended = slews_->ended.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                              [&] { return slews_->finished >= slews_->issued; });
    return ended ? slews_->last : CmdRet(CmdRetType::Timeout);
}

double TAVO::lastAxis1() const {
    return d_.axis->lastPosition(0).angle - tareOffset_.load();
}

QFuture<CmdRet> TAVO::readAxis1() {
    // Not behind the mount's mutex: an axis exchange may come between a parameter-memory
    // select and its access, as the periodic reading's do.
    return QtConcurrent::run(QThreadPool::globalInstance(),
                             TAVOJobStart<CmdRet>([core = core_, axis = d_.axis] {
                                 if (core->retired)
                                     return CmdRet(CmdRetType::Cancel);
                                 return CmdRet(axis->readPosition(0).type);
                             }));
}

bool TAVO::periodicPositionRead() const {
    std::lock_guard lock(periodicMutex_);
    return periodicHandle_ != nullptr;
}

void TAVO::setPeriodicPositionRead(bool value) {
    std::shared_ptr<ICanceller> stopped;
    {
        std::lock_guard lock(periodicMutex_);
        if (value == (periodicHandle_ != nullptr))
            return;
        if (value)
            periodicHandle_ = d_.taskManager->addTask(d_.periodicPositionRead);
        else
            stopped = std::move(periodicHandle_);
    }
    if (stopped)
        stopped->cancel();
    emit propertyChanged();
}

void TAVO::tareLastAxis1() {
    tareOffset_.store(d_.axis->lastPosition(0).angle);
    emit positionChanged();
}

} // namespace JEX
