#include "TrackerDevice.h"

#include "QAstroRate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace JEX {

namespace {

constexpr double kArcsecRad = std::numbers::pi / (180.0 * 3600.0);

const char* directionName(TrackerDevice::Direction d) {
    return d == TrackerDevice::Direction::West ? "west" : "east";
}

// West moves the pointing with the sky, which the axis follows when it turns forward.
double sign(TrackerDevice::Direction d) {
    return d == TrackerDevice::Direction::West ? 1.0 : -1.0;
}

double wrapPi(double a) {
    a = std::fmod(a + std::numbers::pi, 2 * std::numbers::pi);
    if (a < 0)
        a += 2 * std::numbers::pi;
    return a - std::numbers::pi;
}

} // namespace

TrackerDevice::TrackerDevice(D d) : d_(std::move(d)) {
    d_.container->changedList.append([guard = std::weak_ptr(guard_)] {
        if (const auto g = guard.lock())
            g->with([](TrackerDevice& device) { device.mountChanged(); });
    });
    scheduler_ = std::thread([this] { run(); });
}

TrackerDevice::~TrackerDevice() {
    guard_->reset();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wakeScheduler_.notify_all();
    scheduler_.join();
}

double TrackerDevice::trackRateRps(TrackMode mode, double customArcsecPerSec) {
    switch (mode) {
    case TrackMode::Sidereal:
        return QAstroRate::kSiderealRps;
    case TrackMode::Solar:
        return QAstroRate::kSolarRps;
    case TrackMode::Lunar:
        return QAstroRate::kLunarRps;
    case TrackMode::Custom:
        break;
    }
    return customArcsecPerSec * kArcsecRad;
}

double TrackerDevice::westLongitudeRad(double eastLongitudeDeg) {
    return wrapPi(-eastLongitudeDeg * std::numbers::pi / 180.0);
}

double TrackerDevice::eastLongitudeDeg(double westLongitudeRad) {
    const double east = -westLongitudeRad * 180.0 / std::numbers::pi;
    return east < 0 ? east + 360.0 : east;
}

TrackerDevice::Outcome TrackerDevice::refusal() const {
    if (!d_.container->get())
        return {false, "The mount is not connected."};
    if (programRunning())
        return {false, "The mount runs one of its own programs; it keeps the axis until the "
                       "program ends."};
    return {};
}

TrackerDevice::Outcome TrackerDevice::setTracking(bool on) {
    if (Outcome no = refusal(); !no.ok)
        return no;
    std::lock_guard lock(mutex_);
    tracking_ = on;
    if (!on)
        endPulseLocked(false, "Tracking was switched off during the pulse.");
    sendLocked();
    return {};
}

TrackerDevice::Outcome TrackerDevice::setTrackMode(TrackMode mode) {
    std::lock_guard lock(mutex_);
    if (mode_ == mode)
        return {};
    if (tracking_ && programRunning())
        return refusal();
    mode_ = mode;
    if (tracking_)
        sendLocked();
    return {};
}

TrackerDevice::Outcome TrackerDevice::setCustomRate(double raArcsecPerSec, double decArcsecPerSec) {
    if (decArcsecPerSec != 0)
        return {false, "The tracker has no declination axis: its declination rate is 0."};
    if (!(std::abs(raArcsecPerSec) <= 10 * 15.041067))
        return {false, "A custom rate is at most ten times the sidereal rate."};
    std::lock_guard lock(mutex_);
    const bool resend = tracking_ && mode_ == TrackMode::Custom;
    if (resend && programRunning())
        return refusal();
    customArcsecPerSec_ = raArcsecPerSec;
    if (resend)
        sendLocked();
    return {};
}

