// CPU time the process spends while nobody does anything, as a share of one core over a
// stretch of wall time (user plus system time from getrusage). Target: at most 1 % of one
// core; the ratio printed is share / 1 %.
//
//   bench_idle [--seconds N] [--controller]
//     --seconds N     length of the measurement in seconds (30)
//     --controller    the hand controller polls for game pads on SDL2 (none need be plugged in)
//
// With no mode the process runs an empty event loop: the floor the modes are read against.

#include "HandleController.h"
#include "HandleControllerNative.h"
#include "SdlPadSource.h"

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace JEX;

namespace {

constexpr double kTargetShare = 0.01;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// What a mode keeps alive while it is measured; empty when it could not be set up.
using Running = std::shared_ptr<void>;

Running controller() {
    auto native = std::make_shared<HandleControllerNative>(std::make_shared<SdlPadSource>());
    auto element = std::make_shared<HandleController>(native);
    if (!native->running()) {
        std::fprintf(stderr, "bench_idle: the hand controller did not start (see the log)\n");
        return {};
    }
    return element;
}

struct Mode {
    const char* flag;
    const char* what;
    Running (*setUp)();
};

const Mode kModes[] = {
    {"--controller", "hand controller polling on SDL2", controller},
};

int usage() {
    std::string flags;
    for (const Mode& m : kModes)
        flags += std::string(" [") + m.flag + "]";
    std::fprintf(stderr, "usage: bench_idle [--seconds N (1..3600)]%s\n", flags.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int seconds = 30;
    std::vector<const Mode*> modes;
    for (int i = 1; i < argc; ++i) {
        const Mode* mode = nullptr;
        for (const Mode& m : kModes) {
            if (std::strcmp(argv[i], m.flag) == 0)
                mode = &m;
        }
        if (mode)
            modes.push_back(mode);
        else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (seconds < 1 || seconds > 3600)
        return usage();

    std::vector<Running> running;
    std::string what;
    for (const Mode* m : modes) {
        Running r = m->setUp();
        if (!r)
            return 1;
        running.push_back(std::move(r));
        what += (what.empty() ? "" : ", ") + std::string(m->what);
    }
    if (what.empty())
        what = "empty event loop";

    const double cpuStart = cpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpuStart;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    running.clear();

    const double share = cpu / wall;
    std::printf("idle: %s\n", what.c_str());
    std::printf("wall %.1f s, CPU %.3f s (user + system)\n", wall, cpu);
    std::printf("share of one core: %.3f %%\n", share * 100);
    std::printf("ratio to the 1 %% target: %.3f\n", share / kTargetShare);
    return 0;
}
