#pragma once
// One game pad's state in the shape the polling thread reads: a packet number that grows
// whenever anything changed, the button bits, two trigger bytes and four signed stick values.

#include <cstdint>

namespace JEX {

struct PadState {
    uint32_t packetNumber = 0;
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0; // 0 to 255
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0; // right positive
    int16_t thumbLY = 0; // up positive
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;

    bool operator==(const PadState&) const = default;
};

namespace PadButton {
inline constexpr uint16_t DPadUp = 0x0001;
inline constexpr uint16_t DPadDown = 0x0002;
inline constexpr uint16_t DPadLeft = 0x0004;
inline constexpr uint16_t DPadRight = 0x0008;
inline constexpr uint16_t Start = 0x0010;
inline constexpr uint16_t Back = 0x0020;
inline constexpr uint16_t LeftThumb = 0x0040;
inline constexpr uint16_t RightThumb = 0x0080;
inline constexpr uint16_t LeftShoulder = 0x0100;
inline constexpr uint16_t RightShoulder = 0x0200;
inline constexpr uint16_t A = 0x1000;
inline constexpr uint16_t B = 0x2000;
inline constexpr uint16_t X = 0x4000;
inline constexpr uint16_t Y = 0x8000;
} // namespace PadButton

} // namespace JEX
