#include "JexDevice.h"

#include "Hex.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace JEX {
namespace {

constexpr uint32_t kExtendedFirmware = 0x0327;
constexpr uint32_t kStepsBoard80 = 1452951;
constexpr uint32_t kStepsBoard82 = 2118424;

// Nearest integer with halves away from zero; values beyond the range saturate.
int64_t nearest(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    return std::llround(std::clamp(value, -limit, limit));
}

} // namespace

std::string Firmware::text() const {
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%02X", major, minor, boardId);
    return buffer;
}

JexDevice::JexDevice(std::shared_ptr<IJexConverser> converser) : converser_(std::move(converser)) {}

CmdRetType JexDevice::init(bool singleAxis, uint32_t mountMode) {
    if (initialised_.load())
        return CmdRetType::Ok;
    {
        std::lock_guard lock(mutex_);
        mountMode_.set(mountMode);
    }
    const uint32_t axisCount = singleAxis ? 1 : 2;
    for (uint32_t axis = 0; axis < axisCount; ++axis) {
        bool known;
        {
            std::lock_guard lock(mutex_);
            known = firmware_[index(axis)].hasValue();
        }
        if (!known) {
            const auto fw = readFirmware(axis);
            if (!fw.ok())
                return fw.type;
        }
        if (const CmdRetType steps = readStepsPerRev(axis); steps != CmdRetType::Ok)
            return steps;
        if (const auto status = readAxisStatus(axis); !status.ok())
            return status.type;
    }
    const CmdResp<uint32_t> hz = converser_->converseU32(command(0, 'b'));
    if (!hz.ok())
        return hz.type;
    {
        std::lock_guard lock(mutex_);
        stepTimerHz_.set(hz.get());
    }
    initialised_.store(true);
    return CmdRetType::Ok;
}

CmdResp<Firmware> JexDevice::readFirmware(uint32_t axis) {
    {
        std::lock_guard lock(mutex_);
        if (firmware_[index(axis)].hasValue())
            return firmware_[index(axis)].value();
    }
    const CmdResp<Bytes> resp = converser_->converse(command(axis, 'e'));
    if (!resp.ok())
        return resp.type;
    const Bytes& reply = resp.get();
    const auto marker = std::find(reply.begin(), reply.end(), '=');
    if (marker == reply.end() || reply.end() - marker != 8)
        return CmdRetType::Other;
    const auto value = decodeHexBE(&*marker + 1, 6);
    if (!value)
        return CmdRetType::Other;
    const Firmware fw{uint8_t(*value >> 16), uint8_t(*value >> 8), uint8_t(*value)};
    std::lock_guard lock(mutex_);
    firmware_[index(axis)].set(fw);
    return fw;
}

Firmware JexDevice::firmware(uint32_t axis) const {
    std::lock_guard lock(mutex_);
    return firmware_[index(axis)].value();
}

uint8_t JexDevice::boardId() const {
    return firmware(0).boardId;
}

CmdResp<ExtendedStatus> JexDevice::readExtendedStatus() {
    {
        std::lock_guard lock(mutex_);
        if (extendedStatus_.hasValue())
            return extendedStatus_.value();
    }
    const CmdResp<ExtendedPair> pair = queryExtendedStatus();
    if (pair.type == CmdRetType::Nak) {
        // A controller that does not know the query has none of the capabilities.
        std::lock_guard lock(mutex_);
        extendedStatus_.set(ExtendedStatus{});
        extendedPair_.set(ExtendedPair{});
        return ExtendedStatus{};
    }
    if (!pair.ok())
        return pair.type;
    return extendedStatus();
}

ExtendedStatus JexDevice::extendedStatus() const {
    std::lock_guard lock(mutex_);
    return extendedStatus_.value();
}

CmdResp<ExtendedPair> JexDevice::queryExtendedStatus() {
    const CmdResp<Bytes> resp = converser_->converse(command(0, 'q', hexLE(1, 3)));
    if (!resp.ok())
        return resp.type;
    const Bytes& reply = resp.get();
    if (reply.size() < 8)
        return CmdRetType::Other;
    int digits[6];
    for (int i = 0; i < 6; ++i) {
        digits[i] = hexDigitValue(reply[1 + i]);
        if (digits[i] < 0)
            return CmdRetType::Other;
    }
    const auto bit = [](int digit, int n) { return (digit >> n & 1) != 0; };
    const ExtendedPair pair{bit(digits[0], 0), bit(digits[0], 1)};
    const ExtendedStatus status{bit(digits[1], 0), bit(digits[1], 1), bit(digits[1], 2),
                                bit(digits[1], 3), bit(digits[2], 0), bit(digits[2], 1),
                                bit(digits[2], 2)};
    {
        std::lock_guard lock(mutex_);
        extendedStatus_.set(status);
        extendedPair_.set(pair);
    }
    extendedStatusList(false);
    return pair;
}

ExtendedPair JexDevice::extendedPair() const {
    std::lock_guard lock(mutex_);
    return extendedPair_.value();
}

bool JexDevice::supportsExtendedCommands() const {
    return firmware(0).version() >= kExtendedFirmware;
}

