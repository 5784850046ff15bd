#include "TAVOParamMemory.h"

#include "Log.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace JEX {
namespace {

constexpr uint32_t kVersion3_10 = 0x030A;
constexpr uint8_t kVelmoraWifiBoard = 0x0A;
constexpr double kPi = 3.14159265358979323846;
constexpr double kMinDitherGapSec = 5.0;

double degToRad(double deg) {
    return deg / 180.0 * kPi;
}

double radToDeg(double rad) {
    return rad * 180.0 / kPi;
}

uint32_t low32(int64_t value) {
    return static_cast<uint32_t>(static_cast<uint64_t>(value));
}

} // namespace

bool supportsMillisecondPeriods(const IJexDevice& device) {
    return device.firmware(0).version() >= kVersion3_10;
}

bool isVelmoraWifiBoard(const IJexDevice& device) {
    return device.boardId() == kVelmoraWifiBoard;
}

double effectiveCycleSec(const TAVOParamSet& params) {
    if (!params.ditheringEnabled)
        return params.cycleSec;
    const double gap = std::max(kMinDitherGapSec, params.cycleSec - params.exposureSec);
    // Without a speed there is no dithering move to time; an infinite period would help no one.
    const double move = params.speedDps > 0 ? params.ditheringRangeDeg / params.speedDps : 0.0;
    return (std::max(move, gap) + gap) * 0.25 + gap * 0.5 + params.exposureSec;
}

uint32_t storedU32(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    return low32(std::llround(std::clamp(value, -limit, limit)));
}

QString programOutOfRange(const IJexDevice& device, const TAVOParamSet& p) {
    constexpr double kMax = 2147483647.0;
    const auto text = [](const char* s) { return QCoreApplication::translate("mount", s); };
    const auto refusal = [&](const char* field, double limit, const char* unit) {
        // The limit rounded down to what still fits.
        const QString shown = QString::number(std::floor(limit * 1000.0) / 1000.0, 'g', 13);
        return QCoreApplication::translate("mount",
                                           "%1 must be from 0 to %2%3 for the mount to hold it.")
            .arg(text(field), shown, QString::fromUtf8(unit));
    };
    // A value stored as a whole number of 1/scale units.
    const auto fits = [&](double value, double scale, const char* field, const char* unit) {
        return std::isfinite(value) && value >= 0 && std::round(value * scale) <= kMax
                   ? QString()
                   : refusal(field, kMax / scale, unit);
    };
    // An angle stored in steps of axis 1, either way round.
    const auto angle = [&](double deg, const char* field) {
        const double stepsPerDeg = std::abs(double(device.angleToSteps(0, degToRad(1.0))));
        const double limit = kMax / (stepsPerDeg > 0 ? stepsPerDeg : 1.0);
        if (std::isfinite(deg) && std::abs(deg) <= limit)
            return QString();
        const QString shown = QString::number(std::floor(limit * 1000.0) / 1000.0, 'g', 13);
        return QCoreApplication::translate(
                   "mount", "%1 must be between -%2° and %2° for the mount to hold it.")
            .arg(text(field), shown);
    };
    // A speed is stored as the timer ticks between two steps: too slow a speed would wrap
    // to a short period (a fast turn), too fast a one would round to 0 (no turn at all).
    const auto speed = [&](double dps) {
        const double fastestDps = radToDeg(device.strideToRps(0, 1));
        const double slowestDps = radToDeg(device.strideToRps(0, uint32_t(kMax)));
        // A negative speed is the caller's breach of the device's contract, not a range.
        const bool fits =
            std::isfinite(dps) && (dps <= 0 || (device.rpsToStride(0, degToRad(dps)) >= 1 &&
                                                device.rpsToStride(0, degToRad(dps)) <= kMax));
        if (fits)
            return QString();
        // Four significant digits, rounded towards what still fits.
        const auto shown = [](double v, bool up) {
            const double scale = std::pow(10.0, 3 - std::floor(std::log10(v)));
            return QString::number((up ? std::ceil(v * scale) : std::floor(v * scale)) / scale, 'g',
                                   10);
        };
        return QCoreApplication::translate(
                   "mount", "%1 must be 0 or from %2 to %3 °/h for the mount to hold it.")
            .arg(QCoreApplication::translate("mount", QT_TRANSLATE_NOOP("mount", "Speed")),
                 shown(slowestDps * 3600, true), shown(fastestDps * 3600, false));
    };
    const double periodScale = supportsMillisecondPeriods(device) ? 1000.0 : 1.0;
    for (const QString& error :
         {fits(p.cycleSec, periodScale, QT_TRANSLATE_NOOP("mount", "Frame period"), " s"),
          fits(p.exposureSec, 10.0, QT_TRANSLATE_NOOP("mount", "Exposure"), " s"),
          fits(p.auxTimeSec, 100.0, QT_TRANSLATE_NOOP("mount", "Interval"), " s"),
          angle(p.cycleAngleDeg, QT_TRANSLATE_NOOP("mount", "Angle per frame")),
          p.ditheringEnabled
              ? angle(p.ditheringRangeDeg, QT_TRANSLATE_NOOP("mount", "Dithering range"))
              : QString(),
          p.swingEnabled
              ? fits(p.swingRangeDeg, 1.0, QT_TRANSLATE_NOOP("mount", "Swing range"), "°")
              : QString(),
          fits(p.N_Cycles, 1.0, QT_TRANSLATE_NOOP("mount", "Photos"), ""), speed(p.speedDps)}) {
        if (!error.isEmpty())
            return error;
    }
    return {};
}

