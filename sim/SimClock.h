#pragma once
// The controller's own time in seconds. The scaled clock runs a chosen number of times
// faster than the wall clock (a 30 s photo cycle in 30 ms at scale 1000); the manual clock
// only moves when a test moves it.

#include <chrono>
#include <mutex>

namespace JEX::Sim {

class ISimClock {
public:
    virtual ~ISimClock() = default;
    virtual double nowSec() const = 0;
};

class ScaledClock : public ISimClock {
public:
    explicit ScaledClock(double scale = 1.0);
    double nowSec() const override;
    double scale() const;
    // Changes the rate from now on; controller time already passed stays as it was.
    void setScale(double scale);

private:
    using Steady = std::chrono::steady_clock;
    double simAt(Steady::time_point when) const;

    mutable std::mutex mutex_;
    Steady::time_point baseReal_;
    double baseSim_ = 0.0;
    double scale_;
};

class ManualClock : public ISimClock {
public:
    double nowSec() const override;
    void advanceSec(double seconds);
    void setSec(double seconds);

private:
    mutable std::mutex mutex_;
    double now_ = 0.0;
};

} // namespace JEX::Sim
