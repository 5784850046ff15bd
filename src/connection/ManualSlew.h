#pragma once
// Turning axis 1 by hand, with a dead-man: a slew lasts only while its source holds it.
// Whatever takes away the source's chance to let go (the link lost or replaced, the page or
// the window gone, a suspend, the program ending) ends the slew, and a stop that did not get
// through is sent again as soon as a mount answers.

#include "ConverserTimeoutForwarder.h"
#include "IConnectionSettings.h"
#include "ITAVOConnector.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <memory>
#include <numbers>

namespace JEX {

class ManualSlew : public QObject {
    Q_OBJECT
    // -1 or 1 while a slew is held, 0 otherwise.
    Q_PROPERTY(int direction READ direction NOTIFY changed)
    // A slew went out and no stop has been confirmed since: the axis may be turning.
    Q_PROPERTY(bool stopOwed READ stopOwed NOTIFY changed)
public:
    // 48 times the sky's rate: the axis turns 2° every 10 seconds.
    static constexpr double kRateRps = 48 * 2 * std::numbers::pi / 86400;

    ManualSlew(std::shared_ptr<ITAVOConnector> connector,
               std::shared_ptr<ConverserTimeoutForwarder> timeouts,
               std::shared_ptr<IConnectionSettings> settings, QObject* parent = nullptr);

    int direction() const { return direction_; }
    bool stopOwed() const { return owed_; }

    // Slews towards the sign of direction while held; 0 is a release.
    Q_INVOKABLE void hold(int direction);
    // Lets go: the axis stops. Does nothing when nothing was slewed.
    Q_INVOKABLE void release();

    // For the end of the program: lets go and waits, at most two replies' worth of time
    // outs, for the mount to confirm the stop. True when it did or nothing was owed.
    bool stopBeforeExit();

signals:
    void changed();

private:
    void sendStop();
    void stopDone(uint64_t generation, bool ok);
    // The mount object was replaced (or let go), or the converser's time-out flag changed.
    void linkChanged();
    int exitWaitMs() const;

    const std::shared_ptr<ITAVOConnector> connector_;
    const std::shared_ptr<ConverserTimeoutForwarder> timeouts_;
    const std::shared_ptr<IConnectionSettings> settings_;
    // The mount object the last command went to (null once it is gone), and whether any.
    QPointer<ITAVO> sentTo_;
    bool sent_ = false;
    int direction_ = 0;
    bool owed_ = false;
    // Counts holds and link changes: the answer to an older stop says nothing of now.
    uint64_t generation_ = 0;
    bool stopInFlight_ = false;
    QFuture<CmdRet> lastStop_;
};

} // namespace JEX
