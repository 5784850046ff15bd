#pragma once
// The mount object of one connection: runs each mount operation on Qt's global thread pool,
// one at a time behind the mount's mutex, and hands the result back as a future; slews
// axis 1 through the task manager and shows its position.

#include "AxisTasks.h"
#include "IMountAxis.h"
#include "IMountTask.h"
#include "ITAVO.h"
#include "ITAVOSync.h"
#include "LiveGuard.h"
#include "MountAxisTimeContainer.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace JEX {

class TAVO : public ITAVO {
    Q_OBJECT
public:
    struct D {
        std::shared_ptr<ITAVOSync> sync;
        std::shared_ptr<IMountTaskManager> taskManager;
        std::shared_ptr<IBaseMountTaskFactory> taskFactory;
        // Axis 1 and the store its positions are kept in.
        std::shared_ptr<IMountAxis> axis;
        std::shared_ptr<MountAxisTimeContainer> positions;
        std::shared_ptr<IMountTask> periodicPositionRead;
        // Taken around every parameter-memory operation and the connect and disconnect
        // sequences. Mount objects of one console share it, so that one let go while its
        // operation still runs never splits a select from its read in the next one's
        // sequences. Null: this object's own.
        std::shared_ptr<std::mutex> wireMutex;
    };

    explicit TAVO(D d, QObject* parent = nullptr);
    ~TAVO() override;

    // A mount object whose last holder may let go on any thread: it is then deleted on the
    // thread it lives in (QML may still be looking at it there), or at once when that thread
    // runs no event loop of the application's.
    static std::shared_ptr<TAVO> create(D d);

    CmdRet syncOnConnect(const MountIdentity* expected = nullptr) override;
    CmdRet prepareDisconnect() override;
    void retire() override;

    Q_INVOKABLE QFuture<JEX::CmdRet> readStatus() override;
    QVariant lastPowerStatus() const override;
    Q_INVOKABLE QFuture<JEX::CmdRet> readPowerStatus() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> programManualMode() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> programAutoMode(JEX::TAVOParamSet params) override;
    QString deviceName() const override;
    Q_INVOKABLE QFuture<QVariantMap> readWifiSettings() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> writeWifiSettings(JEX::WifiSettings settings) override;
    Q_INVOKABLE QFuture<QVariantMap> readWifiTimeoutSec() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> writeWifiTimeoutSec(uint powerOffSec) override;
    Q_INVOKABLE QFuture<JEX::CmdRet> writePolarSightLightOn(bool isOn) override;
    Q_INVOKABLE QFuture<QVariantMap> readPolarSightLightTimeoutSec() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> writePolarSightLightTimeoutSec(uint powerOffSec) override;
    Q_INVOKABLE QFuture<QVariantMap> readPowerOnAutoPreviousTask() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> writePowerOnAutoPreviousTask(bool enabled) override;
    Q_INVOKABLE QFuture<QVariantMap> readAutoShutdownSec() override;
    Q_INVOKABLE QFuture<JEX::CmdRet> writeAutoShutdownSec(uint powerOffSec) override;
    bool isVelmoraWifi() const override;
    bool hasPolarSightLight() const override;
    bool hasAutoShutdown() const override;
    bool hasDithering() const override;
    Q_INVOKABLE QString programOutOfRange(JEX::TAVOParamSet params) const override;
    Q_INVOKABLE QFuture<JEX::CmdRet> slewAxisAsync(double speedRps) override;
    double lastAxis1() const override;
    QFuture<JEX::CmdRet> readAxis1() override;
    bool periodicPositionRead() const override;
    void setPeriodicPositionRead(bool value) override;
    Q_INVOKABLE void tareLastAxis1() override;

    // Waits until the task of the last slewAxisAsync call has ended and returns its result;
    // Timeout when it has not ended within timeoutMs. For callers without an event loop that
    // must know the axis has stopped before they let the mount go.
    CmdRet waitForSlewTask(int timeoutMs);

private:
    // What the pool's jobs use: they hold it, not the mount object, so that a job still
    // queued when the object goes finds everything it touches alive.
    struct Core {
        std::shared_ptr<ITAVOSync> sync;
        std::shared_ptr<std::mutex> mutex;
        std::atomic<bool> retired{false};
    };
    struct SlewTracker {
        std::mutex mutex;
        std::condition_variable ended;
        uint64_t issued = 0;
        uint64_t finished = 0;
        CmdRet last;
    };

    template <typename F> QFuture<CmdRet> run(F&& job);
    template <typename F> QFuture<QVariantMap> runMap(F&& job);

    const D d_;
    const std::shared_ptr<Core> core_;
    const std::shared_ptr<SlewTracker> slews_ = std::make_shared<SlewTracker>();
    const std::shared_ptr<LiveGuard<TAVO>> guard_;
    std::atomic<double> tareOffset_{0.0};
    mutable std::mutex periodicMutex_;
    std::shared_ptr<ICanceller> periodicHandle_;
};

} // namespace JEX
