#pragma once
// The simulated motor controller: one request's bytes in, the reply bytes and the delay to
// apply out. Safe to call from several transports and threads at once; tests reach its
// memory, axes, faults and transcript directly.

#include "SimClock.h"
#include "SimConfig.h"
#include "SimTypes.h"
#include "Transcript.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace JEX::Sim {

// Parameter-memory addresses the controller itself acts on.
namespace Addr {
constexpr uint16_t RunningMode = 0x00;
constexpr uint16_t Battery = 0x04;
constexpr uint16_t PhotoCount = 0x10;
constexpr uint16_t Usb = 0x1C;
constexpr uint16_t RequestedMode = 0x20;
constexpr uint16_t Stride = 0x24;
constexpr uint16_t Direction = 0x28;
constexpr uint16_t Exposure = 0x2C;
constexpr uint16_t Period = 0x30;
constexpr uint16_t Cycles = 0x34;
constexpr uint16_t SwingEnabled = 0x38;
constexpr uint16_t SwingRange = 0x3C;
constexpr uint16_t AuxTime = 0x40;
constexpr uint16_t CycleSteps = 0x44;
constexpr uint16_t WifiOffOnStart = 0x48;
constexpr uint16_t StartTime = 0x4C;
constexpr uint16_t LightOn = 0x60;
constexpr uint16_t LightOff = 0x64;
constexpr uint16_t ConnectMark = 0x6C;
constexpr uint16_t DisconnectMark = 0x70;
constexpr uint16_t WifiApply = 0x80;
constexpr uint16_t WifiAutoOff = 0x84;
constexpr uint16_t WifiMode = 0x88;
constexpr uint16_t WifiSecurity = 0x8C;
constexpr uint16_t ApSsid = 0x90;
constexpr uint16_t ApPass = 0xB0;
constexpr uint16_t StaSsid = 0xF0;
constexpr uint16_t StaPass = 0x110;
constexpr uint16_t StaFixedIp = 0x150;
constexpr uint16_t SettingsCommit = 0x180;
constexpr uint16_t AutoShutdown = 0x184;
constexpr uint16_t LightAutoOff = 0x188;
constexpr uint16_t AutoRun = 0x19C;
constexpr uint16_t Dithering = 0x1A0;
constexpr uint16_t DitheringRange = 0x1B8;
} // namespace Addr

constexpr size_t MemorySize = 512;

// A thing the controller did that is not a reply: "program-start", "program-end",
// "program-stop", "light-on", "light-off", "connect-mark", "disconnect-mark",
// "settings-commit", "wifi-apply", "wifi-on", "wifi-off", "baud", "w8". A "wifi-apply"
// carries a digest of the Wi-Fi fields it applied (0x88 to 0x15F), so that two applies can
// be told to have applied the same settings.
struct SimEvent {
    double simSec = 0;
    std::string name;
    int64_t value = 0;
};

struct AxisSnapshot {
    double positionSteps = 0;
    bool running = false;
    bool gotoMode = false; // false: running at a rate
    bool fast = false;
    bool backward = false;
    bool initialised = false;
    double stepsPerSec = 0; // signed, while running
    uint32_t periodTicks = 0;
    uint32_t gotoSteps = 0;
    uint32_t brakeSteps = 0;
    int64_t limitSteps = 0;
};

struct ProgramSnapshot {
    bool active = false;
    int mode = 0;
    uint32_t photos = 0;
    double startSec = 0;
    double periodSec = 0;
    uint32_t cycles = 0;
    double stepsPerSec = 0; // unsigned speed of the continuous modes
    bool backward = false;
    bool dithering = false;
};

// Where a real controller's behaviour is not pinned down by what the console sends, this one
// does what such a board plausibly does (velmora-mount-sim --help says the same):
// - errors are '!' and a digit: 0 unknown or unsupported command (also 'X' before 3.39 and
//   'q' on firmware without it), 1 wrong data length, 2 motor busy ('G' while moving, motion
//   commands on the first axis while a program runs), 3 invalid character or no such axis,
//   4 value out of range (address, baud rate, sub-command);
// - a goto runs at a fixed fast or slow speed and ends exactly at its target; 'K' stops at
//   once unless Behaviour::stopSec says otherwise; 'E' and 'X' 01 may move a running axis's
//   position, its goto target moves with it;
// - 'n' does not advance the selected address; command bytes keep the value written;
// - programs: modes 1, 3, 4 move the first axis continuously at timerHz / stride steps per
//   second, mode 2 steps it on by the cycle steps after each photo; swinging folds the
//   travel between the start and the swing range; a period of 0 counts no photos;
//   dithering is recorded without moving the axis; a mode above 4 starts nothing;
// - the Wi-Fi, shut-down and light timers are stored only.
class MotorController {
public:
    // A null clock means a scaled clock at rate 1; a null transcript means a fresh one.
    explicit MotorController(SimConfig config = {}, std::shared_ptr<ISimClock> clock = nullptr,
                             std::shared_ptr<Transcript> transcript = nullptr);

