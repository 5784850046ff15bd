#pragma once
// The wall clock: milliseconds since 1970-01-01T00:00:00 UTC.

#include <cstdint>

namespace JEX {

class IClock {
public:
    virtual ~IClock() = default;
    virtual int64_t nowMs() const = 0;
};

// The system real-time clock, truncated toward zero to whole milliseconds.
class CRealClock : public IClock {
public:
    int64_t nowMs() const override;
};

} // namespace JEX