CmdResp<int64_t> writeProgram(IEEPROMConverser& eeprom, const IJexDevice& device,
                              const IClock& clock, const TAVOParamSet& p, bool wifiOffOnStart,
                              const std::function<CmdRetType()>& start) {
    if (const QString refusal = programOutOfRange(device, p); !refusal.isEmpty()) {
        log("Program refused: %s", qUtf8Printable(refusal));
        return CmdRetType::Other;
    }
    const bool milliseconds = supportsMillisecondPeriods(device);
    // Converted before the first write, so that a speed the device refuses leaves the mount
    // untouched.
    const uint32_t stride = low32(device.rpsToStride(0, degToRad(p.speedDps)));
    const uint32_t cycleSteps = low32(device.angleToSteps(0, degToRad(p.cycleAngleDeg)));
    const uint32_t ditherSteps = low32(device.angleToSteps(0, degToRad(p.ditheringRangeDeg)));
    CmdRetType r = eeprom.writeByte(TAVOAddr::WifiOffOnStart, wifiOffOnStart ? 1 : 0);
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeU32(TAVOAddr::Cycle, storedU32(p.cycleSec * (milliseconds ? 1000.0 : 1.0)));
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeU32(TAVOAddr::AuxTimeCentiSec, storedU32(p.auxTimeSec * 100.0));
    if (r != CmdRetType::Ok)
        return r;
    if (p.swingEnabled) {
        r = eeprom.writeU32(TAVOAddr::SwingRangeDeg, storedU32(p.swingRangeDeg));
        if (r != CmdRetType::Ok)
            return r;
    }
    r = eeprom.writeByte(TAVOAddr::SwingEnabled, p.swingEnabled ? 1 : 0);
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeByte(TAVOAddr::CounterClockwise, p.clockwise ? 0 : 1);
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeU32(TAVOAddr::Stride, stride);
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeU32(TAVOAddr::ExposureDeciSec, storedU32(p.exposureSec * 10.0));
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeU32(TAVOAddr::Cycles, static_cast<uint32_t>(p.N_Cycles));
    if (r != CmdRetType::Ok)
        return r;
    r = eeprom.writeU32(TAVOAddr::CycleSteps, cycleSteps);
    if (r != CmdRetType::Ok)
        return r;
    if (milliseconds) {
        r = eeprom.writeByte(TAVOAddr::DitheringEnabled, p.ditheringEnabled ? 1 : 0);
        if (r != CmdRetType::Ok)
            return r;
        if (p.ditheringEnabled) {
            r = eeprom.writeU32(TAVOAddr::DitheringSteps, ditherSteps);
            if (r != CmdRetType::Ok)
                return r;
        }
    }
    const int64_t startMs = clock.nowMs();
    r = eeprom.writeU32(TAVOAddr::StartTime, low32(startMs));
    if (r != CmdRetType::Ok)
        return r;
    r = start ? start()
              : eeprom.writeByte(TAVOAddr::RequestedMode,
                                 static_cast<uint8_t>(static_cast<int32_t>(p.mode)));
    if (r != CmdRetType::Ok)
        return r;
    return startMs;
}

