#pragma once
// The tracker as an INDI telescope drives it, without INDI itself: tracking at a chosen rate,
// a motion west or east while it is held and renewed, timed guide pulses, and where the axis
// points on the sky from a reference the user syncs. Whatever is asked goes to the axis as
// the one rate it should run at now, through the current mount object; a mount object that
// comes after a reconnect is given that rate again.

#include "IAstroCalc.h"
#include "ILocation.h"
#include "ITAVOTaskState.h"
#include "LiveGuard.h"
#include "TAVOContainer.h"

#include <QFuture>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace JEX {

class TrackerDevice {
public:
    enum class TrackMode { Sidereal, Solar, Lunar, Custom };
    enum class Direction { West, East };

    struct Outcome {
        bool ok = true;
        std::string message; // why not, for the client
    };
    // Something that happened on the device's own threads, for the client to hear about.
    struct Event {
        enum class Kind { PulseEnded, MotionEnded, MountChanged };
        Kind kind = Kind::MountChanged;
        bool ok = true;
        std::string message;
    };
    struct D {
        std::shared_ptr<TAVOContainer> container;
        std::shared_ptr<ITAVOTaskState> taskState;
        // The hemisphere: the pole is where the axis points before a sync.
        std::shared_ptr<ILocation> location;
        // Local sidereal time at the observer's place.
        std::shared_ptr<IAstroCalc> sky;
        // Called on any thread when events wait to be taken.
        std::function<void()> wake;
    };

    // A held motion that is not renewed stops after this long.
    static constexpr int kDefaultMotionTimeoutMs = 10000;
    // A pulse runs the axis at (1 ± this) times the tracking rate.
    static constexpr double kDefaultGuideRate = 0.5;
    // How often poll reads the status and the voltages.
    static constexpr std::chrono::seconds kStatusEvery{5};
    static constexpr std::chrono::seconds kPowerEvery{30};
    // How long a pulse waits at most for the reads of the last poll.
    static constexpr std::chrono::milliseconds kPollWait{2000};
    // The device reads the mount's status itself, between pulses (poll): the status reads a
    // reconnector makes to keep a quiet link alive would land inside pulses. A reconnector
    // beside the device gets this keep-alive period, which never comes.
    static constexpr int kReconnectKeepAliveMs = 24 * 3600 * 1000;
    // A pulse whose end the mount confirmed later than this after its time failed.
    static constexpr std::chrono::milliseconds kLatePulseEnd{500};

    explicit TrackerDevice(D d);
    ~TrackerDevice();
    TrackerDevice(const TrackerDevice&) = delete;
    TrackerDevice& operator=(const TrackerDevice&) = delete;

    // Radians per second of the axis for a track mode; the custom rate is in arcseconds of
    // right ascension per second.
    static double trackRateRps(TrackMode mode, double customArcsecPerSec);
    // INDI gives longitudes east-positive in degrees (0 to 360); the console keeps them
    // west-positive in radians (−π to π).
    static double westLongitudeRad(double eastLongitudeDeg);
    static double eastLongitudeDeg(double westLongitudeRad);

    Outcome setTracking(bool on);
    Outcome setTrackMode(TrackMode mode);
    // The tracker has no declination axis: a declination rate other than 0 is refused.
    Outcome setCustomRate(double raArcsecPerSec, double decArcsecPerSec);
    // Starts a motion at `multiple` times the sidereal rate relative to the sky, or renews the
    // one running in that direction.
    Outcome move(Direction direction, double multiple);
    Outcome stopMotion();
    // Ends motion, pulse and tracking: the axis stops.
    Outcome abort();
    Outcome guide(Direction direction, uint32_t ms);
    void setMotionTimeoutMs(int ms);
    void setGuideRate(double fraction);

    // The pointing now is the given one: its hour angle becomes the reference for the axis
    // angle, and its declination the one reported.
    Outcome sync(double raRad, double decRad);
    struct Pointing {
        double raRad = 0;
        double decRad = 0;
    };
    Pointing pointing() const;

    // Reads the axis's position, and now and then the mount's status and voltages, unless a
    // pulse runs or the last round has not ended. Called at the client's polling period.
    void poll();

    // For the driver's end: ends motion and pulse, sends the rate tracking alone asks for
    // and waits at most waitMs for the mount to take it. True when it did (or there is no
    // mount to tell).
    bool settle(int waitMs);

    std::vector<Event> takeEvents();
    bool tracking() const;
    std::optional<Direction> motion() const;
    bool pulsing() const;
    // The mount runs one of its own programs (or cannot tell yet: false).
    bool programRunning() const;

private:
    using Clock = std::chrono::steady_clock;
    struct Pulse {
        Direction direction;
        Clock::time_point end;
    };
    struct Motion {
        Direction direction;
        double multiple;
        Clock::time_point deadline;
    };

    Outcome refusal() const;
    double wantedRateLocked() const;
    // Sends the rate wanted now; `pulseEnd` (when the pulse should have ended) marks the send
    // that ends a pulse.
    void sendLocked(std::optional<Clock::time_point> pulseEnd = std::nullopt);
    void endPulseLocked(bool ok, const std::string& why);
    void post(Event event);
    void run();
    void mountChanged();
    double axisAngle() const;

    const D d_;
    mutable std::mutex mutex_;
    std::condition_variable wakeScheduler_;
    bool stopping_ = false;
    bool tracking_ = false;
    TrackMode mode_ = TrackMode::Sidereal;
    double customArcsecPerSec_ = 15.041067;
    double guideRate_ = kDefaultGuideRate;
    int motionTimeoutMs_ = kDefaultMotionTimeoutMs;
    std::optional<Motion> motion_;
    std::optional<Pulse> pulse_;
    // A rate is owed to the next mount object (the link was away when it was due).
    bool rateOwed_ = false;
    bool commanded_ = false;
    QFuture<CmdRet> lastSend_;
    // The reads of the last poll: a pulse starts only once they have ended, so that nothing
    // but its two rate changes is on the link while it runs.
    std::vector<QFuture<CmdRet>> polls_;
    Clock::time_point lastStatus_{};
    Clock::time_point lastPower_{};
    // The sync's reference: the axis angle and hour angle then, and its declination.
    double refAxis_ = 0;
    double refHourAngle_ = 0;
    std::optional<double> decRad_;

    std::mutex eventsMutex_;
    std::vector<Event> events_;
    std::thread scheduler_;
    // For the mount's callbacks and the ends of rate commands, which may come after the
    // device has gone.
    const std::shared_ptr<LiveGuard<TrackerDevice>> guard_ =
        std::make_shared<LiveGuard<TrackerDevice>>(this);
};

} // namespace JEX
