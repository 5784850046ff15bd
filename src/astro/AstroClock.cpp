#include "IAstroClock.h"

#include <utility>

namespace JEX {

namespace {
constexpr double kJulianDateOfUnixEpoch = 2440587.5;
}

AstroClock::AstroClock(std::shared_ptr<IClock> clock) : clock_(std::move(clock)) {}

int64_t AstroClock::nowMs() const {
    return clock_->nowMs();
}

double AstroClock::julianDate() const {
    return static_cast<double>(nowMs()) / 1000.0 / 86400.0 + kJulianDateOfUnixEpoch;
}

int64_t AstroClock::unixSeconds() const {
    return nowMs() / 1000;
}

} // namespace JEX