CmdResp<AxisStatus> JexDevice::readAxisStatus(uint32_t axis) {
    const CmdResp<Bytes> resp = converser_->converse(command(axis, 'f'));
    if (!resp.ok())
        return resp.type;
    const Bytes& reply = resp.get();
    if (reply.size() < 5)
        return CmdRetType::Other;
    const uint8_t c1 = reply[1], c2 = reply[2], c3 = reply[3];
    AxisStatus status;
    status.motion = (c2 & 1) == 0 ? 0 : ((c1 & 1) != 0 ? 1 : 2);
    status.forward = (c1 & 2) == 0;
    status.highSpeed = (c1 & 4) != 0;
    status.uninitialised = (c3 & 1) == 0;
    std::lock_guard lock(mutex_);
    axisStatus_[index(axis)].set(status);
    return status;
}

AxisStatus JexDevice::axisStatus(uint32_t axis) const {
    std::lock_guard lock(mutex_);
    return axisStatus_[index(axis)].value();
}

CmdRetType JexDevice::sendF(uint32_t axis) {
    return converser_->converse(command(axis, 'F')).type;
}

CmdRetType JexDevice::readStepsPerRev(uint32_t axis) {
    uint32_t steps;
    if (supportsExtendedCommands()) {
        const auto resp =
            converser_->converseU32BE(command(axis, 'X', concat(hexBE(0, 1), hexBE(2, 1))));
        if (!resp.ok())
            return resp.type;
        steps = resp.get();
    } else {
        const auto resp = converser_->converseU32(command(axis, 'a'));
        if (!resp.ok())
            return resp.type;
        steps = resp.get();
        // These boards report a figure that is not their gearing's.
        if (boardId() == 0x80)
            steps = kStepsBoard80;
        else if (boardId() == 0x82)
            steps = kStepsBoard82;
    }
    std::lock_guard lock(mutex_);
    stepsPerRev_[index(axis)].set(steps);
    return CmdRetType::Ok;
}

uint32_t JexDevice::stepsPerRev(uint32_t axis) const {
    std::lock_guard lock(mutex_);
    return stepsPerRev_[index(axis)].value();
}

uint32_t JexDevice::stepTimerHz() const {
    std::lock_guard lock(mutex_);
    return stepTimerHz_.value();
}

int64_t JexDevice::angleToSteps(uint32_t axis, double angle) const {
    return nearest(double(stepsPerRev(axis)) * angle / kTwoPi);
}

int64_t JexDevice::angleToStepsNearest(uint32_t axis, double angle) const {
    return angleToSteps(axis, angle);
}

double JexDevice::stepsToAngle(uint32_t axis, int32_t steps) const {
    return double(steps) * kTwoPi / double(stepsPerRev(axis));
}

bool JexDevice::shiftsAngle(uint32_t axis) const {
    if (axis != 0)
        return false;
    std::lock_guard lock(mutex_);
    return mountMode_.value() == 1;
}

double JexDevice::toControllerAngle(uint32_t axis, double angle) const {
    return shiftsAngle(axis) ? angle + kHalfPi : angle;
}

double JexDevice::fromControllerAngle(uint32_t axis, double angle) const {
    return shiftsAngle(axis) ? angle - kHalfPi : angle;
}

int64_t JexDevice::rpsToStride(uint32_t axis, double rps) const {
    const double steps = stepsPerRev(axis);
    const double hz = stepTimerHz();
    if (rps < 0)
        throw std::logic_error("rpsToStride: expected positive rps");
    if (rps == 0)
        return 0;
    return nearest((1.0 / rps) * hz * (kTwoPi / steps));
}

double JexDevice::strideToRps(uint32_t axis, uint32_t stride) const {
    const double steps = stepsPerRev(axis);
    const double hz = stepTimerHz();
    if (stride == 0)
        return 0.0;
    return (1.0 / stride) * hz * (kTwoPi / steps);
}

double JexDevice::rateResolution() const {
    if (supportsExtendedCommands())
        return kSiderealDaySec / (double(stepsPerRev(0)) * 1024);
    const int64_t stride = rpsToStride(0, SIDEREALRATE);
    const double r0 = strideToRps(0, uint32_t(stride));
    const double r1 = strideToRps(0, uint32_t(stride + 1));
    return std::abs(r1 / r0 - 1);
}

std::string JexDevice::rateDiagnostics() const {
    if (supportsExtendedCommands())
        return {};
    const int64_t stride = rpsToStride(0, SIDEREALRATE);
    const double r0 = strideToRps(0, uint32_t(stride));
    const double r1 = strideToRps(0, uint32_t(stride + 1));
    return fmt::format(
        "AXIS1 stepsPerRev: {}\nstepTimerHz: {}\nstride_sidereal: {}\na vs b == (a/b)-1\n"
        "  rate(stride_sidereal) vs SIDEREALRATE: {:.6}\n"
        "  rate(stride_sidereal + 1) vs rate(stride_sidereal): \n    {:.9} => {:.6} ppm",
        stepsPerRev(0), stepTimerHz(), stride, r0 / SIDEREALRATE - 1, r1 / r0 - 1,
        std::abs(r1 / r0 - 1) * 1000000);
}

CmdRetType JexDevice::setBaudRate(uint32_t axis, uint32_t baud) {
    return converser_->converse(command(axis, 'W', hexLE(baud / 100 * 256 + 0x0D, 3))).type;
}

} // namespace JEX
