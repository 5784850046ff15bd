#pragma once
// The device-level view of the mount's motor controller: what it is (firmware, steps per
// revolution, step-timer frequency, capabilities, axis status), cached once read, and the
// conversions between controller units and radians.

#include "AstroMath.h"
#include "CallbackList.h"
#include "CmdResp.h"

#include <cstdint>
#include <string>

namespace JEX {

inline constexpr double kHalfPi = kPi / 2;
inline constexpr double kSiderealDaySec = 86164.09065;
// Radians per second of the sky's apparent rotation: 2π per sidereal day.
inline constexpr double SIDEREALRATE = 7.292115845221407e-05;

struct Firmware {
    uint8_t major = 0;
    uint8_t minor = 0;
    uint8_t boardId = 0;

    // major × 256 + minor, the number firmware comparisons use.
    uint32_t version() const { return uint32_t(major) << 8 | minor; }
    // "3.39.80": major and minor in decimal, board id in two upper-case hex digits.
    std::string text() const;
    bool operator==(const Firmware&) const = default;
};

struct AxisStatus {
    uint32_t motion = 0; // 0 stopped, 1 moving at a rate, 2 moving to a target
    bool forward = false;
    bool highSpeed = false;
    bool uninitialised = false;
    bool operator==(const AxisStatus&) const = default;
};

struct ExtendedStatus {
    bool caps1Bit0 = false;
    bool caps1Bit1 = false;
    bool caps1Bit2 = false;
    bool caps1Bit3 = false;
    bool caps2Bit0 = false;
    bool caps2Bit1 = false;
    bool caps2Bit2 = false;
    bool operator==(const ExtendedStatus&) const = default;
};

// Bits 0 and 1 of the extended status reply's first digit.
struct ExtendedPair {
    bool bit0 = false;
    bool bit1 = false;
    bool operator==(const ExtendedPair&) const = default;
};

class IJexDevice {
public:
    virtual ~IJexDevice() = default;

    virtual CmdRetType init(bool singleAxis, uint32_t mountMode) = 0;
    virtual bool isInitialised() const = 0;
    virtual CmdResp<Firmware> readFirmware(uint32_t axis) = 0;
    virtual Firmware firmware(uint32_t axis) const = 0;
    virtual uint8_t boardId() const = 0;
    virtual CmdResp<ExtendedStatus> readExtendedStatus() = 0;
    virtual ExtendedStatus extendedStatus() const = 0;
    virtual CmdResp<ExtendedPair> queryExtendedStatus() = 0;
    virtual ExtendedPair extendedPair() const = 0;
    virtual bool supportsExtendedCommands() const = 0;
    virtual CmdResp<AxisStatus> readAxisStatus(uint32_t axis) = 0;
    virtual AxisStatus axisStatus(uint32_t axis) const = 0;
    virtual CmdRetType sendF(uint32_t axis) = 0;
    // Nearest step (halves away from zero) of an angle in radians.
    virtual int64_t angleToSteps(uint32_t axis, double angle) const = 0;
    virtual int64_t angleToStepsNearest(uint32_t axis, double angle) const = 0;
    virtual double stepsToAngle(uint32_t axis, int32_t steps) const = 0;
    // The first axis of a mount in mode 1 counts its angles from a quarter turn further on.
    virtual double toControllerAngle(uint32_t axis, double angle) const = 0;
    virtual double fromControllerAngle(uint32_t axis, double angle) const = 0;
    // Step period in timer ticks of a rate in rad/s; a negative rate is a contract breach.
    virtual int64_t rpsToStride(uint32_t axis, double rps) const = 0;
    virtual double strideToRps(uint32_t axis, uint32_t stride) const = 0;
    virtual double rateResolution() const = 0;
    virtual std::string rateDiagnostics() const = 0;
    virtual CmdRetType setBaudRate(uint32_t axis, uint32_t baud) = 0;

    // Raised with false after each successful extended-status read.
    CallbackList<void(bool)> extendedStatusList;
};

} // namespace JEX
