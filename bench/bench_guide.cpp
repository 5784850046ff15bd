// Guide pulses through the INDI driver's device, composed as the driver composes it, against
// the simulated mount on loopback UDP with a fixed reply delay: tracking at the sidereal rate,
// then pulses of 100 to 1000 ms west and east in a seeded random order with short random gaps.
// Each pulse's length on the mount's side is the time between the rate change that starts it
// and the one that ends it, as the simulator's transcript has them; a pulse must be exactly
// these two exchanges of axis 1's step period, with nothing else on the link between them.
// The device is polled every second and the reconnector keeps no link alive by itself, as in
// the driver; --keep-alive-ms gives the reconnector a keep-alive period all the same.
//
//   bench_guide [--pulses N] [--rtt-ms MS] [--seed N] [--address 127.X.Y.Z]
//               [--keep-alive-ms MS]
//
// Prints the median and 95th percentile of |measured - requested| as a multiple of the round
// trip against the goal (median at most 0.5, 95th percentile at most 1.0); exits 1 when the
// goal is missed or a check fails.

#include "AstroCalc.h"
#include "Cancellation.h"
#include "ConnectionSettings.h"
#include "DeviceFactories.h"
#include "IClock.h"
#include "Location.h"
#include "MotorController.h"
#include "QtKVStore.h"
#include "Reconnector.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOFactory.h"
#include "TAVOSettings.h"
#include "TAVOTaskState.h"
#include "TrackerDevice.h"
#include "UDPConnectableHelper.h"
#include "UdpServer.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace JEX;
using Steady = std::chrono::steady_clock;
using Direction = TrackerDevice::Direction;

namespace {

// The link goes to a fixed address; a broadcast would be counted here, never sent.
class CountingBroadcaster : public IUDPBroadcaster {
public:
    using IUDPBroadcaster::broadcast;
    void broadcast(uint16_t, const std::vector<Bytes>&, const ReplyCallback&,
                   const StopPredicate&) override {
        ++calls;
    }
    std::string interfaceReport() override { return {}; }
    std::atomic<int> calls{0};
};

// Woken by the device when it has events; the event loop runs in between.
class Waiter {
public:
    void wake() {
        {
            std::lock_guard lock(mutex_);
            woken_ = true;
        }
        cv_.notify_all();
    }
    // Called while waiting, as the driver's loop would run its timers.
    std::function<void()> idle;

