// velmora-mount-sim: a simulated mount's motor controller on UDP and/or a pseudo-terminal,
// for tests, benchmarks and anyone without hardware.

#include "MotorController.h"
#include "PtyServer.h"
#include "SimHex.h"
#include "UdpServer.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace JEX::Sim;

namespace {

const char* const HelpText = R"(Usage: velmora-mount-sim [options]

Simulates the mount's motor controller: the ':' letter axis data CR command protocol, the
axis commands, the 512-byte parameter memory with its shooting programs, and the serial
baud-rate and Wi-Fi commands. At least one of --udp and --pty is required.

Transports:
  --udp ADDR:PORT        answer UDP datagrams on ADDR:PORT (port 0: any free port; the
                         default mount port is 11880). Bound to 0.0.0.0 it also answers
                         datagrams sent to a broadcast address. Prints "udp ADDR:PORT".
  --pty                  open a pseudo-terminal and print its slave path on the first
                         line. It answers only while the terminal's speed equals the
                         controller's baud rate, and switches rate after acknowledging
                         the baud command.

Identity (a preset first, then overrides):
  --preset NAME          %PRESETS%
  --firmware MAJ.MIN     firmware version, minor in decimal (3.10, 3.39)
  --board HEX            board id (08, 0A, 80)
  --steps N              steps per revolution of both axes
  --steps2 N             steps per revolution of the second axis
  --timer-hz N           step-timer frequency
  --ratio N              high-speed ratio
  --axes 1|2             number of axes (a missing axis is refused with "!3")
  --ext-status HEX6|none extended-status digits ('q' with 1), or "none" to refuse 'q'
  --baud N               serial speed at power-on (default 115200)
  --max-baud N           fastest speed the baud command accepts (default 115200)

Behaviour:
  --name TEXT            device name (access-point name at 0x90)
  --battery VOLTS        battery voltage at 0x04 (default 7.90)
  --usb VOLTS            USB voltage at 0x1C (default 5.05)
  --program-busy-ms MS   0x20 reads nonzero this long after a program request (200)
  --wifi-busy-ms MS      0x80 reads nonzero this long after a Wi-Fi apply (300)
  --stop-ms MS           an axis keeps running this long after 'K' (0)
  --initialised          axes report "initialised" from power-on
  --keep-wifi            keep answering over UDP after the Wi-Fi is switched off
  --time-scale F         controller time runs F times faster than the wall clock
                         (programs, motion, busy times; not the fault delays)

Faults (probabilities 0..1 per request, delays in wall-clock ms):
  --request-loss P       the request is lost before the controller sees it
  --loss P               the controller acts but its reply is lost
  --reject P             the controller refuses with "!0" and does nothing
  --delay MS             every reply waits MS
  --jitter MS            every reply waits a further uniform 0..MS
  --late P               the reply comes only after --late-ms (default 400), when the
                         console has given up
  --late-ms MS
  --garbage P            a few bytes of no meaning before the marker
  --nul-noise P          --nul-count NUL bytes before the reply, serial line only
  --nul-count N          (default 3; 10 or more make the console give up)
  --duplicate P          the reply is sent twice
  --bad-format P         an accepted reply with one hex digit too few or too many
  --silent               answer nothing at all (mount off, link gone)
  --silent-after N       answer the first N requests, then nothing
  --stuck-busy           the busy bytes 0x20 and 0x80 never clear
  --fault-letters ABC    the faults above hit only these command letters
  --seed N               seed of the fault generator (default 1)

Output:
  --transcript FILE      append every exchange as one JSON line (flushed per line):
                         seq, unix_ms, sim_s, channel, peer, request, reply (null when
                         none), delay_ms, copies, faults, note
  --help                 this text

Controller behaviour where the console leaves it open:
  Errors are "!" and a digit: 0 unknown or unsupported command, 1 wrong data length,
  2 motor busy (G while moving; motion commands on the first axis while a program runs),
  3 invalid character or missing axis, 4 value out of range.
  'G' bit 1 of the second character (southern hemisphere) does not change the direction.
  A goto runs at 3 deg/s (fast) or 0.5 deg/s (slow) and ends exactly at its target.
  'n' does not advance the selected address. Command bytes keep the value written.
  Programs start when a mode 1-4 is written to 0x20: modes 1, 3 and 4 move the first axis
  continuously at timer-hz / stride (0x24) steps per second; mode 2 steps it on by the
  cycle steps (0x44) after each photo; direction byte 0x28 = 1 moves backward; swinging
  folds the travel between the start and the swing range (0x3C degrees). The photo count
  at 0x10 grows once per period (0x30, seconds before 3.10, milliseconds from 3.10); after
  the programmed count (0x34, 0 = unlimited) the program ends and 0x00 reads 0. A period
  of 0 counts nothing. Dithering is recorded but does not move the axis. Writing a mode
  above 4 to 0x20 starts nothing. Writing 0 stops a program; its photo count stays.
  The Wi-Fi auto-off, shut-down and light timers are stored only.
  W 0x10C, and a program started with byte 0x48 set, switch the Wi-Fi off: UDP requests
  go unanswered until W 0x10B comes over the serial line (unless --keep-wifi). The baud
  command accepts 9600, 19200, 38400, 57600, 115200, 230400, 460800 and 921600 up to
  --max-baud, and refuses others with "!4".
)";

