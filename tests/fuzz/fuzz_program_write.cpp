// velmoractl's program JSON (after a byte that picks firmware 3.10 or 3.09) written into a
// parameter memory through the console's conversers: written exactly when the range check
// finds nothing, and read back within half a stored unit (counts and flags exactly). Each
// task profile filled with the read-back program offers it whenever the profile is valid.

#include "CtlArgs.h"
#include "CtlPlan.h"
#include "EEPROMConverser.h"
#include "FuzzSupport.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "ManualClock.h"
#include "TAVOParamMemory.h"
#include "TaskProfile_AP.h"
#include "TaskProfile_ATL.h"
#include "TaskProfile_RegLong.h"

#include <QJsonDocument>

#include <cmath>
#include <memory>

using namespace JEX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool milliseconds = !(data[0] & 1);
    QString error;
    const auto parsed = Ctl::parseProgram(Fuzz::qbytes(data + 1, size - 1), &error);
    if (!parsed)
        return 0;
    const TAVOParamSet& p = *parsed;
    // A negative speed makes the device throw (a contract breach): velmoractl never takes one.
    FUZZ_CHECK(p.speedDps >= 0, "speed %.17g accepted", p.speedDps);

    auto mount = std::make_shared<Fuzz::MemoryController>();
    mount->firmware.minor = milliseconds ? 10 : 9;
    auto converser = std::make_shared<JexConverser>(mount);
    JexDevice device(converser);
    FUZZ_CHECK(device.init(true, 1) == CmdRetType::Ok, "device init");
    EEPROMConverser eeprom(converser);
    const Test::ManualClock clock(1'700'000'123'456);
    const QString refusal = programOutOfRange(device, p);
    const auto blank = mount->memory;
    const bool written = writeProgram(eeprom, device, clock, p, false).ok();
    FUZZ_CHECK(written == refusal.isEmpty(), "written %d, range check '%s'", int(written),
               qPrintable(refusal));
    FUZZ_CHECK(written || mount->memory == blank, "a refused program changed the memory");
    if (!written)
        return 0;
    // The memory controller runs nothing: a mount that took the request reports it running.
    mount->memory[TAVOAddr::RunningMode] = mount->memory[TAVOAddr::RequestedMode];
    const CmdResp<ReadTAVOParamSet> read = readProgram(eeprom, device);
    FUZZ_CHECK(read.ok(), "program read back");
    const TAVOParamSet& b = read.get().paramSet;
    const auto near = [](double got, double want, double unit) {
        return std::abs(got - want) <= unit * 0.5 * (1 + 1e-9) + std::abs(want) * 1e-15;
    };
    const double stepDeg = 360.0 / mount->stepsPerRev;
    // Only firmware with millisecond periods keeps dithering, and only for astrophotography.
    const bool dithering = p.ditheringEnabled && milliseconds && p.mode == TAVOMode_::E::AP;
    // The speed is kept as a step period in timer ticks, the angles as steps.
    const double trueStride = mount->timerHz * 360.0 / mount->stepsPerRev / p.speedDps;
    const uint32_t stride = eeprom.readU32(TAVOAddr::Stride).get();
    const auto json = [](const TAVOParamSet& x) { return QJsonDocument(Ctl::programJson(x)); };
    FUZZ_CHECK(
        b.mode == p.mode && b.N_Cycles == p.N_Cycles && b.clockwise == p.clockwise &&
            b.swingEnabled == p.swingEnabled && b.ditheringEnabled == dithering &&
            near(b.cycleSec, p.cycleSec, milliseconds ? 0.001 : 1.0) &&
            near(b.exposureSec, p.exposureSec, 0.1) && near(b.auxTimeSec, p.auxTimeSec, 0.01) &&
            near(b.cycleAngleDeg, p.cycleAngleDeg, stepDeg) &&
            (!p.swingEnabled || near(b.swingRangeDeg, p.swingRangeDeg, 1.0)) &&
            (!dithering || near(b.ditheringRangeDeg, p.ditheringRangeDeg, stepDeg)) &&
            (p.speedDps == 0 ? stride == 0 : near(stride, trueStride, 1 + 2e-12 * trueStride)),
        "%s written as %s (step period %u ticks for %.17g)", json(p).toJson().constData(),
        json(b).toJson().constData(), stride, trueStride);

    std::unique_ptr<ITaskProfile> profiles[] = {
        std::make_unique<TaskProfile_AP>(nullptr), std::make_unique<TaskProfile_ATL>(nullptr),
        std::make_unique<TaskProfile_RegLong>(true), std::make_unique<TaskProfile_RegLong>(false)};
    for (const auto& profile : profiles) {
        profile->updateWithParamSet(b);
        FUZZ_CHECK(!profile->valid() ||
                       (profile->errorMessage().isEmpty() && profile->paramSetValue() == b),
                   "%s valid but offers another program", profile->metaObject()->className());
    }
    return 0;
}
