// Time of the three mount operations a user waits for, against the simulated mount on
// loopback UDP with a fixed round-trip latency: the connect sequence (link opened to
// syncOnConnect done), a program start and a Wi-Fi settings write. Each is bound below by
// its exchanges on the wire times the latency; the ratio measured / limit is the cost of
// everything else (sockets, threads, encoding), target at most 1.05.
//
//   bench_connect [--delay MS] [--runs N]     latency per exchange (20), runs (5)
//
// Prints each run's figures and, per operation, the medians over the runs.

#include "ConnectionSettings.h"
#include "DeviceFactories.h"
#include "Location.h"
#include "MotorController.h"
#include "QtKVStore.h"
#include "TAVOFactory.h"
#include "TAVOParamMemory.h"
#include "TAVOSettings.h"
#include "TAVOTaskState.h"
#include "UdpServer.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace JEX;
using Steady = std::chrono::steady_clock;

namespace {

struct Figure {
    size_t exchanges = 0;
    double limitMs = 0;
    double measuredMs = 0;
    double ratio() const { return limitMs > 0 ? measuredMs / limitMs : 0; }
};

const char* const kOperations[] = {"connect sequence", "program start", "Wi-Fi write"};

// Runs op and counts the exchanges the simulator saw meanwhile; false when op failed.
bool timed(Sim::MotorController& sim, int delayMs, Figure& figure,
           const std::function<bool()>& op) {
    const size_t before = sim.transcript()->size();
    const auto start = Steady::now();
    const bool ok = op();
    figure.measuredMs = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
    figure.exchanges = sim.transcript()->size() - before;
    figure.limitMs = double(figure.exchanges) * delayMs;
    return ok;
}

bool oneRun(int delayMs, Figure (&figures)[3]) {
    Sim::SimConfig config;
    config.faults.fixedDelayMs = delayMs;
    auto sim = std::make_shared<Sim::MotorController>(config);
    Sim::UdpServer server(sim);
    std::string error;
    if (!server.start("127.0.0.1", 0, &error)) {
        std::fprintf(stderr, "bench_connect: %s\n", error.c_str());
        return false;
    }
    auto settings = std::make_shared<ConnectionSettings>(nullptr, [] { return QStringList(); });
    settings->setReadTimeoutMs_other(std::max(200, 10 * delayMs));
    auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    UDPJexDeviceFactory devices(settings, tc, server.port());
    TAVOFactory factory(
        std::make_shared<CRealClock>(), std::make_shared<SleepWaitable>(),
        std::make_shared<TAVOTaskState>(),
        std::make_shared<TAVOSettings>(std::make_shared<QtKVStore>(QString(), nullptr)), tc, tc,
        std::make_shared<Location>(nullptr));
    const JexConverserEtal link = devices.create("127.0.0.1", "127.0.0.1", "");

    std::shared_ptr<ITAVO> tavo;
    if (!timed(*sim, delayMs, figures[0], [&] {
            tavo = factory.create(link.converser, link.device);
            return tavo->syncOnConnect().type == CmdRetType::Ok;
        }))
        return false;

    TAVOParamSet program;
    program.mode = TAVOMode_::E::AP;
    program.cycleSec = 30;
    program.exposureSec = 25;
    program.N_Cycles = 120;
    program.speedDps = 15.0 / 3600.0;
    program.ditheringEnabled = true;
    program.ditheringRangeDeg = 0.05;
    program.effectiveCycleSec = effectiveCycleSec(program);
    if (!timed(*sim, delayMs, figures[1],
               [&] { return tavo->programAutoMode(program).result().type == CmdRetType::Ok; }))
        return false;

    WifiSettings wifi;
    wifi.mode = WifiMode_::E::AP;
    wifi.AP_SEC = WifiSec_::E::WPA2_PSK;
    wifi.AP_SSID = "Velmora-Field";
    wifi.AP_pass = "starlight-42";
    return timed(*sim, delayMs, figures[2],
                 [&] { return tavo->writeWifiSettings(wifi).result().type == CmdRetType::Ok; });
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int usage() {
    std::fprintf(stderr, "usage: bench_connect [--delay MS (1..1000)] [--runs N (1..50)]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    registerMountMetaTypes();
    int delayMs = 20;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--delay") == 0 && hasValue)
            delayMs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--runs") == 0 && hasValue)
            runs = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (delayMs < 1 || delayMs > 1000 || runs < 1 || runs > 50)
        return usage();

    std::printf("simulated round trip: %d ms per exchange, loopback UDP, %d runs\n", delayMs, runs);
    std::vector<double> measured[3], ratios[3];
    size_t exchanges[3] = {};
    for (int r = 0; r < runs; ++r) {
        Figure figures[3];
        if (!oneRun(delayMs, figures)) {
            std::fprintf(stderr, "bench_connect: run %d: an operation failed\n", r + 1);
            return 1;
        }
        for (int k = 0; k < 3; ++k) {
            std::printf("run %d  %-17s exchanges %4zu  limit %8.1f ms  measured %8.1f ms  "
                        "ratio %.4f\n",
                        r + 1, kOperations[k], figures[k].exchanges, figures[k].limitMs,
                        figures[k].measuredMs, figures[k].ratio());
            measured[k].push_back(figures[k].measuredMs);
            ratios[k].push_back(figures[k].ratio());
            exchanges[k] = figures[k].exchanges;
        }
    }
    std::printf("medians of %d runs (target: ratio at most 1.05)\n", runs);
    bool met = true;
    for (int k = 0; k < 3; ++k) {
        const double ratio = median(ratios[k]);
        met = met && ratio <= 1.05;
        std::printf("  %-17s exchanges %4zu  limit %8.1f ms  measured %8.1f ms  ratio %.4f\n",
                    kOperations[k], exchanges[k], double(exchanges[k]) * delayMs,
                    median(measured[k]), ratio);
    }
    std::printf("%s\n", met ? "target met" : "target missed");
    return 0;
}
