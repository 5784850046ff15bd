#pragma once
// The layout of the mount's parameter memory and the encoding of a program into it and back.

#include "IClock.h"
#include "IEEPROMConverser.h"
#include "IJexDevice.h"
#include "TAVOParams.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace JEX {

// Byte addresses in the parameter memory. Numbers are stored least significant byte first.
namespace TAVOAddr {
inline constexpr uint16_t RunningMode = 0x00;   // byte, signed
inline constexpr uint16_t BatteryVolt = 0x04;   // 16-bit signed, volts × 100
inline constexpr uint16_t PicturesTaken = 0x10; // 32-bit
inline constexpr uint16_t UsbVolt = 0x1C;       // 16-bit signed, volts × 100
// Written with a mode to start a program or 0 to stop it; reads 0 when the mount is free.
inline constexpr uint16_t RequestedMode = 0x20;
inline constexpr uint16_t Stride = 0x24;           // 32-bit step period of axis 1
inline constexpr uint16_t CounterClockwise = 0x28; // byte
inline constexpr uint16_t ExposureDeciSec = 0x2C;  // 32-bit
inline constexpr uint16_t Cycle = 0x30;            // 32-bit, seconds or milliseconds
inline constexpr uint16_t Cycles = 0x34;           // 32-bit
inline constexpr uint16_t SwingEnabled = 0x38;     // byte
inline constexpr uint16_t SwingRangeDeg = 0x3C;    // 32-bit whole degrees
inline constexpr uint16_t AuxTimeCentiSec = 0x40;  // 32-bit
inline constexpr uint16_t CycleSteps = 0x44;       // 32-bit steps of axis 1
inline constexpr uint16_t WifiOffOnStart = 0x48;   // byte
inline constexpr uint16_t StartTime = 0x4C;        // 32-bit, low half of Unix ms
inline constexpr uint16_t LightOn = 0x60;          // command byte
inline constexpr uint16_t LightOff = 0x64;         // command byte
inline constexpr uint16_t ConnectMark = 0x6C;      // command byte
inline constexpr uint16_t DisconnectMark = 0x70;   // command byte
// Written 1 after new Wi-Fi settings; reads 0 once the mount has taken them.
inline constexpr uint16_t WifiApply = 0x80;
inline constexpr uint16_t WifiAutoOffSec = 0x84; // 32-bit, 0 disables
inline constexpr uint16_t WifiMode = 0x88;       // written 32-bit, read as a byte
inline constexpr uint16_t WifiApSecurity = 0x8C; // written 32-bit, read as a signed byte
inline constexpr uint16_t ApSsid = 0x90;         // also the device name
inline constexpr uint16_t ApPass = 0xB0;
inline constexpr uint16_t StaSsid = 0xF0;
inline constexpr uint16_t StaPass = 0x110;
inline constexpr uint16_t StaFixedIp = 0x150;
// Written 1 after a change of the auto shut-down, light auto-off or auto-run settings.
inline constexpr uint16_t SettingsCommit = 0x180;
inline constexpr uint16_t AutoShutdownSec = 0x184;  // 32-bit
inline constexpr uint16_t LightAutoOffSec = 0x188;  // 32-bit
inline constexpr uint16_t AutoRunPrevious = 0x19C;  // byte
inline constexpr uint16_t DitheringEnabled = 0x1A0; // byte, firmware 3.10 on
inline constexpr uint16_t DitheringSteps = 0x1B8;   // 32-bit steps of axis 1, firmware 3.10 on
} // namespace TAVOAddr

// Text field lengths in bytes.
namespace TAVOFieldLen {
inline constexpr uint16_t DeviceName = 32;
inline constexpr uint16_t ApSsid = 32;
inline constexpr uint16_t ApPass = 63;
inline constexpr uint16_t StaSsid = 32;
inline constexpr uint16_t StaPass = 63;
inline constexpr uint16_t StaFixedIp = 15;
} // namespace TAVOFieldLen

// Firmware 3.10 and later: program periods in milliseconds, and dithering.
bool supportsMillisecondPeriods(const IJexDevice& device);
// Board 0x0A, the model with a mode dial, which has no polar-scope light and no auto shut-down.
bool isVelmoraWifiBoard(const IJexDevice& device);

// The real period of one shot cycle: the programmed one, or with dithering the exposure plus
// the mean of the gaps that the dithering moves stretch.
double effectiveCycleSec(const TAVOParamSet& params);

// Nearest integer, halves away from zero, truncated to 32 bits; NaN gives 0 and values beyond
// the 64-bit range saturate before the truncation.
uint32_t storedU32(double value);

// Why the mount's memory cannot hold the program, naming the first value out of range and
// its limit (fields taken as signed 31-bit, as the firmware's signedness is not known); empty
// when every value fits. Times may not be negative.
QString programOutOfRange(const IJexDevice& device, const TAVOParamSet& p);

// Writes a program into the parameter memory and, once every write of it has been
// acknowledged, starts it: with `start` when given, else by writing its mode to the
// requested-mode byte. A program out of range is refused (Other) before anything is written;
// the first failed write ends it, leaving earlier bytes written. Ok carries the start time
// taken from the clock and stored in the mount.
CmdResp<int64_t> writeProgram(IEEPROMConverser& eeprom, const IJexDevice& device,
                              const IClock& clock, const TAVOParamSet& params, bool wifiOffOnStart,
                              const std::function<CmdRetType()>& start = {});

// Reads the program the mount holds. The start time carries only the low 32 bits kept in the
// mount.
CmdResp<ReadTAVOParamSet> readProgram(IEEPROMConverser& eeprom, const IJexDevice& device);

} // namespace JEX
