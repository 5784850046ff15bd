// CPU time spent while nobody does anything, as a share of one core over a stretch of wall
// time (user plus system time). The ratio printed is share / the mode's target.
//
//   bench_idle [--seconds N] [--controller | --console]
//     --seconds N     length of the measurement in seconds (30)
//     --controller    this process: the hand controller polls for game pads on SDL2 (none need
//                     be plugged in); target 1 % of one core
//     --console       the console beside this program, offscreen, showing its main menu,
//                     measured from its start-up's end; target 0.5 % of one core
//
// With no mode the process runs an empty event loop: the floor the modes are read against.

#include "HandleController.h"
#include "HandleControllerNative.h"
#include "SdlPadSource.h"

#include <QCoreApplication>
#include <QTimer>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace JEX;

namespace {

double ownCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// User plus system time of another process, from /proc.
double processCpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double ticks = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i >= 14)
            ticks += std::atof(field.c_str());
    return ticks / double(sysconf(_SC_CLK_TCK));
}

// What a mode keeps alive while it is measured and where its CPU time is read; empty when it
// could not be set up.
struct Running {
    std::shared_ptr<void> keep;
    std::function<double()> cpuSeconds = ownCpuSeconds;
    explicit operator bool() const { return keep != nullptr; }
};

Running controller() {
    auto native = std::make_shared<HandleControllerNative>(std::make_shared<SdlPadSource>());
    auto element = std::make_shared<HandleController>(native);
    if (!native->running()) {
        std::fprintf(stderr, "bench_idle: the hand controller did not start (see the log)\n");
        return {};
    }
    return Running{element};
}

std::string programDir;

// The console on the demo mount, offscreen, with a data folder of its own; measured once it
// has had a few seconds to start. The holder stops it.
Running console() {
    char dir[] = "/tmp/bench_idle-XXXXXX";
    if (!mkdtemp(dir))
        return {};
    std::ofstream(std::string(dir) + "/Settings.txt") << "{\"loc.use_sensor\": false}\n";
    setenv("VELMORA_DATA_DIR", dir, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string path = programDir + "velmora-console";
    char* args[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, args, environ) != 0) {
        std::fprintf(stderr, "bench_idle: cannot start %s\n", path.c_str());
        return {};
    }
    auto stop = std::shared_ptr<void>(nullptr, [pid, folder = std::string(dir)](void*) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::remove((folder + "/Settings.txt").c_str());
        rmdir(folder.c_str());
    });
    sleep(3);
    return Running{std::shared_ptr<void>(stop, reinterpret_cast<void*>(1)),
                   [pid] { return processCpuSeconds(pid); }};
}

struct Mode {
    const char* flag;
    const char* what;
    Running (*setUp)();
    double targetShare;
};

const Mode kModes[] = {
    {"--controller", "hand controller polling on SDL2", controller, 0.01},
    {"--console", "the console showing its main menu", console, 0.005},
};

int usage() {
    std::string flags;
    for (const Mode& m : kModes)
        flags += std::string(" [") + m.flag + "]";
    std::fprintf(stderr, "usage: bench_idle [--seconds N (1..3600)] [one of%s]\n", flags.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string self = argv[0];
    programDir = self.substr(0, self.rfind('/') + 1);
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

    if (modes.size() > 1)
        return usage();
    Running running{std::make_shared<int>(0)};
    std::string what = "empty event loop";
    double target = 0.01;
    if (!modes.empty()) {
        running = modes.front()->setUp();
        if (!running)
            return 1;
        what = modes.front()->what;
        target = modes.front()->targetShare;
    }

    const double cpuStart = running.cpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = running.cpuSeconds() - cpuStart;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    running = {};

    const double share = cpu / wall;
    std::printf("idle: %s\n", what.c_str());
    std::printf("wall %.1f s, CPU %.3f s (user + system)\n", wall, cpu);
    std::printf("share of one core: %.3f %%\n", share * 100);
    std::printf("ratio to the %.1f %% target: %.3f\n", target * 100, share / target);
    return 0;
}
