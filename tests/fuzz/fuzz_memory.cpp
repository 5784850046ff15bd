// The parameter-memory record decoders (program, status, power, Wi-Fi and the timers) over
// any memory contents. The first input byte picks the controller model, the rest is the
// memory image. A Wi-Fi record read and written back leaves the memory reading the same
// record; a program read, written, read and written again writes the same bytes both times.

#include "EEPROMConverser.h"
#include "FuzzSupport.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "ManualClock.h"
#include "MemoryKVStore.h"
#include "TAVOParamMemory.h"
#include "TAVOSettings.h"
#include "TAVOSync.h"
#include "TAVOTaskState.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>

using namespace JEX;

namespace {

class NoWait : public IWaitable {
public:
    bool wait(uint32_t) override { return false; }
};

struct Model {
    uint8_t minor;
    uint8_t board;
};
constexpr Model kModels[] = {{10, 0x08}, {10, 0x0A}, {9, 0x08}, {39, 0x80}};

bool sameText(const std::string& raw, const QString& decoded) {
    return decoded.toUtf8().toStdString() == raw;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz::Reader in(data, size);
    auto mount = std::make_shared<Fuzz::MemoryController>();
    const Model model = kModels[in.byte() % std::size(kModels)];
    mount->firmware.minor = model.minor;
    mount->firmware.boardId = model.board;
    const Bytes image = in.rest();
    std::copy_n(image.begin(), std::min(image.size(), Fuzz::MemoryController::kSize),
                mount->memory.begin());

    auto converser = std::make_shared<JexConverser>(mount);
    auto device = std::make_shared<JexDevice>(converser);
    FUZZ_CHECK(device->init(true, 1) == CmdRetType::Ok, "device init");
    auto eeprom = std::make_shared<EEPROMConverser>(converser);
    auto clock = std::make_shared<Test::ManualClock>(1'700'000'123'456);
    TAVOSync sync(
        TAVOSync::D{clock, std::make_shared<NoWait>(), std::make_shared<TAVOTaskState>(),
                    std::make_shared<TAVOSettings>(std::make_shared<Test::MemoryKVStore>()),
                    converser, device, nullptr, eeprom});
    const auto& m = mount->memory;
    const auto u16 = [&m](size_t a) { return uint16_t(m[a] | m[a + 1] << 8); };
    const auto u32 = [&m](size_t a) {
        return uint32_t(m[a]) | uint32_t(m[a + 1]) << 8 | uint32_t(m[a + 2]) << 16 |
               uint32_t(m[a + 3]) << 24;
    };

    const CmdResp<TAVOStatus> status = sync.readStatus();
    FUZZ_CHECK(status.ok(), "status read");
    FUZZ_CHECK(int(status.get().mode) == int8_t(m[0]) &&
                   status.get().numberOfPictureTaken == int32_t(u32(0x10)),
               "status mode %d pictures %d", int(status.get().mode),
               status.get().numberOfPictureTaken);

    const CmdResp<TAVOPowerStatus> power = sync.readPowerStatus();
    FUZZ_CHECK(power.ok(), "power read");
    FUZZ_CHECK(power.get().batteryVolt * 100 == double(int16_t(u16(0x04))) ||
                   std::abs(power.get().batteryVolt * 100 - int16_t(u16(0x04))) < 1e-6,
               "battery %f from %04X", power.get().batteryVolt, u16(0x04));

    FUZZ_CHECK(sync.readWifiTimeoutSec().get() == u32(0x84), "Wi-Fi auto-off");
    FUZZ_CHECK(sync.readAutoShutdownSec().ok(), "auto shut-down");
    FUZZ_CHECK(sync.readPolarSightLightTimeoutSec().ok(), "light auto-off");
    FUZZ_CHECK(sync.readPowerOnAutoPreviousTask().ok(), "auto-run");
    FUZZ_CHECK(sync.readDeviceName().ok(), "device name");

    const CmdResp<WifiSettings> wifi = sync.readWifiSettings();
    FUZZ_CHECK(wifi.ok(), "Wi-Fi read");
    const WifiSettings& w = wifi.get();
    const auto raw = [&eeprom](uint16_t address, uint16_t length) {
        return eeprom->readString(address, length).get();
    };
    const bool textsKept = sameText(raw(TAVOAddr::ApSsid, 32), w.AP_SSID) &&
                           sameText(raw(TAVOAddr::ApPass, 63), w.AP_pass) &&
                           sameText(raw(TAVOAddr::StaSsid, 32), w.STA_SSID) &&
                           sameText(raw(TAVOAddr::StaPass, 63), w.STA_pass) &&
                           sameText(raw(TAVOAddr::StaFixedIp, 15), w.STA_fixedIP);
    const auto before = mount->memory;
    mount->memory[TAVOAddr::WifiApply] = 0;
    // Bytes that are not UTF-8 come back as replacement characters, longer than the field:
    // writing such a record is a caller's error (the contract breach for overlong texts), so
    // only faithfully decoded records go back.
    if (textsKept && sync.writeWifiSettings(w).type == CmdRetType::Ok) {
        const CmdResp<WifiSettings> again = sync.readWifiSettings();
        FUZZ_CHECK(again.ok() && again.get() == w,
                   "Wi-Fi record changed on its way back: mode %d sec %d '%s'", int(w.mode),
                   int(w.AP_SEC), qPrintable(w.AP_SSID));
    }
    mount->memory = before;

    const CmdResp<ReadTAVOParamSet> program = sync.readParamSet();
    FUZZ_CHECK(program.ok(), "program read");
    TAVOParamSet p = program.get().paramSet;
    if (p.speedDps >= 0 && writeProgram(*eeprom, *device, *clock, p, false).ok()) {
        const auto once = mount->memory;
        const CmdResp<ReadTAVOParamSet> back = readProgram(*eeprom, *device);
        FUZZ_CHECK(back.ok(), "program read back");
        FUZZ_CHECK(writeProgram(*eeprom, *device, *clock, back.get().paramSet, false).ok(),
                   "program written again");
        for (size_t a = 0; a < once.size(); ++a)
            FUZZ_CHECK(once[a] == mount->memory[a],
                       "byte %03zX written %02X then %02X (speed %.9g dps, cycle %.9g s)", a,
                       once[a], mount->memory[a], p.speedDps, p.cycleSec);
    }
    return 0;
}