    // Runs the event loop until done() or the time limit; false on the limit.
    bool until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto end = Steady::now() + limit;
        for (;;) {
            QCoreApplication::processEvents();
            if (idle)
                idle();
            if (done())
                return true;
            if (Steady::now() >= end)
                return false;
            std::unique_lock lock(mutex_);
            cv_.wait_for(lock, std::chrono::milliseconds(5), [this] { return woken_; });
            woken_ = false;
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool woken_ = false;
};

std::string text(const Bytes& b) {
    std::string s(b.begin(), b.end());
    if (!s.empty() && s.back() == '\r')
        s.pop_back();
    return s;
}

// Axis 1's commands that change what it does (goto, rate, start, stop, position).
bool setsAxis1(const Sim::Exchange& e) {
    const std::string r = text(e.request);
    return r.size() >= 3 && r[0] == ':' && std::strchr("EGHIJKLMS", r[1]) && r[2] == '1';
}

// The step period an 'I' command carries: six hex digits, least significant byte first.
std::optional<uint32_t> periodOf(const Sim::Exchange& e) {
    const std::string r = text(e.request);
    if (r.size() != 9 || r.rfind(":I1", 0) != 0)
        return std::nullopt;
    uint32_t value = 0;
    for (int i = 2; i >= 0; --i) {
        const std::string pair = r.substr(3 + 2 * size_t(i), 2);
        char* end = nullptr;
        const unsigned long byte = std::strtoul(pair.c_str(), &end, 16);
        if (end != pair.c_str() + 2)
            return std::nullopt;
        value = value << 8 | uint32_t(byte);
    }
    return value;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(p * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

int usage() {
    std::fprintf(stderr, "usage: bench_guide [--pulses N] [--rtt-ms MS (1..150)] [--seed N] "
                         "[--address 127.X.Y.Z] [--keep-alive-ms MS]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int pulses = 200;
    int rttMs = 20;
    uint64_t seed = 1;
    std::string address = "127.0.0.61";
    Reconnector::Timing timing;
    timing.keepAliveMs = TrackerDevice::kReconnectKeepAliveMs;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--pulses") == 0 && hasValue)
            pulses = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--rtt-ms") == 0 && hasValue)
            rttMs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--seed") == 0 && hasValue)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--address") == 0 && hasValue)
            address = argv[++i];
        else if (std::strcmp(argv[i], "--keep-alive-ms") == 0 && hasValue)
            timing.keepAliveMs = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (pulses < 1 || rttMs < 1 || rttMs > 150 || timing.keepAliveMs < 1 ||
        address.rfind("127.", 0) != 0)
        return usage();

    Sim::SimConfig config;
    config.identity = *Sim::presetIdentity("3.10-08");
    config.faults.fixedDelayMs = rttMs;
    auto sim = std::make_shared<Sim::MotorController>(config);
    Sim::UdpServer server(sim);
    std::string error;
    if (!server.start(address, 0, &error)) {
        std::fprintf(stderr, "bench_guide: %s\n", error.c_str());
        return 1;
    }

    // The objects MountStack makes for a UDP link, with a broadcaster that only counts; the
    // reconnector and the device as the driver has them.
    auto settings = std::make_shared<ConnectionSettings>(nullptr, [] { return QStringList(); });
    settings->setType(ConnectionType_::E::UDP);
    settings->setSearchIP(false);
    settings->setFixedIP(address);
    auto broadcaster = std::make_shared<CountingBroadcaster>();
    auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    auto helper = std::make_shared<UDPConnectableHelper>(
        settings, broadcaster, std::make_shared<UDPJexDeviceFactory>(settings, tc, server.port()));
    auto session = std::make_shared<TryConnectSession>();
    auto conversers = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
    auto container = std::make_shared<TAVOContainer>();
    auto taskState = std::make_shared<TAVOTaskState>();
    auto location = std::make_shared<Location>(nullptr);
    auto clock = std::make_shared<CRealClock>();
    auto factory = std::make_shared<TAVOFactory>(
        clock, std::make_shared<SleepWaitable>(), taskState,
        std::make_shared<TAVOSettings>(std::make_shared<QtKVStore>(QString(), nullptr)), tc, tc,
        location);
    auto connectable = std::make_shared<TAVOConnectable>(
        TAVOConnectable::D{helper, container, factory, session, conversers});
    auto connector = std::make_shared<TAVOConnector>(container, taskState);
    Reconnector reconnector({connectable, connector, container, conversers, taskState, {}, timing});
    Waiter waiter;
    TrackerDevice device(
        TrackerDevice::D{container, taskState, location,
                         std::make_shared<AstroCalc>(location, std::make_shared<AstroClock>(clock)),
                         [&waiter] { waiter.wake(); }});

    // The driver polls the device at its polling period, one second by default.
    auto lastPoll = Steady::now();
    waiter.idle = [&] {
        if (Steady::now() - lastPoll >= std::chrono::seconds(1)) {
            lastPoll = Steady::now();
            device.poll();
        }
    };
    connectable->startSession();
    if (!waiter.until([&] { return container->get() != nullptr; }, std::chrono::seconds(30))) {
        std::fprintf(stderr, "bench_guide: cannot connect to the simulated mount\n");
        return 1;
    }
    if (const TrackerDevice::Outcome r = device.setTracking(true); !r.ok) {
        std::fprintf(stderr, "bench_guide: tracking refused: %s\n", r.message.c_str());
        return 1;
    }
    uint32_t trackingPeriod = 0;
    if (!waiter.until(
            [&] {
                const Sim::AxisSnapshot a = sim->axis(0);
                trackingPeriod = a.periodTicks;
                return a.running && !a.gotoMode && !a.backward;
            },
            std::chrono::seconds(30))) {
        std::fprintf(stderr, "bench_guide: the axis did not start tracking\n");
        return 1;
    }

    std::printf("bench_guide: %d pulses of 100-1000 ms, round trip %d ms, mount at %s:%u, "
                "seed %llu, status read every %d ms, tracking period %u ticks\n",
                pulses, rttMs, address.c_str(), unsigned(server.port()),
                static_cast<unsigned long long>(seed), timing.keepAliveMs, trackingPeriod);
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<uint32_t> lengthMs(100, 1000);
    std::uniform_int_distribution<int> gapMs(50, 300);
    std::bernoulli_distribution west(0.5);
    std::vector<double> errors;
    int failed = 0;
    const auto fail = [&](int n, const std::string& why, const std::vector<Sim::Exchange>& seen) {
        ++failed;
        if (failed > 10)
            return;
        std::string wire;
        for (const Sim::Exchange& e : seen)
            wire += " " + text(e.request) + "@" + std::to_string(e.unixMs - seen.front().unixMs);
        wire += seen.empty() ? "" : " (ms after the first)";
        std::fprintf(stderr, "pulse %d: %s; exchanges:%s\n", n, why.c_str(), wire.c_str());
    };
    for (int n = 1; n <= pulses; ++n) {
        const std::optional<Sim::Exchange> last = sim->transcript()->last();
        const uint64_t before = last ? last->seq : 0;
        const Direction direction = west(random) ? Direction::West : Direction::East;
        const uint32_t ms = lengthMs(random);
        const int gap = gapMs(random);
        if (const TrackerDevice::Outcome r = device.guide(direction, ms); !r.ok) {
            fail(n, "refused: " + r.message, {});
            continue;
        }
        std::optional<TrackerDevice::Event> ended;
        const bool reported = waiter.until(
            [&] {
                for (const TrackerDevice::Event& e : device.takeEvents())
                    if (e.kind == TrackerDevice::Event::Kind::PulseEnded)
                        ended = e;
                return ended.has_value();
            },
            std::chrono::milliseconds(ms) + std::chrono::seconds(10));
        std::vector<Sim::Exchange> seen;
        for (const Sim::Exchange& e : sim->transcript()->entries())
            if (e.seq > before)
                seen.push_back(e);
        if (!reported || !ended->ok) {
            fail(n, reported ? "ended with: " + ended->message : "its end was not reported", seen);
            continue;
        }
        std::vector<size_t> sets;
        for (size_t i = 0; i < seen.size(); ++i)
            if (setsAxis1(seen[i]))
                sets.push_back(i);
        if (sets.size() != 2 || !periodOf(seen[sets[0]]) || !periodOf(seen[sets[1]])) {
            fail(n, "not two rate changes of axis 1", seen);
            continue;
        }
        if (sets[1] != sets[0] + 1) {
            fail(n, "other exchanges between its start and its end", seen);
            continue;
        }
        // West runs the axis at 1.5 times the tracking rate, east at 0.5 times: the period is
        // the tracking period over that factor, to the period's rounding.
        const double factor = direction == Direction::West ? 1.5 : 0.5;
        const double expected = trackingPeriod / factor;
        if (std::abs(*periodOf(seen[sets[0]]) - expected) > 1.0 ||
            *periodOf(seen[sets[1]]) != trackingPeriod) {
            fail(n, "wrong step periods", seen);
            continue;
        }
        const double measured = double(seen[sets[1]].unixMs - seen[sets[0]].unixMs);
        errors.push_back(std::abs(measured - ms) / rttMs);
        waiter.until([] { return false; }, std::chrono::milliseconds(gap));
    }

    const bool tracking = sim->axis(0).running && sim->axis(0).periodTicks == trackingPeriod;
    if (!tracking) {
        ++failed;
        std::fprintf(stderr, "bench_guide: the axis is not back at the tracking rate\n");
    }
    if (broadcaster->calls > 0) {
        ++failed;
        std::fprintf(stderr, "bench_guide: %d broadcasts were asked for\n",
                     broadcaster->calls.load());
    }
    if (errors.empty()) {
        std::printf("no pulse could be measured; failed checks: %d\ngoal missed\n", failed);
        return 1;
    }
    const double median = percentile(errors, 0.5);
    const double p95 = percentile(errors, 0.95);
    const double worst = percentile(errors, 1.0);
    std::printf("|measured - requested| / round trip over %zu pulses: median %.2f, 95th "
                "percentile %.2f, worst %.2f (goal: median <= 0.5, 95th percentile <= 1.0); "
                "failed checks: %d; broadcasts: %d\n",
                errors.size(), median, p95, worst, failed, broadcaster->calls.load());
    const bool met = failed == 0 && median <= 0.5 && p95 <= 1.0;
    std::printf("%s\n", met ? "goal met" : "goal missed");
    return met ? 0 : 1;
}
