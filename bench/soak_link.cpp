// Fault soak of the link: mixed mount operations through the mount object against the
// simulated mount on loopback UDP with seeded faults. After every operation that reported
// success the simulator's memory must hold exactly what was written (and a read must give
// what the memory holds); a program start that reported success must have started the
// program exactly once, and no start or Wi-Fi write may act twice; a failed start that says
// the mount runs no new program must not have started one; every failure must come within
// (resends + 1) × time-out of its failing exchange; the first operation after a silent spell
// must succeed.
//
//   soak_link [--profile wifi|harsh|harsh-starts] [--seed N] [--ops N] [--timeout MS]
//             [--quick] [--address 127.X.Y.Z] [--transcript FILE]
//
// wifi: 5 % request loss, 5 % reply loss, 2 % late, 2 % garbage, 2 % duplicates, one
// 3-second silent spell per 100 operations (the mount falls silent as an operation begins
// and answers again 3 s later, whatever runs), the console's default time-out and resends.
// harsh: 20 % request loss, 20 % reply loss, 5 % late, 5 % garbage, 5 % duplicates, 8
// resends. harsh-starts: the faults of harsh at the console's defaults, program starts
// only. --timeout sets another reply time-out (the console's default is 200 ms; a shorter
// one lets the harsh profile finish sooner on loopback); --quick shortens the silent spells
// to 0.3 s; --address puts the simulator and the link on another loopback address (default
// 127.0.0.1), so that soaks run side by side never see each other's late replies (the link
// takes any datagram from the mount's address); --transcript writes the simulator's
// transcript as JSON lines (the fuzz targets' seed corpora come from it). Exits 1 when a
// check fails.
//
// The bound allows 5 ms for the waiting thread to be woken once. On a machine kept busy by
// other work the scheduler may wake it a tick or two late (4 ms ticks); run the soak with
// real-time priority there (`chrt -f 10 soak_link ...`) so that the bound measures the link.

#include "Cancellation.h"
#include "ConnectionSettings.h"
#include "IClock.h"
#include "IEEPROMConverser.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "Location.h"
#include "MotorController.h"
#include "PosixUdp.h"
#include "QtKVStore.h"
#include "SLConverser.h"
#include "TAVOFactory.h"
#include "TAVOParamMemory.h"
#include "TAVOSettings.h"
#include "TAVOTaskState.h"
#include "UDPConverser.h"
#include "UdpServer.h"

#include <QCoreApplication>

#include <QVariantMap>
#include <arpa/inet.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace JEX;
using Steady = std::chrono::steady_clock;

namespace {

struct Profile {
    const char* name;
    Sim::Faults faults;
    std::optional<int> resends; // empty: the console's default
    bool silentSpells;
    bool startsOnly;
    double needed; // the share of verified operations a pass needs
};

Profile profileOf(const std::string& name) {
    Sim::Faults f;
    if (name == "wifi") {
        f.requestLoss = 0.05;
        f.replyLoss = 0.05;
        f.late = 0.02;
        f.garbage = 0.02;
        f.duplicate = 0.02;
        return {"wifi", f, std::nullopt, true, false, 0.995};
    }
    f.requestLoss = 0.20;
    f.replyLoss = 0.20;
    f.late = 0.05;
    f.garbage = 0.05;
    f.duplicate = 0.05;
    if (name == "harsh-starts")
        return {"harsh-starts", f, std::nullopt, false, true, 0.95};
    return {"harsh", f, 8, false, false, 0.50};
}

// Times every exchange the raw converser carries, with its outcome.
class TimedRaw : public IConverserRaw {
public:
    struct Exchange {
        double ms;
        CmdRetType type;
    };
    explicit TimedRaw(std::shared_ptr<IConverserRaw> inner) : inner_(std::move(inner)) {}
    CmdResp<Bytes> converse(const Bytes& request) override {
        const auto start = Steady::now();
        CmdResp<Bytes> r = inner_->converse(request);
        record(start, r.type);
        return r;
    }
    CmdResp<Bytes> converseOnce(const Bytes& request) override {
        const auto start = Steady::now();
        CmdResp<Bytes> r = inner_->converseOnce(request);
        record(start, r.type);
        return r;
    }
    std::vector<Exchange> take() {
        std::lock_guard lock(mutex_);
        return std::exchange(exchanges_, {});
    }

private:
    void record(Steady::time_point start, CmdRetType type) {
        const double ms = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
        std::lock_guard lock(mutex_);
        exchanges_.push_back({ms, type});
    }

