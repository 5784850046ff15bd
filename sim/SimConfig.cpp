#include "SimConfig.h"

namespace JEX::Sim {

namespace {
Identity make(uint8_t major, uint8_t minor, uint8_t board, uint32_t steps, uint32_t timerHz,
              uint32_t ratio, std::optional<uint32_t> extendedStatus) {
    Identity id;
    id.firmwareMajor = major;
    id.firmwareMinor = minor;
    id.boardId = board;
    id.stepsPerRev = {steps, steps};
    id.timerHz = timerHz;
    id.highSpeedRatio = ratio;
    id.extendedStatus = extendedStatus;
    return id;
}
} // namespace

const std::vector<Preset>& presets() {
    static const std::vector<Preset> list{
        {"3.10-08", "firmware 3.10, board 0x08: polar-scope light, dithering, millisecond periods",
         make(3, 10, 0x08, 2073600, 1500000, 16, 0x000000)},
        {"3.10-0A", "firmware 3.10, board 0x0A: mode dial, no polar-scope light",
         make(3, 10, 0x0A, 2592000, 2000000, 16, 0x000000)},
        {"3.09-08", "firmware 3.09, board 0x08: no dithering, whole-second periods, no 'q'",
         make(3, 9, 0x08, 2073600, 1500000, 16, std::nullopt)},
        {"3.39-80", "firmware 3.39, board 0x80: extended 'X' commands",
         make(3, 39, 0x80, 1452951, 16000000, 32, 0x153000)},
    };
    return list;
}

std::optional<Identity> presetIdentity(std::string_view name) {
    for (const auto& preset : presets())
        if (preset.name == name)
            return preset.identity;
    return std::nullopt;
}

} // namespace JEX::Sim