CmdResp<ReadTAVOParamSet> readProgram(IEEPROMConverser& eeprom, const IJexDevice& device) {
    const bool milliseconds = supportsMillisecondPeriods(device);
    ReadTAVOParamSet out;
    TAVOParamSet& p = out.paramSet;

    const CmdResp<uint8_t> mode = eeprom.readByte(TAVOAddr::RunningMode);
    if (!mode.ok())
        return mode.type;
    p.mode = static_cast<TAVOMode_::E>(static_cast<int8_t>(mode.get()));

    const CmdResp<uint8_t> ccw = eeprom.readByte(TAVOAddr::CounterClockwise);
    if (!ccw.ok())
        return ccw.type;
    p.clockwise = ccw.get() == 0;

    const CmdResp<uint32_t> stride = eeprom.readU32(TAVOAddr::Stride);
    if (!stride.ok())
        return stride.type;
    p.speedDps = radToDeg(device.strideToRps(0, stride.get()));

    const CmdResp<uint32_t> cycle = eeprom.readU32(TAVOAddr::Cycle);
    if (!cycle.ok())
        return cycle.type;
    p.cycleSec = cycle.get() / (milliseconds ? 1000.0 : 1.0);
    p.effectiveCycleSec = p.cycleSec;

    const CmdResp<uint32_t> cycles = eeprom.readU32(TAVOAddr::Cycles);
    if (!cycles.ok())
        return cycles.type;
    p.N_Cycles = static_cast<int32_t>(cycles.get());

    const CmdResp<uint8_t> swing = eeprom.readByte(TAVOAddr::SwingEnabled);
    if (!swing.ok())
        return swing.type;
    p.swingEnabled = swing.get() != 0;

    const CmdResp<uint32_t> swingRange = eeprom.readU32(TAVOAddr::SwingRangeDeg);
    if (!swingRange.ok())
        return swingRange.type;
    p.swingRangeDeg = static_cast<int32_t>(swingRange.get());

    const CmdResp<uint32_t> exposure = eeprom.readU32(TAVOAddr::ExposureDeciSec);
    if (!exposure.ok())
        return exposure.type;
    p.exposureSec = exposure.get() / 10.0;

    const CmdResp<uint32_t> aux = eeprom.readU32(TAVOAddr::AuxTimeCentiSec);
    if (!aux.ok())
        return aux.type;
    p.auxTimeSec = aux.get() / 100.0;

    const CmdResp<uint32_t> steps = eeprom.readU32(TAVOAddr::CycleSteps);
    if (!steps.ok())
        return steps.type;
    p.cycleAngleDeg = radToDeg(device.stepsToAngle(0, static_cast<int32_t>(steps.get())));

    if (milliseconds && p.mode == TAVOMode_::E::AP) {
        const CmdResp<uint8_t> dithering = eeprom.readByte(TAVOAddr::DitheringEnabled);
        if (!dithering.ok())
            return dithering.type;
        p.ditheringEnabled = dithering.get() != 0;
        if (p.ditheringEnabled) {
            const CmdResp<uint32_t> range = eeprom.readU32(TAVOAddr::DitheringSteps);
            if (!range.ok())
                return range.type;
            p.ditheringRangeDeg =
                radToDeg(device.stepsToAngle(0, static_cast<int32_t>(range.get())));
            p.effectiveCycleSec = effectiveCycleSec(p);
        }
    }

    const CmdResp<uint32_t> start = eeprom.readU32(TAVOAddr::StartTime);
    if (!start.ok())
        return start.type;
    out.startTimeUnixMs = start.get();
    return out;
}

} // namespace JEX
