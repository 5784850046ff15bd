#pragma once
// Astronomical time scales of a wall clock.

#include "IClock.h"

#include <cstdint>
#include <memory>

namespace JEX {

class IAstroClock {
public:
    virtual ~IAstroClock() = default;
    virtual int64_t nowMs() const = 0;
    virtual double julianDate() const = 0;
    // Whole seconds since the Unix epoch, truncated toward zero (as the C library's
    // local-time conversion takes them).
    virtual int64_t unixSeconds() const = 0;
};

class AstroClock : public IAstroClock {
public:
    explicit AstroClock(std::shared_ptr<IClock> clock);

    int64_t nowMs() const override;
    double julianDate() const override;
    int64_t unixSeconds() const override;

private:
    std::shared_ptr<IClock> clock_;
};

} // namespace JEX
