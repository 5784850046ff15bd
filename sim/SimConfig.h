#pragma once
// What the simulated motor controller is (identity and presets), how it behaves in time,
// and which faults it injects.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace JEX::Sim {

// What the controller reports about itself.
struct Identity {
    uint8_t firmwareMajor = 3;
    uint8_t firmwareMinor = 10;
    uint8_t boardId = 0x08;
    std::array<uint32_t, 2> stepsPerRev{2073600, 2073600};
    uint32_t timerHz = 1500000;
    uint32_t highSpeedRatio = 16;
    int axisCount = 2;
    // Six digits of the extended-status reply ('q' with 1), first digit in the top nibble;
    // empty when the firmware rejects 'q' altogether.
    std::optional<uint32_t> extendedStatus = 0x000000;
    // Serial speed at power-on, and the fastest speed the baud command accepts.
    uint32_t baudRate = 115200;
    uint32_t maxBaudRate = 115200;

    uint32_t version() const { return uint32_t(firmwareMajor) << 8 | firmwareMinor; }
    // The 'X' commands exist from 3.39 on.
    bool extendedCommands() const { return version() >= 0x0327; }
    // From 3.10 on the program period is in milliseconds, not seconds.
    bool millisecondPeriods() const { return version() >= 0x030A; }
    // Board 0x0A (the mode-dial model) has no polar-scope light.
    bool hasPolarLight() const { return boardId != 0x0A; }
};

struct Preset {
    std::string name;
    std::string description;
    Identity identity;
};

// "3.10-08", "3.10-0A", "3.09-08", "3.39-80", in that order; the first is the default.
const std::vector<Preset>& presets();
std::optional<Identity> presetIdentity(std::string_view name);

// How the controller behaves in (controller) time.
struct Behaviour {
    // How long the requested-mode byte (0x20) and the Wi-Fi apply byte (0x80) read nonzero
    // after a request.
    double programBusySec = 0.2;
    double wifiApplyBusySec = 0.3;
    // An axis told to stop ('K') keeps running this long before it stands still.
    double stopSec = 0.0;
    // Speeds of a goto: fast ('G' first character 0) and slow (2).
    double gotoFastDegPerSec = 3.0;
    double gotoSlowDegPerSec = 0.5;
    // Axes report "initialised" at power-on (normally they do not until 'F').
    bool startInitialised = false;
    // Switching the Wi-Fi off (W 0x10C, or a program started with byte 0x48 set) silences
    // Wi-Fi requests; when false the controller records it and keeps answering.
    bool honourWifiOff = true;
    int batteryCentiVolt = 790;
    int usbCentiVolt = 505;
    std::string deviceName = "Velmora-Sim";
};

// Injected faults. Probabilities are per request, drawn from a generator seeded with
// `seed`; delays are wall-clock milliseconds (not scaled with controller time).
struct Faults {
    double requestLoss = 0; // the request never reaches the controller
    double replyLoss = 0;   // the controller acts, the reply is lost
    double reject = 0;      // the controller refuses ("!0") without acting
    double late = 0;        // the reply goes out only after lateDelayMs
    double garbage = 0;     // a few bytes of no meaning before the marker
    double nulNoise = 0;    // nulCount NUL bytes before the reply (serial line only)
    double duplicate = 0;   // the reply goes out twice
    double badFormat = 0;   // an accepted reply with one digit too few or too many
    int fixedDelayMs = 0;   // added to every reply
    int randomDelayMs = 0;  // plus a uniform 0..randomDelayMs
    int lateDelayMs = 400;
    int nulCount = 3;
    bool silent = false;                 // no reply to anything (mount off, link gone)
    std::optional<uint64_t> silentAfter; // silent once this many requests have come in
    // Silent for silentForSec of controller time from silentFromSec on (Wi-Fi gone a while).
    std::optional<double> silentFromSec;
    double silentForSec = 0;
    bool busyStuck = false; // busy bytes never clear
    std::string letters;    // faults hit only these command letters (empty: all)
};

// Sets the faults a text names, on top of those given: comma-separated KEY=VALUE with
// loss (request and reply), request-loss, reply-loss, reject, late, garbage, duplicate
// (probabilities 0..1), delay (ms added to every reply), silence=FORs@FROMs (seconds of
// controller time) and seed. Gives the reason when the text is not understood, and then
// changes nothing.
std::optional<std::string> applyFaultSpec(std::string_view spec, Faults& faults, uint64_t& seed);

struct SimConfig {
    Identity identity;
    Behaviour behaviour;
    Faults faults;
    uint64_t seed = 1;
};

} // namespace JEX::Sim