    std::shared_ptr<IConverserRaw> inner_;
    std::mutex mutex_;
    std::vector<Exchange> exchanges_;
};

// The bytes a program write means to leave in the parameter memory, recorded from the same
// encoding the mount object uses, without a link.
class RecordingMemory : public IEEPROMConverser {
public:
    std::map<uint16_t, uint8_t> bytes;
    CmdResp<uint8_t> readByte(uint16_t) override { return uint8_t(0); }
    CmdResp<uint16_t> readU16(uint16_t) override { return uint16_t(0); }
    CmdResp<uint32_t> readU32(uint16_t) override { return uint32_t(0); }
    CmdRetType writeByte(uint16_t a, uint8_t v) override {
        bytes[a] = v;
        return CmdRetType::Ok;
    }
    OnceWrite writeByteOnce(uint16_t a, uint8_t v) override { return {writeByte(a, v), true}; }
    CmdRetType writeU32(uint16_t a, uint32_t v) override {
        for (int i = 0; i < 4; ++i)
            bytes[uint16_t(a + i)] = uint8_t(v >> (8 * i));
        return CmdRetType::Ok;
    }
    CmdResp<std::string> readString(uint16_t, uint16_t) override { return std::string(); }
    CmdRetType writeString(uint16_t a, uint16_t max, const std::string& text) override {
        for (size_t i = 0; i < text.size(); ++i)
            bytes[uint16_t(a + i)] = uint8_t(text[i]);
        if (text.size() < max)
            bytes[uint16_t(a + text.size())] = 0;
        return CmdRetType::Ok;
    }
};

class FixedClock : public IClock {
public:
    int64_t nowMs() const override { return 0; }
};

enum Op {
    ProgramAP,
    ProgramReg,
    ProgramLong,
    ProgramATL,
    Stop,
    Status,
    Power,
    Wifi,
    Timer,
    AutoRunRead,
    OpCount
};
const char* const kOpNames[] = {"program AP", "program Reg",  "program Long", "program ATL",
                                "stop",       "status",       "power",        "Wi-Fi",
                                "timer",      "auto-run read"};
// Out of 100.
const int kOpWeights[] = {8, 8, 7, 7, 10, 12, 12, 12, 16, 8};

enum class Outcome { Verified, Failed, Wrong };

struct Result {
    Outcome outcome = Outcome::Failed;
    CmdRetType failure = CmdRetType::Other;
    std::string wrong; // what the memory or the read-back held instead
};

class Soak {
public:
    Soak(std::shared_ptr<Sim::MotorController> sim, std::shared_ptr<ITAVO> tavo,
         std::shared_ptr<IJexDevice> device, std::shared_ptr<ITAVOSettings> settings,
         std::shared_ptr<ITAVOTaskState> taskState, uint64_t seed)
        : sim_(std::move(sim)), tavo_(std::move(tavo)), device_(std::move(device)),
          settings_(std::move(settings)), taskState_(std::move(taskState)), rng_(seed * 7919 + 17) {
    }

    Op pick(bool startsOnly) {
        if (startsOnly)
            return Op(integer(ProgramAP, ProgramATL));
        int r = std::uniform_int_distribution<int>(0, 99)(rng_);
        for (int op = 0; op < OpCount; ++op) {
            if (r < kOpWeights[op])
                return Op(op);
            r -= kOpWeights[op];
        }
        return Status;
    }