struct Options {
    SimConfig config;
    std::optional<std::pair<std::string, uint16_t>> udp;
    bool pty = false;
    double timeScale = 1.0;
    std::string transcript;
};

template <typename T> std::optional<T> number(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<double> real(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    try {
        size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size())
            return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<uint32_t> hexNumber(const std::string& text) {
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, 16);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::string presetList() {
    std::string out;
    for (const auto& p : presets())
        out += (out.empty() ? "" : "\n                         ") + p.name + ": " + p.description;
    return out;
}

void printHelp() {
    std::string text = HelpText;
    const std::string marker = "%PRESETS%";
    text.replace(text.find(marker), marker.size(), presetList());
    std::fputs(text.c_str(), stdout);
}

// Parses the arguments; on a mistake prints why and returns empty.
std::optional<Options> parse(int argc, char** argv, bool* help) {
    Options o;
    Identity& id = o.config.identity;
    Behaviour& b = o.config.behaviour;
    Faults& f = o.config.faults;
    std::vector<std::string> args(argv + 1, argv + argc);

    // The preset goes first, whatever its place, so that overrides apply on top of it.
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--preset") {
            const auto preset = presetIdentity(args[i + 1]);
            if (!preset) {
                std::fprintf(stderr, "velmora-mount-sim: unknown preset '%s'\n",
                             args[i + 1].c_str());
                return std::nullopt;
            }
            id = *preset;
        }
    }

    const auto probability = [](double* target) {
        return [target](const std::string& v) {
            const auto p = real(v);
            if (!p || *p < 0 || *p > 1)
                return false;
            *target = *p;
            return true;
        };
    };
    const auto milliseconds = [](int* target) {
        return [target](const std::string& v) {
            const auto ms = number<int>(v);
            if (!ms || *ms < 0)
                return false;
            *target = *ms;
            return true;
        };
    };
    const auto seconds = [](double* target) {
        return [target](const std::string& v) {
            const auto ms = real(v);
            if (!ms || *ms < 0)
                return false;
            *target = *ms / 1000.0;
            return true;
        };
    };
    const auto unsignedValue = [](uint32_t* target) {
        return [target](const std::string& v) {
            const auto n = number<uint32_t>(v);
            if (!n)
                return false;
            *target = *n;
            return true;
        };
    };
    const auto count = [](int* target) {
        return [target](const std::string& v) {
            const auto n = number<int>(v);
            if (!n || *n < 0 || *n > 1000)
                return false;
            *target = *n;
            return true;
        };
    };
    const auto centiVolts = [](int* target) {
        return [target](const std::string& v) {
            const auto volts = real(v);
            if (!volts || *volts < -300 || *volts > 300)
                return false;
            *target = static_cast<int>(*volts * 100 + (*volts < 0 ? -0.5 : 0.5));
            return true;
        };
    };

    const std::map<std::string, std::function<bool(const std::string&)>> valued{
        {"--preset", [](const std::string&) { return true; }},
        {"--firmware",
         [&](const std::string& v) {
             const auto dot = v.find('.');
             if (dot == std::string::npos)
                 return false;
             const auto major = number<uint8_t>(v.substr(0, dot));
             const auto minor = number<uint8_t>(v.substr(dot + 1));
             if (!major || !minor)
                 return false;
             id.firmwareMajor = *major;
             id.firmwareMinor = *minor;
             return true;
         }},
        {"--board",
         [&](const std::string& v) {
             const auto board = hexNumber(v);
             if (!board || *board > 0xFF)
                 return false;
             id.boardId = static_cast<uint8_t>(*board);
             return true;
         }},
        {"--steps",
         [&](const std::string& v) {
             const auto n = number<uint32_t>(v);
             if (!n || *n == 0)
                 return false;
             id.stepsPerRev = {*n, *n};
             return true;
         }},
        {"--steps2",
         [&](const std::string& v) {
             const auto n = number<uint32_t>(v);
             if (!n || *n == 0)
                 return false;
             id.stepsPerRev[1] = *n;
             return true;
         }},
        {"--timer-hz", unsignedValue(&id.timerHz)},
        {"--ratio", unsignedValue(&id.highSpeedRatio)},
        {"--axes",
         [&](const std::string& v) {
             const auto n = number<int>(v);
             if (!n || *n < 1 || *n > 2)
                 return false;
             id.axisCount = *n;
             return true;
         }},
        {"--ext-status",
         [&](const std::string& v) {
             if (v == "none") {
                 id.extendedStatus.reset();
                 return true;
             }
             if (v.size() != 6 || !Hex::allDigits(v))
                 return false;
             id.extendedStatus = Hex::parseBig(v);
             return true;
         }},
        {"--baud", unsignedValue(&id.baudRate)},
        {"--max-baud", unsignedValue(&id.maxBaudRate)},
        {"--name",
         [&](const std::string& v) {
             if (v.size() > 32)
                 return false;
             b.deviceName = v;
             return true;
         }},
        {"--battery", centiVolts(&b.batteryCentiVolt)},
        {"--usb", centiVolts(&b.usbCentiVolt)},
        {"--program-busy-ms", seconds(&b.programBusySec)},
        {"--wifi-busy-ms", seconds(&b.wifiApplyBusySec)},
        {"--stop-ms", seconds(&b.stopSec)},
        {"--time-scale",
         [&](const std::string& v) {
             const auto scale = real(v);
             if (!scale || *scale <= 0)
                 return false;
             o.timeScale = *scale;
             return true;
         }},
        {"--request-loss", probability(&f.requestLoss)},
        {"--loss", probability(&f.replyLoss)},
        {"--reject", probability(&f.reject)},
        {"--late", probability(&f.late)},
        {"--garbage", probability(&f.garbage)},
        {"--nul-noise", probability(&f.nulNoise)},
        {"--duplicate", probability(&f.duplicate)},
        {"--bad-format", probability(&f.badFormat)},
        {"--delay", milliseconds(&f.fixedDelayMs)},
        {"--jitter", milliseconds(&f.randomDelayMs)},
        {"--late-ms", milliseconds(&f.lateDelayMs)},
        {"--nul-count", count(&f.nulCount)},
        {"--silent-after",
         [&](const std::string& v) {
             const auto n = number<uint64_t>(v);
             if (!n)
                 return false;
             f.silentAfter = *n;
             return true;
         }},
        {"--fault-letters",
         [&](const std::string& v) {
             f.letters = v;
             return !v.empty();
         }},
        {"--seed",
         [&](const std::string& v) {
             const auto n = number<uint64_t>(v);
             if (!n)
                 return false;
             o.config.seed = *n;
             return true;
         }},
        {"--udp",
         [&](const std::string& v) {
             const auto colon = v.rfind(':');
             if (colon == std::string::npos)
                 return false;
             const auto port = number<uint16_t>(v.substr(colon + 1));
             if (!port)
                 return false;
             o.udp = std::make_pair(v.substr(0, colon), *port);
             return true;
         }},
        {"--transcript",
         [&](const std::string& v) {
             o.transcript = v;
             return !v.empty();
         }},
    };
    const std::map<std::string, std::function<void()>> flags{
        {"--pty", [&] { o.pty = true; }},
        {"--initialised", [&] { b.startInitialised = true; }},
        {"--keep-wifi", [&] { b.honourWifiOff = false; }},
        {"--silent", [&] { f.silent = true; }},
        {"--stuck-busy", [&] { f.busyStuck = true; }},
        {"--help", [&] { *help = true; }},
        {"-h", [&] { *help = true; }},
    };

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (const auto flag = flags.find(arg); flag != flags.end()) {
            flag->second();
            continue;
        }
        const auto option = valued.find(arg);
        if (option == valued.end()) {
            std::fprintf(stderr, "velmora-mount-sim: unknown option '%s' (see --help)\n",
                         arg.c_str());
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "velmora-mount-sim: %s needs a value\n", arg.c_str());
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (!option->second(value)) {
            std::fprintf(stderr, "velmora-mount-sim: bad value '%s' for %s\n", value.c_str(),
                         arg.c_str());
            return std::nullopt;
        }
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    bool help = false;
    const auto options = parse(argc, argv, &help);
    if (help) {
        printHelp();
        return 0;
    }
    if (!options)
        return 2;
    if (!options->udp && !options->pty) {
        std::fprintf(stderr, "velmora-mount-sim: nothing to serve: give --udp and/or --pty\n");
        return 2;
    }

    // The signals are taken by sigwait below; every thread started from here on inherits
    // the mask, so none of them is interrupted.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    auto transcript = std::make_shared<Transcript>();
    std::string error;
    if (!options->transcript.empty() && !transcript->openFile(options->transcript, &error)) {
        std::fprintf(stderr, "velmora-mount-sim: %s\n", error.c_str());
        return 1;
    }
    auto clock = std::make_shared<ScaledClock>(options->timeScale);
    auto controller = std::make_shared<MotorController>(options->config, clock, transcript);

    std::unique_ptr<PtyServer> pty;
    std::unique_ptr<UdpServer> udp;
    if (options->pty) {
        pty = std::make_unique<PtyServer>(controller);
        if (!pty->start(&error)) {
            std::fprintf(stderr, "velmora-mount-sim: pseudo-terminal: %s\n", error.c_str());
            return 1;
        }
        std::printf("%s\n", pty->slavePath().c_str());
    }
    if (options->udp) {
        udp = std::make_unique<UdpServer>(controller);
        if (!udp->start(options->udp->first, options->udp->second, &error)) {
            std::fprintf(stderr, "velmora-mount-sim: udp: %s\n", error.c_str());
            return 1;
        }
        std::printf("udp %s:%u\n", udp->address().c_str(), unsigned(udp->port()));
    }
    std::fflush(stdout);

    const Identity id = controller->identity();
    std::fprintf(stderr,
                 "velmora-mount-sim: firmware %u.%u board %02X, %d axis(es), %u baud, "
                 "time scale %g\n",
                 unsigned(id.firmwareMajor), unsigned(id.firmwareMinor), unsigned(id.boardId),
                 id.axisCount, unsigned(id.baudRate), options->timeScale);

    int signal = 0;
    while (sigwait(&stopSignals, &signal) != 0) {
    }
    if (udp)
        udp->stop();
    if (pty)
        pty->stop();
    transcript->closeFile();
    std::fprintf(stderr, "velmora-mount-sim: stopped by %s\n", strsignal(signal));
    return 0;
}