TrackerDevice::Outcome TrackerDevice::move(Direction direction, double multiple) {
    if (Outcome no = refusal(); !no.ok)
        return no;
    std::lock_guard lock(mutex_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(motionTimeoutMs_);
    if (motion_ && motion_->direction == direction && motion_->multiple == multiple) {
        motion_->deadline = deadline;
    } else {
        endPulseLocked(false, "A motion ended the pulse.");
        motion_ = Motion{direction, multiple, deadline};
        sendLocked();
    }
    wakeScheduler_.notify_all();
    return {};
}

TrackerDevice::Outcome TrackerDevice::stopMotion() {
    std::lock_guard lock(mutex_);
    if (!motion_)
        return {};
    motion_.reset();
    sendLocked();
    return {};
}

TrackerDevice::Outcome TrackerDevice::abort() {
    std::lock_guard lock(mutex_);
    motion_.reset();
    endPulseLocked(false, "Aborted.");
    tracking_ = false;
    if (!d_.container->get()) {
        rateOwed_ = true;
        return {};
    }
    if (programRunning())
        return refusal();
    sendLocked();
    return {};
}

TrackerDevice::Outcome TrackerDevice::guide(Direction direction, uint32_t ms) {
    if (Outcome no = refusal(); !no.ok)
        return no;
    std::unique_lock lock(mutex_);
    if (!tracking_)
        return {false, "Guide pulses need tracking on."};
    if (motion_)
        return {false, "The axis is slewing: guide pulses are refused until the motion ends."};
    if (ms == 0) {
        // A pulse that runs ends now, and the axis goes back to the tracking rate.
        if (pulse_) {
            endPulseLocked(true, {});
            sendLocked();
        }
        return {};
    }
    const std::vector<QFuture<CmdRet>> reads = std::exchange(polls_, {});
    lock.unlock();
    const auto until = Clock::now() + kPollWait;
    for (const QFuture<CmdRet>& read : reads)
        while (!read.isFinished() && Clock::now() < until)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    lock.lock();
    if (!tracking_ || motion_)
        return {false, "Tracking changed while the pulse waited for the link."};
    pulse_ = Pulse{direction, Clock::now() + std::chrono::milliseconds(ms)};
    sendLocked();
    wakeScheduler_.notify_all();
    return {};
}

void TrackerDevice::setMotionTimeoutMs(int ms) {
    std::lock_guard lock(mutex_);
    motionTimeoutMs_ = ms;
    if (motion_)
        motion_->deadline = Clock::now() + std::chrono::milliseconds(ms);
    wakeScheduler_.notify_all();
}

void TrackerDevice::setGuideRate(double fraction) {
    std::lock_guard lock(mutex_);
    guideRate_ = fraction;
}

double TrackerDevice::axisAngle() const {
    const std::shared_ptr<ITAVO> tavo = d_.container->get();
    return tavo ? tavo->lastAxis1() : 0.0;
}

TrackerDevice::Outcome TrackerDevice::sync(double raRad, double decRad) {
    if (!d_.container->get())
        return {false, "The mount is not connected."};
    const double axis = axisAngle();
    const double lst = d_.sky->lst();
    std::lock_guard lock(mutex_);
    refAxis_ = axis;
    refHourAngle_ = lst - raRad;
    decRad_ = decRad;
    return {};
}

TrackerDevice::Pointing TrackerDevice::pointing() const {
    const double axis = axisAngle();
    const double lst = d_.sky->lst();
    std::lock_guard lock(mutex_);
    // The axis turns forward with the sky in either hemisphere: the hour angle grows with it.
    const double hourAngle = refHourAngle_ + (axis - refAxis_);
    double ra = std::fmod(lst - hourAngle, 2 * std::numbers::pi);
    if (ra < 0)
        ra += 2 * std::numbers::pi;
    const double pole = std::copysign(std::numbers::pi / 2, d_.location->latitudeRad());
    return {ra, decRad_.value_or(pole)};
}

void TrackerDevice::poll() {
    const std::shared_ptr<ITAVO> tavo = d_.container->get();
    if (!tavo)
        return;
    std::lock_guard lock(mutex_);
    if (pulse_ || std::any_of(polls_.begin(), polls_.end(),
                              [](const QFuture<CmdRet>& f) { return !f.isFinished(); }))
        return;
    polls_.clear();
    polls_.push_back(tavo->readAxis1());
    const auto now = Clock::now();
    if (now - lastStatus_ >= kStatusEvery) {
        lastStatus_ = now;
        polls_.push_back(tavo->readStatus());
    }
    if (now - lastPower_ >= kPowerEvery) {
        lastPower_ = now;
        polls_.push_back(tavo->readPowerStatus());
    }
}

bool TrackerDevice::settle(int waitMs) {
    QFuture<CmdRet> sent;
    {
        std::lock_guard lock(mutex_);
        // An axis the driver never commanded is left as the console or the mount keep it.
        if (!commanded_ && !motion_ && !pulse_)
            return true;
        motion_.reset();
        endPulseLocked(false, "The driver is ending.");
        if (!d_.container->get())
            return true;
        sendLocked();
        sent = lastSend_;
    }
    const auto until = Clock::now() + std::chrono::milliseconds(waitMs);
    while (!sent.isFinished() && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return sent.isFinished() && !sent.isCanceled() && sent.resultCount() > 0 &&
           sent.result().type == CmdRetType::Ok;
}

std::vector<TrackerDevice::Event> TrackerDevice::takeEvents() {
    std::lock_guard lock(eventsMutex_);
    return std::exchange(events_, {});
}

bool TrackerDevice::tracking() const {
    std::lock_guard lock(mutex_);
    return tracking_;
}

std::optional<TrackerDevice::Direction> TrackerDevice::motion() const {
    std::lock_guard lock(mutex_);
    return motion_ ? std::optional(motion_->direction) : std::nullopt;
}

bool TrackerDevice::pulsing() const {
    std::lock_guard lock(mutex_);
    return pulse_.has_value();
}

bool TrackerDevice::programRunning() const {
    const Nullable<bool> running = d_.taskState->isRunningTask();
    return running.hasValue() && running.value();
}

double TrackerDevice::wantedRateLocked() const {
    const double base = tracking_ ? trackRateRps(mode_, customArcsecPerSec_) : 0.0;
    if (motion_)
        return base + sign(motion_->direction) * motion_->multiple * QAstroRate::kSiderealRps;
    if (pulse_)
        return base * (1.0 + sign(pulse_->direction) * guideRate_);
    return base;
}

void TrackerDevice::sendLocked(std::optional<Clock::time_point> pulseEnd) {
    const std::shared_ptr<ITAVO> tavo = d_.container->get();
    if (!tavo) {
        rateOwed_ = true;
        return;
    }
    rateOwed_ = false;
    commanded_ = true;
    lastSend_ = tavo->slewAxisAsync(wantedRateLocked());
    if (!pulseEnd)
        return;
    // Told once the rate has gone out (or a later command took its place); an end the mount
    // took late (the link slow or lost for a while) is told as a failed pulse.
    const auto tell = [guard = guard_](Event event) {
        guard->with([&](TrackerDevice& device) { device.post(std::move(event)); });
    };
    lastSend_
        .then(QtFuture::Launch::Sync,
              [tell, end = *pulseEnd](CmdRet r) {
                  const auto lateMs =
                      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - end)
                          .count();
                  if (r.type != CmdRetType::Ok)
                      tell({Event::Kind::PulseEnded, false,
                            "The mount did not take the end of the pulse."});
                  else if (lateMs > kLatePulseEnd.count())
                      tell({Event::Kind::PulseEnded, false,
                            "The pulse ended " + std::to_string(lateMs) +
                                " ms late: the link was slow."});
                  else
                      tell({Event::Kind::PulseEnded, true, {}});
              })
        .onCanceled([tell] {
            tell({Event::Kind::PulseEnded, false, "The end of the pulse was not sent."});
        });
}

void TrackerDevice::endPulseLocked(bool ok, const std::string& why) {
    if (!pulse_)
        return;
    pulse_.reset();
    post({Event::Kind::PulseEnded, ok, why});
}

void TrackerDevice::post(Event event) {
    {
        std::lock_guard lock(eventsMutex_);
        events_.push_back(std::move(event));
    }
    if (d_.wake)
        d_.wake();
}

void TrackerDevice::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        std::optional<Clock::time_point> next;
        if (pulse_)
            next = pulse_->end;
        if (motion_ && (!next || motion_->deadline < *next))
            next = motion_->deadline;
        if (!next) {
            wakeScheduler_.wait(lock);
            continue;
        }
        if (wakeScheduler_.wait_until(lock, *next) != std::cv_status::timeout)
            continue;
        const auto now = Clock::now();
        if (pulse_ && pulse_->end <= now) {
            const Clock::time_point end = pulse_->end;
            pulse_.reset();
            sendLocked(end);
        }
        if (motion_ && motion_->deadline <= now) {
            const Direction d = motion_->direction;
            motion_.reset();
            sendLocked();
            post({Event::Kind::MotionEnded, false,
                  std::string("The motion ") + directionName(d) +
                      " stopped: it was not renewed within the motion time-out."});
        }
    }
}

void TrackerDevice::mountChanged() {
    const std::shared_ptr<ITAVO> tavo = d_.container->get();
    {
        std::lock_guard lock(mutex_);
        // A client holding a motion could not renew it while the mount was away; the axis
        // goes back to what tracking asks for, which also ends a slew the link lost.
        if (motion_) {
            motion_.reset();
            rateOwed_ = true;
            post({Event::Kind::MotionEnded, false, "The link was lost; the motion ended."});
        }
        if (pulse_) {
            pulse_.reset();
            rateOwed_ = true;
            post({Event::Kind::PulseEnded, false, "The link was lost during the pulse."});
        }
        polls_.clear();
        lastStatus_ = lastPower_ = {};
        if (tavo && rateOwed_ && !programRunning())
            sendLocked();
    }
    post({Event::Kind::MountChanged, true, {}});
}

} // namespace JEX