    Result run(Op op) {
        switch (op) {
        case ProgramAP:
        case ProgramReg:
        case ProgramLong:
        case ProgramATL:
            return program(op);
        case Stop:
            return stop();
        case Status:
            return status();
        case Power:
            return power();
        case Wifi:
            return wifi();
        case Timer:
            return timer();
        case AutoRunRead:
            return autoRunRead();
        case OpCount:
            break;
        }
        return {};
    }

private:
    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
    int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    static Result verifiedOk() { return {Outcome::Verified, CmdRetType::Ok, {}}; }
    static Result failed(CmdRetType t) { return {Outcome::Failed, t, {}}; }
    static Result wrong(std::string what) {
        return {Outcome::Wrong, CmdRetType::Ok, std::move(what)};
    }

    TAVOParamSet randomProgram(Op op) {
        TAVOParamSet p;
        p.mode = op == ProgramAP     ? TAVOMode_::E::AP
                 : op == ProgramReg  ? TAVOMode_::E::Reg
                 : op == ProgramLong ? TAVOMode_::E::Long
                                     : TAVOMode_::E::ATL;
        p.clockwise = integer(0, 1) == 1;
        p.cycleSec = integer(2, 120);
        p.exposureSec = std::round(uniform(0.1, p.cycleSec - 1) * 10) / 10;
        p.N_Cycles = integer(200, 5000);
        p.auxTimeSec = std::round(uniform(0, 1) * 100) / 100;
        p.speedDps = op == ProgramAP ? uniform(0.002, 0.006) : uniform(0.001, 0.5);
        p.cycleAngleDeg = op == ProgramAP ? 0 : uniform(0, 2);
        p.swingEnabled = op != ProgramAP && integer(0, 1) == 1;
        p.swingRangeDeg = p.swingEnabled ? integer(5, 180) : 0;
        p.ditheringEnabled = op == ProgramAP && integer(0, 1) == 1;
        p.ditheringRangeDeg = p.ditheringEnabled ? uniform(0.005, 0.1) : 0;
        p.effectiveCycleSec = effectiveCycleSec(p);
        return p;
    }

    Result program(Op op) {
        const TAVOParamSet p = randomProgram(op);
        RecordingMemory expected;
        FixedClock fixed;
        const bool wifiOff = settings_->wifiOffOnTaskStart();
        writeProgram(expected, *device_, fixed, p, wifiOff);
        const size_t startsBefore = sim_->eventCount("program-start");
        const int64_t before = CRealClock().nowMs();
        const CmdRet r = tavo_->programAutoMode(p).result();
        const int64_t after = CRealClock().nowMs();
        const size_t starts = sim_->eventCount("program-start") - startsBefore;
        if (starts > 1)
            return wrong(fmt("the program was started %zu times", starts));
        if (r.type != CmdRetType::Ok) {
            // Only a start left unconfirmed may have gone through.
            if (starts == 1 && !r.message.contains("did not confirm"))
                return wrong("started, but reported: " + r.message.toStdString());
            return failed(r.type);
        }
        if (starts == 0)
            return wrong("reported started, but the mount never started it");
        for (const auto& [address, value] : expected.bytes) {
            if (address == TAVOAddr::RequestedMode ||
                (address >= TAVOAddr::StartTime && address < TAVOAddr::StartTime + 4))
                continue;
            const uint8_t held = sim_->memoryByte(address);
            if (held != value)
                return wrong(
                    fmt("program byte %03X holds %02X, written %02X", address, held, value));
        }
        const uint32_t start = sim_->memoryU32(TAVOAddr::StartTime);
        if (uint32_t(start - uint32_t(before)) > uint32_t(after - before))
            return wrong(
                fmt("start time %u outside %u..%u", start, uint32_t(before), uint32_t(after)));
        const int8_t running = int8_t(sim_->memoryByte(TAVOAddr::RunningMode));
        if (running != int8_t(p.mode) || sim_->program().mode != int(p.mode))
            return wrong(fmt("running mode %d after starting %d", running, int(p.mode)));
        return verifiedOk();
    }

