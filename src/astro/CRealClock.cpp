#include "IClock.h"

#include <chrono>

namespace JEX {

int64_t CRealClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace JEX
