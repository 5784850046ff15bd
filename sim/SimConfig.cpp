#include "SimConfig.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

namespace {

std::optional<double> number(std::string_view text, std::string_view unit = {}) {
    if (!unit.empty() && text.size() > unit.size() &&
        text.substr(text.size() - unit.size()) == unit)
        text.remove_suffix(unit.size());
    const std::string s(text);
    char* end = nullptr;
    const double value = s.empty() ? 0 : std::strtod(s.c_str(), &end);
    if (s.empty() || end != s.c_str() + s.size() || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::string> applyFaultSpec(std::string_view spec, Faults& faults, uint64_t& seed) {
    Faults f = faults;
    uint64_t s = seed;
    size_t start = 0;
    while (start <= spec.size()) {
        const size_t comma = std::min(spec.find(',', start), spec.size());
        const std::string_view item = spec.substr(start, comma - start);
        start = comma + 1;
        const size_t eq = item.find('=');
        const std::string_view key = item.substr(0, eq);
        const std::string_view value = eq == std::string_view::npos ? "" : item.substr(eq + 1);
        const auto bad = [&] { return "not understood: '" + std::string(item) + "'"; };
        if (key == "silence") {
            const size_t at = value.find('@');
            const auto duration = number(value.substr(0, at), "s");
            const auto from = at == std::string_view::npos ? std::optional<double>(0.0)
                                                           : number(value.substr(at + 1), "s");
            if (!duration || !from)
                return bad();
            f.silentForSec = *duration;
            f.silentFromSec = *from;
        } else if (key == "delay" || key == "seed") {
            const auto v = number(value, key == "delay" ? "ms" : "");
            if (!v || *v != std::floor(*v) || *v > 1e9)
                return bad();
            if (key == "delay")
                f.fixedDelayMs = int(*v);
            else
                s = uint64_t(*v);
        } else {
            const std::pair<std::string_view, std::vector<double*>> probabilities[] = {
                {"loss", {&f.requestLoss, &f.replyLoss}},
                {"request-loss", {&f.requestLoss}},
                {"reply-loss", {&f.replyLoss}},
                {"reject", {&f.reject}},
                {"late", {&f.late}},
                {"garbage", {&f.garbage}},
                {"duplicate", {&f.duplicate}}};
            const auto known = std::find_if(std::begin(probabilities), std::end(probabilities),
                                            [&](const auto& p) { return p.first == key; });
            const auto p = number(value);
            if (known == std::end(probabilities) || !p || *p > 1)
                return bad();
            for (double* target : known->second)
                *target = *p;
        }
    }
    faults = f;
    seed = s;
    return std::nullopt;
}

} // namespace JEX::Sim