    Result stop() {
        const CmdRet r = tavo_->programManualMode().result();
        if (r.type != CmdRetType::Ok)
            return failed(r.type);
        if (const uint8_t running = sim_->memoryByte(TAVOAddr::RunningMode); running != 0)
            return wrong(fmt("running mode %d after stop", running));
        return verifiedOk();
    }

    Result status() {
        const uint8_t modeBefore = sim_->memoryByte(TAVOAddr::RunningMode);
        const CmdRet r = tavo_->readStatus().result();
        if (r.type != CmdRetType::Ok)
            return failed(r.type);
        // Nothing else changes the running mode while no operation runs.
        const uint8_t modeAfter = sim_->memoryByte(TAVOAddr::RunningMode);
        const Nullable<TAVOStatus> s = taskState_->status();
        const int mode = s.hasValue() ? int(s.value().mode) : -1;
        // A program may end by itself while the status is read.
        if (mode != int8_t(modeBefore) && mode != int8_t(modeAfter))
            return wrong(fmt("status read mode %d, memory holds %d", mode, modeAfter));
        return verifiedOk();
    }

    Result power() {
        const CmdRet r = tavo_->readPowerStatus().result();
        if (r.type != CmdRetType::Ok)
            return failed(r.type);
        const auto p = tavo_->lastPowerStatus().value<TAVOPowerStatus>();
        const int battery = int16_t(sim_->memoryU16(TAVOAddr::BatteryVolt));
        const int usb = int16_t(sim_->memoryU16(TAVOAddr::UsbVolt));
        if (std::lround(p.batteryVolt * 100) != battery || std::lround(p.usbVolt * 100) != usb)
            return wrong(fmt("power read %.2f V / %.2f V, memory holds %d / %d", p.batteryVolt,
                             p.usbVolt, battery, usb));
        return verifiedOk();
    }

