#include "SimClock.h"

namespace JEX::Sim {

namespace {
// A zero or negative rate would freeze or reverse time, which no controller does.
double saneScale(double scale) {
    return scale > 0.0 ? scale : 1.0;
}
} // namespace

ScaledClock::ScaledClock(double scale) : baseReal_(Steady::now()), scale_(saneScale(scale)) {}

double ScaledClock::simAt(Steady::time_point when) const {
    const std::chrono::duration<double> real = when - baseReal_;
    return baseSim_ + real.count() * scale_;
}

double ScaledClock::nowSec() const {
    std::lock_guard lock(mutex_);
    return simAt(Steady::now());
}

double ScaledClock::scale() const {
    std::lock_guard lock(mutex_);
    return scale_;
}

void ScaledClock::setScale(double scale) {
    std::lock_guard lock(mutex_);
    const auto now = Steady::now();
    baseSim_ = simAt(now);
    baseReal_ = now;
    scale_ = saneScale(scale);
}

double ManualClock::nowSec() const {
    std::lock_guard lock(mutex_);
    return now_;
}

void ManualClock::advanceSec(double seconds) {
    std::lock_guard lock(mutex_);
    if (seconds > 0)
        now_ += seconds;
}

void ManualClock::setSec(double seconds) {
    std::lock_guard lock(mutex_);
    if (seconds > now_)
        now_ = seconds;
}

} // namespace JEX::Sim