    // The single entry point: one request (":", letter, axis, data, CR; leading bytes and
    // anything after the first CR are ignored) and what goes back.
    Response handle(const Bytes& request, const RequestContext& context = {});

    Identity identity() const;
    Behaviour behaviour() const;
    void setBehaviour(const Behaviour& behaviour);
    Faults faults() const;
    void setFaults(const Faults& faults);
    void setSilent(bool silent);
    void setBusyStuck(bool stuck);
    // Restarts the fault generator; the n-th request after this draws the same numbers
    // for the same seed.
    void reseed(uint64_t seed);

    std::shared_ptr<Transcript> transcript() const { return transcript_; }
    std::shared_ptr<ISimClock> clock() const { return clock_; }
    double nowSec() const;
    uint64_t requestCount() const;

    // Parameter memory as the controller holds it now (program counters brought up to date).
    // Writes here are raw: they start nothing.
    uint8_t memoryByte(uint16_t address);
    uint16_t memoryU16(uint16_t address);
    uint32_t memoryU32(uint16_t address);
    std::string memoryString(uint16_t address, size_t maxLength);
    std::array<uint8_t, MemorySize> memory();
    void setMemoryByte(uint16_t address, uint8_t value);
    void setMemoryU16(uint16_t address, uint16_t value);
    void setMemoryU32(uint16_t address, uint32_t value);
    void setMemoryString(uint16_t address, size_t fieldLength, const std::string& text);

    AxisSnapshot axis(int index);
    void setAxisPosition(int index, double steps);
    void setAxisInitialised(int index, bool initialised);
    // The limit position reported by 'q' 0 and 'X' 000B (saturated to each wire format).
    void setLimitSteps(int index, int64_t steps);

    ProgramSnapshot program();

    uint32_t baudRate() const;
    void setBaudRate(uint32_t baud);
    bool wifiOn() const;
    void setWifiOn(bool on);
    bool polarLightOn() const;

    std::vector<SimEvent> events() const;
    size_t eventCount(std::string_view name) const;
    void clearEvents();

private:
    struct Axis {
        double basePos = 0;
        double baseSec = 0;
        double stepsPerSec = 0;
        bool running = false;
        bool gotoMode = false;
        bool fast = false;
        bool backward = false;
        bool initialised = false;
        uint32_t period = 0;
        uint32_t gotoSteps = 0;
        uint32_t brakeSteps = 0;
        std::optional<double> target;
        std::optional<double> stopAt;
        int64_t limitSteps = INT32_MIN;
    };
    struct Program {
        bool active = false;
        int mode = 0;
        double startSec = 0;
        double periodSec = 0;
        uint32_t cycles = 0;
        double stepsPerSec = 0;
        double cycleSteps = 0;
        bool continuous = true;
        int direction = 1;
        double swingSteps = 0;
        double startPos = 0;
        bool dithering = false;
        uint32_t photos = 0;
    };
    struct Draws {
        std::array<double, 12> u{};
    };

    // Everything below runs with mutex_ held.
    void advance(double now);
    void advanceAxis(Axis& axis, double now);
    void advanceProgram(double now);
    double axisPosition(int index, double now) const;
    double programTravel(double elapsed) const;
    double programPosition(double elapsed, int* direction) const;
    void rebase(int index, double now);
    void stopAxisNow(int index, double now);
    std::string execute(char letter, char axisChar, const std::string& data, double now);
    void setPosition(int index, double steps, double now);
    double rateFor(const Axis& axis) const;
    std::string axisStatus(int index, double now) const;
    void writeMemory(uint16_t address, uint8_t value, double now);
    void startProgram(int mode, double now);
    void endProgram(double atSec, const char* event);
    void event(double now, std::string name, int64_t value = 0);
    void putU32(uint16_t address, uint32_t value);
    uint32_t getU32(uint16_t address) const;
    Draws draw();
    bool faultApplies(char letter) const;

    mutable std::mutex mutex_;
    Identity identity_;
    Behaviour behaviour_;
    Faults faults_;
    std::mt19937_64 rng_;
    std::shared_ptr<ISimClock> clock_;
    std::shared_ptr<Transcript> transcript_;
    std::array<uint8_t, MemorySize> memory_{};
    std::array<Axis, 2> axes_{};
    Program program_;
    uint16_t selected_ = 0;
    uint32_t baud_;
    bool wifiOn_ = true;
    bool lightOn_ = false;
    std::optional<double> programBusyUntil_;
    std::optional<double> wifiBusyUntil_;
    uint64_t requests_ = 0;
    std::vector<SimEvent> events_;
};

} // namespace JEX::Sim
