#include "MountAxisTimeContainer.h"

#include <thread>

namespace JEX {

void MountAxisTimeContainer::SpinLock::lock() const {
    int spins = 1;
    while (flag_.test_and_set(std::memory_order_acquire)) {
        for (int i = 0; i < spins; ++i)
            std::this_thread::yield();
        if (spins < 64)
            spins *= 2;
    }
}

AxisPosition MountAxisTimeContainer::get(uint32_t axis) const {
    const Slot& slot = slots_[index(axis)];
    slot.lock.lock();
    const AxisPosition position = slot.position;
    slot.lock.unlock();
    return position;
}

void MountAxisTimeContainer::set(uint32_t axis, AxisPosition position) {
    Slot& slot = slots_[index(axis)];
    slot.lock.lock();
    slot.position = position;
    slot.lock.unlock();
    changedList();
}

void MountAxisTimeContainer::setBoth(AxisPosition first, AxisPosition second) {
    for (uint32_t axis : {0u, 1u}) {
        Slot& slot = slots_[axis];
        slot.lock.lock();
        slot.position = axis == 0 ? first : second;
        slot.lock.unlock();
    }
    changedList();
}

} // namespace JEX
