// The simulator's command parser (the model with the extended commands), which anyone on the
// network may address, fed any bytes cut into requests after each CR, with its clock moving a
// quarter second between them: every request is answered at once and once, with silence, '='
// and upper-case hex digits, or '!' and one error digit, each reply ended by its only CR.

#include "FuzzSupport.h"
#include "MotorController.h"

#include <algorithm>
#include <memory>

using namespace JEX;

namespace {

constexpr int kMaxRequests = 64;

bool hexDigit(uint8_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Sim::Identity identity = *Sim::presetIdentity("3.39-80");
    auto clock = std::make_shared<Sim::ManualClock>();
    // No faults: every answer comes straight from the parser.
    Sim::MotorController mount(Sim::SimConfig{identity, {}, {}, 1}, clock);
    const uint8_t* const end = data + size;
    for (int n = 0; n < kMaxRequests && data < end; ++n) {
        const uint8_t* cr = std::find(data, end, uint8_t('\r'));
        const Bytes request(data, cr == end ? end : cr + 1);
        data += request.size();
        const Sim::Response r = mount.handle(request);
        clock->advanceSec(0.25);

        FUZZ_CHECK(r.delay.count() == 0 && r.copies == 1, "[%s] answered after %lld ms, %d times",
                   Fuzz::text(request).c_str(), static_cast<long long>(r.delay.count()), r.copies);
        if (!r.reply || r.reply->empty())
            continue;
        const Bytes& reply = *r.reply;
        const std::string shown = Fuzz::text(reply);
        FUZZ_CHECK(reply.size() >= 2 && reply.back() == '\r' &&
                       (reply.front() == '=' || reply.front() == '!'),
                   "[%s] answered [%s]", Fuzz::text(request).c_str(), shown.c_str());
        const bool wellFormed = reply.front() == '='
                                    ? std::all_of(reply.begin() + 1, reply.end() - 1, hexDigit)
                                    : reply.size() == 3 && reply[1] >= '0' && reply[1] <= '9';
        FUZZ_CHECK(wellFormed, "[%s] answered [%s]", Fuzz::text(request).c_str(), shown.c_str());
    }
    return 0;
}
