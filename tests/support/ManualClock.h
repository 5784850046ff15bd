#pragma once
// A wall clock that shows whatever the test sets.

#include "IClock.h"

#include <atomic>
#include <cstdint>

namespace JEX::Test {

class ManualClock : public IClock {
public:
    explicit ManualClock(int64_t startMs = 0) : nowMs_(startMs) {}
    int64_t nowMs() const override { return nowMs_.load(); }
    void setMs(int64_t ms) { nowMs_.store(ms); }
    void advanceMs(int64_t deltaMs) { nowMs_.fetch_add(deltaMs); }

private:
    std::atomic<int64_t> nowMs_;
};

} // namespace JEX::Test