    std::string randomText(int minLength, int maxLength) {
        static const char alphabet[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_ ";
        std::string s;
        const int n = integer(minLength, maxLength);
        for (int i = 0; i < n; ++i)
            s.push_back(alphabet[integer(0, int(sizeof alphabet) - 2)]);
        return s;
    }

    Result wifi() {
        WifiSettings w;
        // The access point keeps the link up: a station-only mode would take the simulated
        // mount off the network the soak talks over.
        w.mode = WifiMode_::E::AP;
        const WifiSec_::E secs[] = {WifiSec_::E::Open, WifiSec_::E::WPA_PSK, WifiSec_::E::WPA2_PSK,
                                    WifiSec_::E::WPA_WPA2_PSK};
        w.AP_SEC = secs[integer(0, 3)];
        w.AP_SSID = QString::fromStdString("Velmora-" + randomText(1, 24));
        if (w.AP_SEC != WifiSec_::E::Open)
            w.AP_pass = QString::fromStdString(randomText(8, 40));
        const size_t eventsBefore = sim_->events().size();
        const CmdRet r = tavo_->writeWifiSettings(w).result();
        // An apply whose reply was lost, found clear when read back, is sent again: the same
        // settings applied twice restart the Wi-Fi once more and leave it as asked.
        std::set<int64_t> applied;
        size_t applies = 0;
        const std::vector<Sim::SimEvent> events = sim_->events();
        for (size_t i = eventsBefore; i < events.size(); ++i)
            if (events[i].name == "wifi-apply") {
                ++applies;
                applied.insert(events[i].value);
            }
        if (applied.size() > 1)
            return wrong(fmt("%zu different Wi-Fi settings were applied", applied.size()));
        if (applies > 1)
            ++wifiReapplied;
        if (r.type != CmdRetType::Ok) {
            ++wifiFailures;
            if (r.message.contains("did not confirm"))
                ++wifiUnconfirmed;
            return failed(r.type);
        }
        if (applies == 0)
            return wrong("reported applied, but the mount never applied the Wi-Fi settings");
        if (sim_->memoryU32(TAVOAddr::WifiMode) != uint32_t(w.mode) ||
            sim_->memoryU32(TAVOAddr::WifiApSecurity) != uint32_t(w.AP_SEC))
            return wrong(fmt("Wi-Fi mode %08X security %08X", sim_->memoryU32(TAVOAddr::WifiMode),
                             sim_->memoryU32(TAVOAddr::WifiApSecurity)));
        const std::string ssid = sim_->memoryString(TAVOAddr::ApSsid, TAVOFieldLen::ApSsid);
        if (ssid != w.AP_SSID.toStdString())
            return wrong("access-point name '" + ssid + "', written '" + w.AP_SSID.toStdString() +
                         "'");
        if (w.AP_SEC != WifiSec_::E::Open) {
            const std::string pass = sim_->memoryString(TAVOAddr::ApPass, TAVOFieldLen::ApPass);
            if (pass != w.AP_pass.toStdString())
                return wrong("password '" + pass + "', written '" + w.AP_pass.toStdString() + "'");
        }
        const QVariantMap back = tavo_->readWifiSettings().result();
        const auto type = back.value("type").value<CmdRetType>();
        if (type != CmdRetType::Ok)
            return failed(type);
        const auto read = back.value("value").value<WifiSettings>();
        if (read.mode != w.mode || read.AP_SEC != w.AP_SEC || read.AP_SSID != w.AP_SSID ||
            (w.AP_SEC != WifiSec_::E::Open && read.AP_pass != w.AP_pass))
            return wrong("Wi-Fi read back as '" + read.AP_SSID.toStdString() + "'");
        return verifiedOk();
    }

    Result timer() {
        const int which = integer(0, 3);
        if (which == 3) {
            const bool on = integer(0, 1) == 1;
            const CmdRet r = tavo_->writePowerOnAutoPreviousTask(on).result();
            if (r.type != CmdRetType::Ok) {
                // The mount may have taken it and only the reply got lost.
                autoRun_.reset();
                return failed(r.type);
            }
            autoRun_ = on;
            if ((sim_->memoryByte(TAVOAddr::AutoRunPrevious) != 0) != on)
                return wrong(fmt("auto-run byte %02X, written %d",
                                 sim_->memoryByte(TAVOAddr::AutoRunPrevious), on));
            return autoRunRead();
        }
        const uint32_t seconds = uint32_t(integer(0, 7200));
        const uint16_t address = which == 0   ? TAVOAddr::WifiAutoOffSec
                                 : which == 1 ? TAVOAddr::LightAutoOffSec
                                              : TAVOAddr::AutoShutdownSec;
        const CmdRet r = (which == 0   ? tavo_->writeWifiTimeoutSec(seconds)
                          : which == 1 ? tavo_->writePolarSightLightTimeoutSec(seconds)
                                       : tavo_->writeAutoShutdownSec(seconds))
                             .result();
        if (r.type != CmdRetType::Ok)
            return failed(r.type);
        if (sim_->memoryU32(address) != seconds)
            return wrong(
                fmt("timer %03X holds %u, written %u", address, sim_->memoryU32(address), seconds));
        const QVariantMap back = (which == 0   ? tavo_->readWifiTimeoutSec()
                                  : which == 1 ? tavo_->readPolarSightLightTimeoutSec()
                                               : tavo_->readAutoShutdownSec())
                                     .result();
        const auto type = back.value("type").value<CmdRetType>();
        if (type != CmdRetType::Ok)
            return failed(type);
        if (back.value("value").toUInt() != seconds)
            return wrong(fmt("timer %03X read back %u, written %u", address,
                             back.value("value").toUInt(), seconds));
        return verifiedOk();
    }

    Result autoRunRead() {
        const QVariantMap back = tavo_->readPowerOnAutoPreviousTask().result();
        const auto type = back.value("type").value<CmdRetType>();
        if (type != CmdRetType::Ok)
            return failed(type);
        const bool held = sim_->memoryByte(TAVOAddr::AutoRunPrevious) != 0;
        if (back.value("value").toBool() != held)
            return wrong(
                fmt("auto-run read %d, memory holds %d", back.value("value").toBool(), held));
        if (autoRun_ && *autoRun_ != held)
            return wrong(fmt("auto-run holds %d, last written %d", held, *autoRun_));
        return verifiedOk();
    }

    template <typename... A> static std::string fmt(const char* format, A... args) {
        char buffer[256];
        std::snprintf(buffer, sizeof buffer, format, args...);
        return buffer;
    }

public:
    long wifiFailures = 0, wifiUnconfirmed = 0, wifiReapplied = 0;

private:
    std::shared_ptr<Sim::MotorController> sim_;
    std::shared_ptr<ITAVO> tavo_;
    std::shared_ptr<IJexDevice> device_;
    std::shared_ptr<ITAVOSettings> settings_;
    std::shared_ptr<ITAVOTaskState> taskState_;
    std::mt19937_64 rng_;
    std::optional<bool> autoRun_;
};

int usage() {
    std::fprintf(stderr, "usage: soak_link [--profile wifi|harsh|harsh-starts] [--seed N] [--ops "
                         "N] [--timeout MS] [--quick] "
                         "[--address 127.X.Y.Z] [--transcript FILE]\n");
    return 2;
}

// The soak talks to its own simulator only, on a loopback address.
bool isLoopback(const std::string& address) {
    in_addr parsed{};
    return inet_pton(AF_INET, address.c_str(), &parsed) == 1 && (ntohl(parsed.s_addr) >> 24) == 127;
}

const char* typeName(CmdRetType t) {
    switch (t) {
    case CmdRetType::Ok:
        return "ok";
    case CmdRetType::Nak:
        return "nak";
    case CmdRetType::Timeout:
        return "timeout";
    case CmdRetType::Cancel:
        return "cancel";
    case CmdRetType::Other:
        return "other";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    registerMountMetaTypes();
    std::string profileName = "wifi";
    uint64_t seed = 1;
    long ops = 1000;
    bool quick = false;
    std::string transcriptPath;
    int timeoutArg = 0;
    std::string address = "127.0.0.1";
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--profile") == 0 && hasValue)
            profileName = argv[++i];
        else if (std::strcmp(argv[i], "--seed") == 0 && hasValue)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--ops") == 0 && hasValue)
            ops = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--timeout") == 0 && hasValue)
            timeoutArg = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--address") == 0 && hasValue)
            address = argv[++i];
        else if (std::strcmp(argv[i], "--quick") == 0)
            quick = true;
        else if (std::strcmp(argv[i], "--transcript") == 0 && hasValue)
            transcriptPath = argv[++i];
        else
            return usage();
    }
    if ((profileName != "wifi" && profileName != "harsh" && profileName != "harsh-starts") ||
        ops < 1 || ops > 1000000 || timeoutArg < 0 || timeoutArg > 10000 || !isLoopback(address))
        return usage();
    const Profile profile = profileOf(profileName);
    const auto spellLength = std::chrono::milliseconds(quick ? 300 : 3000);

    Sim::SimConfig config;
    config.identity = *Sim::presetIdentity("3.10-08");
    config.behaviour.honourWifiOff = false;
    config.seed = seed;
    auto sim = std::make_shared<Sim::MotorController>(config);
    std::string error;
    if (!transcriptPath.empty() && !sim->transcript()->openFile(transcriptPath, &error)) {
        std::fprintf(stderr, "soak_link: %s\n", error.c_str());
        return 1;
    }
    Sim::UdpServer server(sim);
    if (!server.start(address, 0, &error)) {
        std::fprintf(stderr, "soak_link: %s\n", error.c_str());
        return 1;
    }

    auto settings = std::make_shared<ConnectionSettings>(nullptr, [] { return QStringList(); });
    if (profile.resends)
        settings->setMaxRetryCount(*profile.resends);
    if (timeoutArg > 0)
        settings->setReadTimeoutMs_other(timeoutArg);
    const int resends = settings->maxRetryCount();
    const int timeoutMs = settings->replyTimeoutMs();
    const double boundMs = double(resends + 1) * timeoutMs;
    // The link ends a conversation at its deadline; the waiting thread still has to be woken
    // and scheduled once after it.
    const double allowanceMs = 5.0;

    auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    auto udp = std::make_shared<PosixUdp>(address, address, "", server.port(), uint32_t(timeoutMs));
    udp->open();
    auto timed = std::make_shared<TimedRaw>(std::make_shared<UDPConverser>(udp, settings, tc));
    auto sl = std::make_shared<SLConverser>(timed);
    auto converser = std::make_shared<JexConverser>(sl);
    auto device = std::make_shared<JexDevice>(converser);
    auto mountSettings =
        std::make_shared<TAVOSettings>(std::make_shared<QtKVStore>(QString(), nullptr));
    auto taskState = std::make_shared<TAVOTaskState>();
    TAVOFactory factory(std::make_shared<CRealClock>(), std::make_shared<SleepWaitable>(),
                        taskState, mountSettings, tc, tc, std::make_shared<Location>(nullptr));
    std::shared_ptr<ITAVO> tavo = factory.create(converser, device);
    // Connected on a clean link: the soak is about what comes after.
    if (tavo->syncOnConnect().type != CmdRetType::Ok) {
        std::fprintf(stderr, "soak_link: cannot connect to the simulated mount\n");
        return 1;
    }
    sim->setFaults(profile.faults);
    timed->take();

    std::printf("soak_link: profile %s, seed %llu, %ld operations, time-out %d ms, resends %d, "
                "bound per failing exchange %.0f ms%s\n",
                profile.name, static_cast<unsigned long long>(seed), ops, timeoutMs, resends,
                boundMs, quick ? ", quick silent spells (0.3 s)" : "");

    Soak soak(sim, tavo, device, mountSettings, taskState, seed);
    std::mt19937_64 spellRng(seed * 104729 + 3);
    long verified = 0, wrongWrites = 0, wrongStarts = 0, verifiedWrites = 0, pastBound = 0;
    long spells = 0, spellRecoveries = 0, spellRecoveryFailures = 0;
    std::map<std::string, long> failures;
    double slowestFailureMs = 0;
    std::string slowestFailureOp;
    long opsPerKind[OpCount] = {}, verifiedPerKind[OpCount] = {};
    std::optional<Steady::time_point> spellEnd;
    bool afterSpell = false;
    long spellAt = std::uniform_int_distribution<long>(0, 99)(spellRng);

    for (long i = 0; i < ops; ++i) {
        if (profile.silentSpells && i % 100 == spellAt) {
            // The mount answers again after the spell by itself, in the middle of whatever
            // operation runs then.
            Sim::Faults silent = profile.faults;
            silent.silentFromSec = sim->nowSec();
            silent.silentForSec = std::chrono::duration<double>(spellLength).count();
            sim->setFaults(silent);
            spellEnd = Steady::now() + spellLength;
            ++spells;
        }
        if (profile.silentSpells && i % 100 == 99)
            spellAt = std::uniform_int_distribution<long>(0, 99)(spellRng);
        if (spellEnd && Steady::now() >= *spellEnd) {
            sim->setFaults(profile.faults);
            spellEnd.reset();
            afterSpell = true;
        }
        // The first operation after a spell is the shortest read, so that what it shows is
        // the link coming back, not the ordinary loss of a long operation.
        const Op op = afterSpell ? AutoRunRead : soak.pick(profile.startsOnly);
        ++opsPerKind[op];
        const Result r = soak.run(op);
        const std::vector<TimedRaw::Exchange> exchanges = timed->take();
        if (afterSpell) {
            afterSpell = false;
            if (r.outcome == Outcome::Verified)
                ++spellRecoveries;
            else
                ++spellRecoveryFailures;
        }
        const bool writes = op != Status && op != Power && op != AutoRunRead;
        switch (r.outcome) {
        case Outcome::Verified:
            ++verified;
            ++verifiedPerKind[op];
            if (writes)
                ++verifiedWrites;
            break;
        case Outcome::Wrong:
            ++wrongWrites;
            if (op <= ProgramATL)
                ++wrongStarts;
            std::printf("WRONG after %s (operation %ld): %s\n", kOpNames[op], i + 1,
                        r.wrong.c_str());
            break;
        case Outcome::Failed: {
            ++failures[typeName(r.failure)];
            // The exchange that failed is the last one the operation made.
            const double ms = exchanges.empty() ? 0 : exchanges.back().ms;
            if (ms > slowestFailureMs) {
                slowestFailureMs = ms;
                slowestFailureOp = kOpNames[op];
            }
            if (ms > boundMs + allowanceMs) {
                ++pastBound;
                std::printf("PAST BOUND: %s failed (%s) after %.1f ms on its last exchange\n",
                            kOpNames[op], typeName(r.failure), ms);
            }
            break;
        }
        }
    }
    if (spellEnd)
        sim->setFaults(profile.faults);
    long starts = 0, verifiedStarts = 0;
    for (int op = ProgramAP; op <= ProgramATL; ++op) {
        starts += opsPerKind[op];
        verifiedStarts += verifiedPerKind[op];
    }

    std::printf("operations by kind (verified/attempted):");
    for (int op = 0; op < OpCount; ++op)
        std::printf("%s %s %ld/%ld", op ? "," : "", kOpNames[op], verifiedPerKind[op],
                    opsPerKind[op]);
    std::printf("\n");
    std::printf("successes (verified): %ld of %ld (%.1f %%)\n", verified, ops,
                100.0 * double(verified) / double(ops));
    std::printf("failures:");
    if (failures.empty())
        std::printf(" none");
    for (const auto& [kind, count] : failures)
        std::printf(" %s %ld", kind.c_str(), count);
    std::printf("\n");
    std::printf("verified writes: %ld, wrong writes: %ld\n", verifiedWrites, wrongWrites);
    std::printf("program starts: %ld/%ld verified, %ld wrong\n", verifiedStarts, starts,
                wrongStarts);
    if (!profile.startsOnly)
        std::printf("Wi-Fi writes failed: %ld, of which unconfirmed applies: %ld; the same "
                    "settings applied twice: %ld\n",
                    soak.wifiFailures, soak.wifiUnconfirmed, soak.wifiReapplied);
    std::printf("slowest failure: %.1f ms on its failing exchange (%s), bound %.0f ms "
                "(+%.0f ms to wake the waiting thread), failures past the bound: %ld\n",
                slowestFailureMs, slowestFailureOp.empty() ? "-" : slowestFailureOp.c_str(),
                boundMs, allowanceMs, pastBound);
    if (profile.silentSpells)
        std::printf("silent spells: %ld, first operation after the spell succeeded: %ld of %ld\n",
                    spells, spellRecoveries, spellRecoveries + spellRecoveryFailures);
    const double needed = profile.needed;
    const bool pass = wrongWrites == 0 && pastBound == 0 && spellRecoveryFailures == 0 &&
                      double(verified) >= needed * double(ops);
    std::printf("result: %s (needs 0 wrong writes, none past the bound, every spell recovered, "
                ">= %.1f %% verified)\n",
                pass ? "PASS" : "FAIL", needed * 100);
    server.stop();
    return pass ? 0 : 1;
}
