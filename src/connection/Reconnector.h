#pragma once
// Keeps a session going through a lost link: finds that the mount stopped answering (or that
// the link was cut after a Wi-Fi change), lets go of the mount object, and opens the link
// again with backoff until the same mount answers, then tells what it found.

#include "ConnectedObjContainer.h"
#include "IConnectable.h"
#include "IConverser.h"
#include "ITAVOConnector.h"
#include "ITAVOTaskState.h"
#include "LiveGuard.h"
#include "TAVOContainer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace JEX {

class Reconnector : public QObject {
    Q_OBJECT
    // Trying to reach the mount again; everything that needs the mount waits meanwhile.
    Q_PROPERTY(bool active READ active NOTIFY changed)
    // "Reconnecting…" and when the mount last answered; empty when not active.
    Q_PROPERTY(QString stateText READ stateText NOTIFY changed)
public:
    struct Timing {
        // How long the link may stay without a reply before it counts as lost.
        int lossAfterMs = 3000;
        // A quiet link is asked for the program's status this often, so a loss shows.
        int keepAliveMs = 10000;
        int firstRetryMs = 1000;
        int longestRetryMs = 30000;
    };
    struct D {
        std::shared_ptr<IConnectable> connectable;
        std::shared_ptr<ITAVOConnector> connector;
        std::shared_ptr<TAVOContainer> container;
        std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers;
        std::shared_ptr<ITAVOTaskState> taskState;
        // Where the session's journal lines go; may be empty.
        std::function<void(const QString&)> journal;
        Timing timing;
    };

    explicit Reconnector(D d, QObject* parent = nullptr);
    ~Reconnector() override;

    // The wait before try number attempt (0 for the first): at once, then doubling from the
    // first retry up to the longest.
    static int retryDelayMs(int attempt, const Timing& timing);

    bool active() const { return active_; }
    // The wait between the tries now (0 before the first retry): a mount that comes back is
    // found at the latest one such wait after.
    int retryStepMs() const { return active_ ? retryDelayMs(attempt_, d_.timing) : 0; }
    QString stateText() const;

    // Stops trying; the console stays without a mount until the user connects.
    Q_INVOKABLE void cancel();

signals:
    void changed();
    // Something the user should hear about the session (a program that ended while away,
    // another mount answering).
    void notice(const QString& text);

private:
    using Clock = std::chrono::steady_clock;

    void tick();
    void lose(const QString& why);
    void tryNow();
    void finished(ReconnectOutcome outcome);
    void journal(const QString& line) const;

    const D d_;
    const std::shared_ptr<LiveGuard<Reconnector>> guard_;
    QTimer ticker_;
    QTimer retry_;
    // Read by the link's threads too.
    std::atomic<bool> active_{false};
    bool trying_ = false;
    int attempt_ = 0;
    std::optional<Clock::time_point> silentSince_;
    Clock::time_point lastHeard_ = Clock::now();
    Clock::time_point lostAt_ = Clock::now();
    Clock::time_point lastKeepAlive_ = Clock::now();
    // The program the mount ran when the link went: its photo count and planned photos.
    bool programWasRunning_ = false;
    int plannedPhotos_ = 0;
    QString lastText_;
};

} // namespace JEX
