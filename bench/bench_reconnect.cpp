// Outages of the link while the mount runs a program: the simulated mount on loopback UDP
// falls silent for a while (60 s by default) and comes back, over and over. For each outage
// the benchmark measures how long after the mount's return the console has the mount again,
// against the bound of 2 s plus the retry wait the console was in when the mount came back,
// and checks that the program still runs, that the photo count the console shows never goes
// back, and that nothing but the connection mark was written between loss and reconnect.
//
//   bench_reconnect [--outages N] [--outage-sec S] [--address 127.X.Y.Z]
//
// Prints one line per outage and the median ratio of reconnect time to bound; exits 1 when a
// check fails or the median is above 1.

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
#include "UDPConnectableHelper.h"
#include "UdpServer.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace JEX;
using Steady = std::chrono::steady_clock;

namespace {

// The link goes to a fixed address: nothing is ever broadcast.
class NoBroadcast : public IUDPBroadcaster {
public:
    using IUDPBroadcaster::broadcast;
    void broadcast(uint16_t, const std::vector<Bytes>&, const ReplyCallback&,
                   const StopPredicate&) override {}
    std::string interfaceReport() override { return {}; }
};

// Runs the event loop until done() or the deadline; false on the deadline.
bool spinUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = Steady::now() + limit;
    while (!done()) {
        if (Steady::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

double secondsSince(Steady::time_point t) {
    return std::chrono::duration<double>(Steady::now() - t).count();
}

// Writes among the requests: parameter-memory writes as "w ADDR=VV", axis commands that set
// something as their first three characters.
std::vector<std::string> writesIn(const std::vector<Bytes>& requests) {
    std::vector<std::string> out;
    for (size_t i = 0; i < requests.size(); ++i) {
        const std::string r(requests[i].begin(), requests[i].end());
        if (r.rfind(":C1", 0) == 0 && i + 1 < requests.size()) {
            const std::string next(requests[i + 1].begin(), requests[i + 1].end());
            if (next.rfind(":N1", 0) == 0 && r.size() >= 7 && next.size() >= 5) {
                out.push_back("w " + r.substr(5, 2) + r.substr(3, 2) + "=" + next.substr(3, 2));
                ++i;
            }
            continue;
        }
        if (r.size() >= 3 && r[0] == ':' && std::strchr("EFGHIJKLMSW", r[1]))
            out.push_back(r.substr(0, 3));
    }
    return out;
}

int usage() {
    std::fprintf(stderr,
                 "usage: bench_reconnect [--outages N] [--outage-sec S] [--address 127.X.Y.Z]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int outages = 20;
    double outageSec = 60;
    std::string address = "127.0.0.1";
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--outages") == 0 && hasValue)
            outages = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--outage-sec") == 0 && hasValue)
            outageSec = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--address") == 0 && hasValue)
            address = argv[++i];
        else
            return usage();
    }
    if (outages < 1 || outageSec < 0.1 || address.rfind("127.", 0) != 0)
        return usage();

    Sim::SimConfig config;
    config.identity = *Sim::presetIdentity("3.10-08");
    auto sim = std::make_shared<Sim::MotorController>(config);
    Sim::UdpServer server(sim);
    std::string error;
    if (!server.start(address, 0, &error)) {
        std::fprintf(stderr, "bench_reconnect: %s\n", error.c_str());
        return 1;
    }

    auto settings = std::make_shared<ConnectionSettings>(nullptr, [] { return QStringList(); });
    settings->setSearchIP(false);
    settings->setFixedIP(address);
    auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    auto helper = std::make_shared<UDPConnectableHelper>(
        settings, std::make_shared<NoBroadcast>(),
        std::make_shared<UDPJexDeviceFactory>(settings, tc, server.port()));
    auto session = std::make_shared<TryConnectSession>();
    auto conversers = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
    auto container = std::make_shared<TAVOContainer>();
    auto taskState = std::make_shared<TAVOTaskState>();
    auto factory = std::make_shared<TAVOFactory>(
        std::make_shared<CRealClock>(), std::make_shared<SleepWaitable>(), taskState,
        std::make_shared<TAVOSettings>(std::make_shared<QtKVStore>(QString(), nullptr)), tc, tc,
        std::make_shared<Location>(nullptr));
    auto connectable = std::make_shared<TAVOConnectable>(
        TAVOConnectable::D{helper, container, factory, session, conversers});
    auto connector = std::make_shared<TAVOConnector>(container, taskState);
    Reconnector reconnector({connectable, connector, container, conversers, taskState, {}, {}});

    connectable->startSession();
    if (!spinUntil([&] { return container->get() != nullptr; }, std::chrono::seconds(30))) {
        std::fprintf(stderr, "bench_reconnect: cannot connect to the simulated mount\n");
        return 1;
    }
    TAVOParamSet program;
    program.mode = TAVOMode_::E::AP;
    program.exposureSec = 0.5;
    program.cycleSec = 1;
    program.N_Cycles = 100000;
    if (container->get()->programAutoMode(program).result().type != CmdRetType::Ok) {
        std::fprintf(stderr, "bench_reconnect: the program did not start\n");
        return 1;
    }

    // As the progress dialog does: the status is read every second while there is a mount,
    // and the photo count the console holds may never go back.
    int shownPhotos = 0;
    bool wentBack = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (const std::shared_ptr<ITAVO> tavo = container->get())
            tavo->readStatus();
        if (const Nullable<TAVOStatus> s = taskState->status(); s.hasValue()) {
            wentBack = wentBack || s.value().numberOfPictureTaken < shownPhotos;
            shownPhotos = std::max(shownPhotos, s.value().numberOfPictureTaken);
        }
    });
    poll.start(1000);

    std::printf("bench_reconnect: %d outages of %.0f s, mount at %s:%u, program of 1 s photos\n",
                outages, outageSec, address.c_str(), unsigned(server.port()));
    std::vector<double> ratios;
    int failures = 0;
    for (int n = 1; n <= outages; ++n) {
        spinUntil([] { return false; }, std::chrono::seconds(3));
        sim->transcript()->clear();
        sim->setSilent(true);
        spinUntil([] { return false; }, std::chrono::milliseconds(int64_t(outageSec * 1000)));
        const bool lost = reconnector.active();
        const int stepMs = reconnector.retryStepMs();
        const auto back = Steady::now();
        sim->setSilent(false);
        const bool reconnected =
            spinUntil([&] { return container->get() != nullptr && !reconnector.active(); },
                      std::chrono::seconds(120));
        const double reconnectSec = secondsSince(back);
        const double boundSec = 2.0 + stepMs / 1000.0;
        std::vector<std::string> writes = writesIn(sim->transcript()->requests());
        // The status reads after the reconnect write nothing; the connection mark is the one
        // write of the way back.
        const bool onlyMark = writes == std::vector<std::string>{"w 006C=01"};
        const bool running = sim->memoryByte(0x00) == 1;
        const bool ok = lost && reconnected && onlyMark && running && !wentBack;
        failures += ok ? 0 : 1;
        ratios.push_back(reconnectSec / boundSec);
        std::string written;
        for (const std::string& w : writes)
            written += (written.empty() ? "" : " ") + w;
        std::printf("outage %2d: reconnected %.2f s after the mount came back (bound %.1f s, "
                    "ratio %.2f); writes: %s; program %s; photos shown %d%s\n",
                    n, reconnectSec, boundSec, reconnectSec / boundSec, written.c_str(),
                    running ? "running" : "NOT RUNNING", shownPhotos, ok ? "" : "  <-- FAILED");
        std::fflush(stdout);
    }
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios.size() % 2
                              ? ratios[ratios.size() / 2]
                              : (ratios[ratios.size() / 2 - 1] + ratios[ratios.size() / 2]) / 2;
    std::printf("reconnect time / bound: median %.2f, worst %.2f over %d outages; photo count "
                "never went back: %s; failed outages: %d\n",
                median, ratios.back(), outages, wentBack ? "no" : "yes", failures);
    return failures == 0 && median <= 1.0 ? 0 : 1;
}
