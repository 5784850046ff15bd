#pragma once
// The last known position of each axis with the time it was read, shared by the axis and
// everyone who shows or waits on positions.

#include "CallbackList.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace JEX {

struct AxisPosition {
    double angle = 0.0; // radians
    int64_t timeMs = 0; // clock time of the reading
};

class MountAxisTimeContainer {
public:
    AxisPosition get(uint32_t axis) const;
    // Stores the record and raises the list.
    void set(uint32_t axis, AxisPosition position);
    // Stores both records, then raises the list once.
    void setBoth(AxisPosition first, AxisPosition second);

    CallbackList<void()> changedList;

private:
    // A lock held for a handful of instructions; waiters back off 1, 2, 4 ... 64 spins.
    class SpinLock {
    public:
        void lock() const;
        void unlock() const { flag_.clear(std::memory_order_release); }

    private:
        mutable std::atomic_flag flag_ = ATOMIC_FLAG_INIT;
    };

    struct Slot {
        SpinLock lock;
        AxisPosition position;
    };
    static size_t index(uint32_t axis) { return axis == 0 ? 0 : 1; }
    std::array<Slot, 2> slots_;
};

} // namespace JEX
