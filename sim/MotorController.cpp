#include "MotorController.h"

#include "SimHex.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace JEX::Sim {

namespace {

// The longest well-formed request body is 'X', the axis and ten digits; anything much
// longer is a broken line, refused without being looked at.
constexpr size_t MaxBody = 32;
// What the transcript keeps of one request.
constexpr size_t MaxKeptRequest = 2048;

constexpr std::array<uint32_t, 8> BaudRates{9600,   19200,  38400,  57600,
                                            115200, 230400, 460800, 921600};

std::string ok(const std::string& data = {}) {
    return "=" + data + "\r";
}

std::string err(char code) {
    return std::string("!") + code + "\r";
}

// Error digits: 0 unknown or unsupported command, 1 wrong data length, 2 motor busy,
// 3 invalid character, 4 value out of range.
constexpr char ErrUnknown = '0';
constexpr char ErrLength = '1';
constexpr char ErrBusy = '2';
constexpr char ErrChar = '3';
constexpr char ErrRange = '4';

int64_t toSteps(double position) {
    constexpr double limit = 9.0e18;
    if (!std::isfinite(position))
        return 0;
    return std::llround(std::clamp(position, -limit, limit));
}

uint32_t classicPosition(int64_t steps) {
    return static_cast<uint32_t>((steps + 0x800000) & 0xFFFFFF);
}

uint32_t saturateClassic(int64_t steps) {
    return static_cast<uint32_t>(std::clamp<int64_t>(steps, -0x800000, 0x7FFFFF) + 0x800000);
}

uint32_t saturateExtended(int64_t steps) {
    return static_cast<uint32_t>(static_cast<int32_t>(std::clamp<int64_t>(
        steps, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())));
}

int64_t unixNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

const char* channelName(Channel channel) {
    return channel == Channel::Serial ? "serial" : "wifi";
}

MotorController::MotorController(SimConfig config, std::shared_ptr<ISimClock> clock,
                                 std::shared_ptr<Transcript> transcript)
    : identity_(config.identity), behaviour_(config.behaviour), faults_(config.faults),
      rng_(config.seed), clock_(clock ? std::move(clock) : std::make_shared<ScaledClock>(1.0)),
      transcript_(transcript ? std::move(transcript) : std::make_shared<Transcript>()),
      baud_(config.identity.baudRate) {
    identity_.axisCount = std::clamp(identity_.axisCount, 1, 2);
    for (auto& axis : axes_)
        axis.initialised = behaviour_.startInitialised;
    const double now = clock_->nowSec();
    for (auto& axis : axes_)
        axis.baseSec = now;

    const auto u16 = [this](uint16_t address, int value) {
        memory_[address] = static_cast<uint8_t>(value & 0xFF);
        memory_[address + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
    };
    u16(Addr::Battery, behaviour_.batteryCentiVolt);
    u16(Addr::Usb, behaviour_.usbCentiVolt);
    memory_[Addr::WifiMode] = 2;
    memory_[Addr::WifiSecurity] = 0;
    const std::string& name = behaviour_.deviceName;
    for (size_t i = 0; i < name.size() && i < 32; ++i)
        memory_[Addr::ApSsid + i] = static_cast<uint8_t>(name[i]);
    putU32(Addr::AutoShutdown, 1800);
    putU32(Addr::LightAutoOff, 600);
}

// ---- the entry point -------------------------------------------------------------------

Response MotorController::handle(const Bytes& request, const RequestContext& context) {
    std::lock_guard lock(mutex_);
    const double now = clock_->nowSec();
    advance(now);
    ++requests_;
    const Draws d = draw();

    Exchange ex;
    ex.unixMs = unixNowMs();
    ex.simSec = now;
    ex.channel = context.channel;
    ex.peer = context.peer;
    ex.request.assign(request.begin(), request.begin() + std::min(request.size(), MaxKeptRequest));
    Response resp;
    const auto finish = [&] {
        ex.reply = resp.reply;
        ex.delayMs = resp.delay.count();
        ex.copies = resp.reply ? resp.copies : 0;
        transcript_->append(std::move(ex));
        return resp;
    };

    const bool silentSpell = faults_.silentFromSec && now >= *faults_.silentFromSec &&
                             now < *faults_.silentFromSec + faults_.silentForSec;
    if (faults_.silent || silentSpell ||
        (faults_.silentAfter && requests_ > *faults_.silentAfter)) {
        ex.faults.push_back("silent");
        return finish();
    }
    if (context.channel == Channel::Wifi && !wifiOn_ && behaviour_.honourWifiOff) {
        ex.note = "wifi-off";
        return finish();
    }
    if (context.lineBaud && *context.lineBaud != baud_) {
        ex.note = "wrong-baud";
        return finish();
    }

    // A frame is the bytes from the last ':' before the first CR up to that CR: a serial
    // controller starts a new command at every ':' and acts at CR.
    const auto cr = std::find(request.begin(), request.end(), uint8_t('\r'));
    if (cr == request.end()) {
        ex.note = "no-frame";
        return finish();
    }
    const auto colon = std::find(std::make_reverse_iterator(cr), request.rend(), uint8_t(':'));
    if (colon == request.rend()) {
        ex.note = "no-frame";
        return finish();
    }
    const std::string body(colon.base(), cr);
    const char letter = body.empty() ? 0 : body[0];
    const bool applies = faultApplies(letter);

    if (applies && d.u[0] < faults_.requestLoss) {
        ex.faults.push_back("request-loss");
        return finish();
    }

    std::string reply;
    if (applies && d.u[1] < faults_.reject) {
        ex.faults.push_back("reject");
        reply = err(ErrUnknown);
    } else if (body.size() > MaxBody) {
        ex.note = "too-long";
        reply = err(ErrLength);
    } else if (body.size() < 2) {
        reply = err(body.empty() ? ErrUnknown : ErrLength);
    } else {
        reply = execute(letter, body[1], body.substr(2), now);
    }

    if (applies && d.u[2] < faults_.replyLoss) {
        ex.faults.push_back("reply-loss");
        return finish();
    }
    if (applies && d.u[3] < faults_.badFormat && reply.size() >= 2 && reply[0] == '=') {
        ex.faults.push_back("bad-format");
        if (reply.size() > 2 && d.u[4] < 0.5)
            reply.erase(reply.size() - 2, 1);
        else
            reply.insert(reply.size() - 1, 1, '0');
    }
    if (applies && d.u[5] < faults_.garbage) {
        ex.faults.push_back("garbage");
        static const char alphabet[] = "#?@~%&abcxyz0123 \n";
        uint64_t bits = static_cast<uint64_t>(d.u[6] * 9007199254740992.0);
        const size_t length = 1 + bits % 6;
        std::string junk;
        for (size_t i = 0; i < length; ++i) {
            bits = bits * 6364136223846793005ULL + 1442695040888963407ULL;
            junk += alphabet[(bits >> 33) % (sizeof alphabet - 1)];
        }
        reply = junk + reply;
    }
    if (applies && context.channel == Channel::Serial && d.u[7] < faults_.nulNoise) {
        ex.faults.push_back("nul-noise");
        reply.insert(0, static_cast<size_t>(std::max(0, faults_.nulCount)), '\0');
    }
    resp.reply = toBytes(reply);

    if (applies) {
        int64_t delayMs = std::max(0, faults_.fixedDelayMs);
        if (faults_.randomDelayMs > 0)
            delayMs += static_cast<int64_t>(d.u[8] * (faults_.randomDelayMs + 1));
        if (delayMs > 0)
            ex.faults.push_back("delay");
        if (d.u[9] < faults_.late) {
            ex.faults.push_back("late");
            delayMs += std::max(0, faults_.lateDelayMs);
        }
        resp.delay = std::chrono::milliseconds(delayMs);
        if (d.u[10] < faults_.duplicate) {
            ex.faults.push_back("duplicate");
            resp.copies = 2;
        }
    }
    return finish();
}

MotorController::Draws MotorController::draw() {
    // Always the same count of numbers per request, so that a seed fixes which request a
    // fault hits whatever other faults are switched on.
    Draws d;
    for (auto& u : d.u)
        u = static_cast<double>(rng_() >> 11) * 0x1.0p-53;
    return d;
}

bool MotorController::faultApplies(char letter) const {
    return faults_.letters.empty() ||
           (letter != 0 && faults_.letters.find(letter) != std::string::npos);
}

// ---- commands ---------------------------------------------------------------------------

std::string MotorController::execute(char letter, char axisChar, const std::string& data,
                                     double now) {
    static const std::string known = "abefgjqFEGHMIJKWXCnN";
    if (known.find(letter) == std::string::npos)
        return err(ErrUnknown);
    if (letter == 'X' && !identity_.extendedCommands())
        return err(ErrUnknown);
    if (letter == 'q' && !identity_.extendedStatus)
        return err(ErrUnknown);

    int a = -1;
    if (axisChar == '1')
        a = 0;
    else if (axisChar == '2' && identity_.axisCount >= 2)
        a = 1;
    if (a < 0)
        return err(ErrChar);
    Axis& axis = axes_[a];

    const auto noData = [&] { return data.empty(); };
    // A fixed-length little-endian field; on failure the error reply is put in *error.
    const auto field = [&](size_t digits, std::string* error) -> std::optional<uint32_t> {
        if (data.size() != digits) {
            *error = err(ErrLength);
            return std::nullopt;
        }
        const auto value = Hex::parseLittle(data);
        if (!value)
            *error = err(ErrChar);
        return value;
    };
    // Motion of the first axis belongs to a running program.
    const bool programOwnsAxis = a == 0 && program_.active;
    std::string error;

    switch (letter) {
    case 'e':
        if (!noData())
            return err(ErrLength);
        return ok(Hex::big(identity_.version() << 8 | identity_.boardId, 3));
    case 'a':
        if (!noData())
            return err(ErrLength);
        return ok(Hex::little(identity_.stepsPerRev[a], 3));
    case 'b':
        if (!noData())
            return err(ErrLength);
        return ok(Hex::little(identity_.timerHz, 3));
    case 'g':
        if (!noData())
            return err(ErrLength);
        return ok(Hex::little(identity_.highSpeedRatio, 3));
    case 'f':
        if (!noData())
            return err(ErrLength);
        return ok(axisStatus(a, now));
    case 'j':
        if (!noData())
            return err(ErrLength);
        return ok(Hex::little(classicPosition(toSteps(axisPosition(a, now))), 3));
    case 'q': {
        const auto v = field(6, &error);
        if (!v)
            return error;
        if (*v == 1)
            return ok(Hex::big(*identity_.extendedStatus, 3));
        if (*v == 0)
            return ok(Hex::little(saturateClassic(axis.limitSteps), 3));
        return err(ErrRange);
    }
    case 'F':
        if (!noData())
            return err(ErrLength);
        axis.initialised = true;
        return ok();
    case 'E': {
        const auto v = field(6, &error);
        if (!v)
            return error;
        if (programOwnsAxis)
            return err(ErrBusy);
        setPosition(a, static_cast<double>(int64_t(*v) - 0x800000), now);
        return ok();
    }
    case 'G': {
        if (data.size() != 2)
            return err(ErrLength);
        const char m = data[0];
        const char d = data[1];
        if (m < '0' || m > '3' || d < '0' || d > '3')
            return err(ErrChar);
        if (programOwnsAxis || axis.running)
            return err(ErrBusy);
        axis.gotoMode = m == '0' || m == '2';
        axis.fast = m == '0' || m == '3';
        // Bit 1 of the second character (southern hemisphere) changes nothing here.
        axis.backward = (d - '0') & 1;
        return ok();
    }
    case 'H':
    case 'M': {
        const auto v = field(6, &error);
        if (!v)
            return error;
        (letter == 'H' ? axis.gotoSteps : axis.brakeSteps) = *v;
        return ok();
    }
    case 'I': {
        const auto v = field(6, &error);
        if (!v)
            return error;
        if (programOwnsAxis)
            return err(ErrBusy);
        axis.period = *v;
        if (axis.running && !axis.gotoMode) {
            rebase(a, now);
            axis.stepsPerSec = rateFor(axis);
        }
        return ok();
    }
    case 'J': {
        if (!noData())
            return err(ErrLength);
        if (programOwnsAxis)
            return err(ErrBusy);
        if (axis.running)
            return ok();
        rebase(a, now);
        axis.stopAt.reset();
        axis.target.reset();
        if (axis.gotoMode) {
            if (axis.gotoSteps == 0)
                return ok();
            const double sign = axis.backward ? -1.0 : 1.0;
            const double degPerSec =
                axis.fast ? behaviour_.gotoFastDegPerSec : behaviour_.gotoSlowDegPerSec;
            const double speed = std::max(1.0, degPerSec * identity_.stepsPerRev[a] / 360.0);
            axis.target = axis.basePos + sign * axis.gotoSteps;
            axis.stepsPerSec = sign * speed;
        } else {
            axis.stepsPerSec = rateFor(axis);
        }
        axis.running = true;
        return ok();
    }
    case 'K':
        if (!noData())
            return err(ErrLength);
        if (programOwnsAxis)
            return err(ErrBusy);
        if (axis.running) {
            if (behaviour_.stopSec > 0) {
                if (!axis.stopAt)
                    axis.stopAt = now + behaviour_.stopSec;
            } else {
                stopAxisNow(a, now);
            }
        }
        return ok();
    case 'W': {
        const auto v = field(6, &error);
        if (!v)
            return error;
        const uint32_t sub = *v & 0xFF;
        if (sub == 0x0D) {
            const uint32_t baud = (*v >> 8) * 100;
            const bool supported =
                std::find(BaudRates.begin(), BaudRates.end(), baud) != BaudRates.end();
            if (!supported || baud > identity_.maxBaudRate)
                return err(ErrRange);
            // The acknowledgement is decided at the old rate; everything after it is at
            // the new one.
            baud_ = baud;
            event(now, "baud", baud);
            return ok();
        }
        if (*v == 0x10B || *v == 0x10C) {
            wifiOn_ = *v == 0x10B;
            event(now, wifiOn_ ? "wifi-on" : "wifi-off");
            return ok();
        }
        if (*v == 8) {
            event(now, "w8", a + 1);
            return ok();
        }
        return err(ErrRange);
    }
    case 'X': {
        if (data.size() != 4 && data.size() != 10)
            return err(ErrLength);
        if (!Hex::allDigits(data))
            return err(ErrChar);
        const uint32_t sub = *Hex::parseBig(data.substr(0, 2));
        if (data.size() == 4 && sub == 0) {
            switch (*Hex::parseBig(data.substr(2, 2))) {
            case 0x02:
                return ok(Hex::big(identity_.stepsPerRev[a], 4));
            case 0x03:
                return ok(Hex::big(saturateExtended(toSteps(axisPosition(a, now))), 4));
            case 0x0B:
                return ok(Hex::big(saturateExtended(axis.limitSteps), 4));
            default:
                return err(ErrRange);
            }
        }
        if (data.size() == 10 && sub == 1) {
            if (programOwnsAxis)
                return err(ErrBusy);
            const auto steps = static_cast<int32_t>(*Hex::parseBig(data.substr(2)));
            setPosition(a, steps, now);
            return ok();
        }
        return err(ErrRange);
    }
    case 'C': {
        const auto v = field(4, &error);
        if (!v)
            return error;
        if (*v >= MemorySize)
            return err(ErrRange);
        selected_ = static_cast<uint16_t>(*v);
        return ok();
    }
    case 'n':
        if (!noData())
            return err(ErrLength);
        return ok(Hex::big(memory_[selected_], 1));
    case 'N': {
        const auto v = field(2, &error);
        if (!v)
            return error;
        writeMemory(selected_, static_cast<uint8_t>(*v), now);
        return ok();
    }
    }
    return err(ErrUnknown);
}

std::string MotorController::axisStatus(int index, double now) const {
    const Axis& axis = axes_[index];
    bool running = axis.running;
    bool gotoMode = axis.gotoMode;
    bool fast = axis.fast;
    bool backward = axis.backward;
    if (index == 0 && program_.active) {
        int direction = 1;
        programPosition(now - program_.startSec, &direction);
        running = program_.continuous && program_.stepsPerSec > 0;
        gotoMode = false;
        fast = false;
        backward = direction < 0;
    }
    // First character: bit 0 running at a rate (clear: goto), bit 1 backward, bit 2 fast.
    // Second: bit 0 moving. Third: bit 0 initialised. All stay below 8, so each is a
    // decimal digit whose character code carries the same low bits.
    const unsigned c1 = (gotoMode ? 0u : 1u) | (backward ? 2u : 0u) | (fast ? 4u : 0u);
    const unsigned c2 = running ? 1u : 0u;
    const unsigned c3 = axis.initialised ? 1u : 0u;
    return {Hex::digit(c1), Hex::digit(c2), Hex::digit(c3)};
}

// ---- motion -----------------------------------------------------------------------------

double MotorController::rateFor(const Axis& axis) const {
    if (axis.period == 0)
        return 0.0;
    const double stepsPerSec = double(identity_.timerHz) / axis.period *
                               (axis.fast ? double(identity_.highSpeedRatio) : 1.0);
    return axis.backward ? -stepsPerSec : stepsPerSec;
}

void MotorController::advanceAxis(Axis& axis, double now) {
    if (!axis.running)
        return;
    double end = std::numeric_limits<double>::infinity();
    bool reachesTarget = false;
    if (axis.target) {
        const double distance = std::fabs(*axis.target - axis.basePos);
        const double speed = std::fabs(axis.stepsPerSec);
        if (distance == 0.0 || speed > 0.0) {
            end = axis.baseSec + (distance == 0.0 ? 0.0 : distance / speed);
            reachesTarget = true;
        }
    }
    if (axis.stopAt && *axis.stopAt < end) {
        end = *axis.stopAt;
        reachesTarget = false;
    }
    if (now < end)
        return;
    axis.basePos =
        reachesTarget ? *axis.target : axis.basePos + axis.stepsPerSec * (end - axis.baseSec);
    axis.baseSec = end;
    axis.running = false;
    axis.stepsPerSec = 0;
    axis.target.reset();
    axis.stopAt.reset();
}

double MotorController::axisPosition(int index, double now) const {
    if (index == 0 && program_.active)
        return programPosition(now - program_.startSec, nullptr);
    const Axis& axis = axes_[index];
    if (!axis.running)
        return axis.basePos;
    return axis.basePos + axis.stepsPerSec * (now - axis.baseSec);
}

void MotorController::rebase(int index, double now) {
    Axis& axis = axes_[index];
    axis.basePos = axisPosition(index, now);
    axis.baseSec = now;
}

void MotorController::stopAxisNow(int index, double now) {
    rebase(index, now);
    Axis& axis = axes_[index];
    axis.running = false;
    axis.stepsPerSec = 0;
    axis.target.reset();
    axis.stopAt.reset();
}

void MotorController::setPosition(int index, double steps, double now) {
    Axis& axis = axes_[index];
    const double position = axisPosition(index, now);
    if (axis.target)
        axis.target = steps + (*axis.target - position);
    axis.basePos = steps;
    axis.baseSec = now;
}

// ---- programs ---------------------------------------------------------------------------

double MotorController::programTravel(double elapsed) const {
    const Program& p = program_;
    if (elapsed <= 0)
        return 0.0;
    if (p.continuous)
        return p.stepsPerSec * elapsed;
    // Regular-exposure time-lapse: the axis steps on by one cycle angle after each photo.
    double photos = p.periodSec > 0 ? std::floor(elapsed / p.periodSec + 1e-9) : 0.0;
    if (p.cycles > 0)
        photos = std::min(photos, double(p.cycles));
    return photos * p.cycleSteps;
}

double MotorController::programPosition(double elapsed, int* direction) const {
    const Program& p = program_;
    double travel = programTravel(elapsed);
    int sign = 1;
    if (p.swingSteps > 0) {
        // Swinging: back and forth between the start and one swing range away.
        const double phase = std::fmod(travel, 2 * p.swingSteps);
        if (phase > p.swingSteps) {
            travel = 2 * p.swingSteps - phase;
            sign = -1;
        } else {
            travel = phase;
        }
    }
    if (direction)
        *direction = sign * p.direction;
    return p.startPos + p.direction * travel;
}

void MotorController::startProgram(int mode, double now) {
    const double startPos = axisPosition(0, now);
    if (program_.active)
        endProgram(now, "program-stop");
    stopAxisNow(0, now);

    Program p;
    p.active = true;
    p.mode = mode;
    p.startSec = now;
    const uint32_t period = getU32(Addr::Period);
    p.periodSec = identity_.millisecondPeriods() ? period / 1000.0 : double(period);
    p.cycles = getU32(Addr::Cycles);
    const uint32_t stride = getU32(Addr::Stride);
    p.stepsPerSec = stride ? double(identity_.timerHz) / stride : 0.0;
    p.direction = memory_[Addr::Direction] ? -1 : 1;
    p.continuous = mode != 2;
    p.cycleSteps = std::fabs(double(static_cast<int32_t>(getU32(Addr::CycleSteps))));
    const auto swingDeg = static_cast<int32_t>(getU32(Addr::SwingRange));
    if (memory_[Addr::SwingEnabled] && swingDeg > 0)
        p.swingSteps = double(identity_.stepsPerRev[0]) * swingDeg / 360.0;
    p.dithering = identity_.millisecondPeriods() && memory_[Addr::Dithering] != 0;
    p.startPos = startPos;
    program_ = p;

    memory_[Addr::RunningMode] = static_cast<uint8_t>(mode);
    putU32(Addr::PhotoCount, 0);
    event(now, "program-start", mode);
    if (memory_[Addr::WifiOffOnStart] && wifiOn_) {
        wifiOn_ = false;
        event(now, "wifi-off");
    }
}

void MotorController::endProgram(double atSec, const char* name) {
    Program& p = program_;
    Axis& axis = axes_[0];
    axis.basePos = programPosition(atSec - p.startSec, nullptr);
    axis.baseSec = atSec;
    axis.running = false;
    axis.stepsPerSec = 0;
    axis.target.reset();
    axis.stopAt.reset();
    p.active = false;
    memory_[Addr::RunningMode] = 0;
    event(atSec, name, p.mode);
}

void MotorController::advanceProgram(double now) {
    Program& p = program_;
    if (!p.active || p.periodSec <= 0)
        return;
    const double elapsed = now - p.startSec;
    const double photos = std::floor(elapsed / p.periodSec + 1e-9);
    if (p.cycles > 0 && photos >= p.cycles) {
        p.photos = p.cycles;
        putU32(Addr::PhotoCount, p.cycles);
        endProgram(p.startSec + p.cycles * p.periodSec, "program-end");
        return;
    }
    p.photos = static_cast<uint32_t>(std::clamp(photos, 0.0, 4294967295.0));
    putU32(Addr::PhotoCount, p.photos);
}

void MotorController::advance(double now) {
    advanceProgram(now);
    for (int i = 0; i < 2; ++i)
        if (!(i == 0 && program_.active))
            advanceAxis(axes_[i], now);
    if (faults_.busyStuck)
        return;
    if (programBusyUntil_ && now >= *programBusyUntil_) {
        memory_[Addr::RequestedMode] = 0;
        programBusyUntil_.reset();
    }
    if (wifiBusyUntil_ && now >= *wifiBusyUntil_) {
        memory_[Addr::WifiApply] = 0;
        wifiBusyUntil_.reset();
    }
}

// ---- parameter memory -------------------------------------------------------------------

void MotorController::writeMemory(uint16_t address, uint8_t value, double now) {
    memory_[address] = value;
    switch (address) {
    case Addr::RequestedMode:
        if (value == 0) {
            programBusyUntil_.reset();
            if (program_.active)
                endProgram(now, "program-stop");
        } else {
            // An unknown mode is taken as a request like any other and then dropped.
            if (value <= 4)
                startProgram(value, now);
            programBusyUntil_ = now + behaviour_.programBusySec;
        }
        break;
    case Addr::WifiApply:
        if (value) {
            wifiBusyUntil_ = now + behaviour_.wifiApplyBusySec;
            uint64_t digest = 14695981039346656037ull; // FNV-1a
            for (uint16_t a = Addr::WifiMode; a < Addr::StaFixedIp + 16; ++a)
                digest = (digest ^ memory_[a]) * 1099511628211ull;
            event(now, "wifi-apply", static_cast<int64_t>(digest));
        } else {
            wifiBusyUntil_.reset();
        }
        break;
    case Addr::LightOn:
    case Addr::LightOff:
        if (value) {
            const bool on = address == Addr::LightOn;
            if (identity_.hasPolarLight())
                lightOn_ = on;
            event(now, on ? "light-on" : "light-off");
        }
        break;
    case Addr::ConnectMark:
        if (value)
            event(now, "connect-mark");
        break;
    case Addr::DisconnectMark:
        if (value)
            event(now, "disconnect-mark");
        break;
    case Addr::SettingsCommit:
        if (value)
            event(now, "settings-commit");
        break;
    default:
        break;
    }
}

void MotorController::putU32(uint16_t address, uint32_t value) {
    for (int i = 0; i < 4 && address + i < int(MemorySize); ++i)
        memory_[address + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t MotorController::getU32(uint16_t address) const {
    uint32_t value = 0;
    for (int i = 0; i < 4 && address + i < int(MemorySize); ++i)
        value |= uint32_t(memory_[address + i]) << (8 * i);
    return value;
}

void MotorController::event(double now, std::string name, int64_t value) {
    events_.push_back({now, std::move(name), value});
}

// ---- direct access ----------------------------------------------------------------------

Identity MotorController::identity() const {
    std::lock_guard lock(mutex_);
    return identity_;
}

Behaviour MotorController::behaviour() const {
    std::lock_guard lock(mutex_);
    return behaviour_;
}

void MotorController::setBehaviour(const Behaviour& behaviour) {
    std::lock_guard lock(mutex_);
    behaviour_ = behaviour;
}

Faults MotorController::faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void MotorController::setFaults(const Faults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

void MotorController::setSilent(bool silent) {
    std::lock_guard lock(mutex_);
    faults_.silent = silent;
    if (!silent) {
        faults_.silentAfter.reset();
        faults_.silentFromSec.reset();
    }
}

void MotorController::setBusyStuck(bool stuck) {
    std::lock_guard lock(mutex_);
    faults_.busyStuck = stuck;
}

void MotorController::reseed(uint64_t seed) {
    std::lock_guard lock(mutex_);
    rng_.seed(seed);
}

double MotorController::nowSec() const {
    return clock_->nowSec();
}

uint64_t MotorController::requestCount() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

uint8_t MotorController::memoryByte(uint16_t address) {
    std::lock_guard lock(mutex_);
    advance(clock_->nowSec());
    return address < MemorySize ? memory_[address] : 0;
}

uint16_t MotorController::memoryU16(uint16_t address) {
    std::lock_guard lock(mutex_);
    advance(clock_->nowSec());
    if (address + 1 >= int(MemorySize))
        return 0;
    return static_cast<uint16_t>(memory_[address] | memory_[address + 1] << 8);
}

uint32_t MotorController::memoryU32(uint16_t address) {
    std::lock_guard lock(mutex_);
    advance(clock_->nowSec());
    return address < MemorySize ? getU32(address) : 0;
}

std::string MotorController::memoryString(uint16_t address, size_t maxLength) {
    std::lock_guard lock(mutex_);
    advance(clock_->nowSec());
    std::string text;
    for (size_t i = 0; i < maxLength && address + i < MemorySize; ++i) {
        const uint8_t b = memory_[address + i];
        if (b == 0)
            break;
        text += static_cast<char>(b);
    }
    return text;
}

std::array<uint8_t, MemorySize> MotorController::memory() {
    std::lock_guard lock(mutex_);
    advance(clock_->nowSec());
    return memory_;
}

void MotorController::setMemoryByte(uint16_t address, uint8_t value) {
    std::lock_guard lock(mutex_);
    if (address < MemorySize)
        memory_[address] = value;
}

void MotorController::setMemoryU16(uint16_t address, uint16_t value) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < 2 && address + i < int(MemorySize); ++i)
        memory_[address + i] = static_cast<uint8_t>(value >> (8 * i));
}

void MotorController::setMemoryU32(uint16_t address, uint32_t value) {
    std::lock_guard lock(mutex_);
    putU32(address, value);
}

void MotorController::setMemoryString(uint16_t address, size_t fieldLength,
                                      const std::string& text) {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < fieldLength && address + i < MemorySize; ++i)
        memory_[address + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
}

AxisSnapshot MotorController::axis(int index) {
    std::lock_guard lock(mutex_);
    const double now = clock_->nowSec();
    advance(now);
    const int i = std::clamp(index, 0, 1);
    const Axis& a = axes_[i];
    AxisSnapshot s;
    s.positionSteps = axisPosition(i, now);
    s.running = a.running;
    s.gotoMode = a.gotoMode;
    s.fast = a.fast;
    s.backward = a.backward;
    s.initialised = a.initialised;
    s.stepsPerSec = a.running ? a.stepsPerSec : 0.0;
    s.periodTicks = a.period;
    s.gotoSteps = a.gotoSteps;
    s.brakeSteps = a.brakeSteps;
    s.limitSteps = a.limitSteps;
    if (i == 0 && program_.active) {
        int direction = 1;
        programPosition(now - program_.startSec, &direction);
        s.running = program_.continuous && program_.stepsPerSec > 0;
        s.gotoMode = false;
        s.backward = direction < 0;
        s.stepsPerSec = program_.continuous ? direction * program_.stepsPerSec : 0.0;
    }
    return s;
}

void MotorController::setAxisPosition(int index, double steps) {
    std::lock_guard lock(mutex_);
    const double now = clock_->nowSec();
    advance(now);
    setPosition(std::clamp(index, 0, 1), steps, now);
}

void MotorController::setAxisInitialised(int index, bool initialised) {
    std::lock_guard lock(mutex_);
    axes_[std::clamp(index, 0, 1)].initialised = initialised;
}

void MotorController::setLimitSteps(int index, int64_t steps) {
    std::lock_guard lock(mutex_);
    axes_[std::clamp(index, 0, 1)].limitSteps = steps;
}

ProgramSnapshot MotorController::program() {
    std::lock_guard lock(mutex_);
    const double now = clock_->nowSec();
    advance(now);
    const Program& p = program_;
    ProgramSnapshot s;
    s.active = p.active;
    s.mode = p.mode;
    s.photos = p.photos;
    s.startSec = p.startSec;
    s.periodSec = p.periodSec;
    s.cycles = p.cycles;
    s.stepsPerSec = p.stepsPerSec;
    s.backward = p.direction < 0;
    s.dithering = p.dithering;
    return s;
}

uint32_t MotorController::baudRate() const {
    std::lock_guard lock(mutex_);
    return baud_;
}

void MotorController::setBaudRate(uint32_t baud) {
    std::lock_guard lock(mutex_);
    baud_ = baud;
}

bool MotorController::wifiOn() const {
    std::lock_guard lock(mutex_);
    return wifiOn_;
}

void MotorController::setWifiOn(bool on) {
    std::lock_guard lock(mutex_);
    wifiOn_ = on;
}

bool MotorController::polarLightOn() const {
    std::lock_guard lock(mutex_);
    return lightOn_;
}

std::vector<SimEvent> MotorController::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

size_t MotorController::eventCount(std::string_view name) const {
    std::lock_guard lock(mutex_);
    return std::count_if(events_.begin(), events_.end(),
                         [&](const SimEvent& e) { return e.name == name; });
}

void MotorController::clearEvents() {
    std::lock_guard lock(mutex_);
    events_.clear();
}

} // namespace JEX::Sim
