#include "JexMountAxis.h"

#include "Hex.h"

#include <algorithm>
#include <cmath>

namespace JEX {
namespace {

constexpr uint32_t kPositionOffset = 0x800000;
constexpr int32_t kClassicMax = 0x7FFFFF;
constexpr int32_t kClassicMin = -0x800000;
constexpr int32_t kExtendedMax = 2147483647;
constexpr int32_t kExtendedMin = -2147483647 - 1;

// A 24-bit count with 0x800000 as step 0, as the classic commands carry positions.
int32_t classicSteps(uint32_t value) {
    return int32_t(value & 0xFFFFFF) - int32_t(kPositionOffset);
}

// A rate this slow only stops the axis; it is recorded as 0, so that the next rate starts it.
bool onlyStops(double scaledRate) {
    return !(std::abs(std::clamp(scaledRate, -kMaxRate, kMaxRate)) > kZeroRate);
}

} // namespace

JexMountAxis::JexMountAxis(std::shared_ptr<IJexConverser> converser,
                           std::shared_ptr<IJexDevice> device,
                           std::shared_ptr<ICancellable> cancellable, std::shared_ptr<IClock> clock,
                           std::shared_ptr<MountAxisTimeContainer> positions,
                           std::shared_ptr<ILocation> location,
                           std::shared_ptr<IPerMountDataBasic> perMountData)
    : converser_(std::move(converser)), device_(std::move(device)),
      cancellable_(std::move(cancellable)), clock_(std::move(clock)),
      positions_(std::move(positions)), location_(std::move(location)),
      perMountData_(std::move(perMountData)) {}

CmdRetType JexMountAxis::prepare() {
    std::lock_guard lock(mutex_);
    if (prepared_)
        return CmdRetType::Ok;
    if (!device_->isInitialised())
        return CmdRetType::Other;
    extended_ = device_->supportsExtendedCommands();
    prepared_ = true;
    return CmdRetType::Ok;
}

bool JexMountAxis::isExtended() const {
    std::lock_guard lock(mutex_);
    return extended_;
}

Nullable<double> JexMountAxis::requestedRate(uint32_t axis) const {
    std::lock_guard lock(mutex_);
    return axes_[index(axis)].requestedRate;
}

void JexMountAxis::setRequestedRate(uint32_t axis, double rate) {
    std::lock_guard lock(mutex_);
    AxisState& state = axes_[index(axis)];
    state.requestedRate.set(rate);
    state.lastRate.set(rate);
    if (rate != 0)
        state.lastDirection.set(rate > 0);
}

Nullable<bool> JexMountAxis::lastDirection(uint32_t axis) const {
    std::lock_guard lock(mutex_);
    return axes_[index(axis)].lastDirection;
}

double JexMountAxis::angleOfSteps(uint32_t axis, int32_t steps) const {
    return device_->fromControllerAngle(axis, device_->stepsToAngle(axis, steps));
}

CmdResp<double> JexMountAxis::readOnePosition(uint32_t axis) {
    int32_t steps;
    if (isExtended()) {
        const auto resp =
            converser_->converseU32BE(command(axis, 'X', concat(hexBE(0, 1), hexBE(3, 1))));
        if (!resp.ok())
            return resp.type;
        steps = int32_t(resp.get());
    } else {
        const auto resp = converser_->converseU32(command(axis, 'j'));
        if (!resp.ok())
            return resp.type;
        steps = classicSteps(resp.get());
    }
    return angleOfSteps(axis, steps);
}

CmdResp<double> JexMountAxis::readPosition(uint32_t axis) {
    axisList(false);
    const CmdResp<double> angle = readOnePosition(axis);
    if (angle.ok())
        positions_->set(axis, {angle.get(), clock_->nowMs()});
    return angle;
}

CmdResp<std::pair<double, double>> JexMountAxis::readPositions() {
    axisList(false);
    // Read with the classic command on every firmware: each axis in turn, each with the
    // clock time of its own read.
    std::array<AxisPosition, 2> read;
    for (uint32_t axis : {0u, 1u}) {
        const auto resp = converser_->converseU32(command(axis, 'j'));
        if (!resp.ok())
            return resp.type;
        read[axis] = {angleOfSteps(axis, classicSteps(resp.get())), clock_->nowMs()};
    }
    positions_->setBoth(read[0], read[1]);
    return std::make_pair(read[0].angle, read[1].angle);
}

AxisPosition JexMountAxis::lastPosition(uint32_t axis) const {
    return positions_->get(axis);
}

CmdRetType JexMountAxis::setPosition(uint32_t axis, double angle) {
    axisList(false);
    const int64_t steps = device_->angleToSteps(axis, device_->toControllerAngle(axis, angle));
    CmdRetType result;
    if (isExtended())
        result =
            converser_->converse(command(axis, 'X', concat(hexBE(1, 1), hexBE(uint32_t(steps), 4))))
                .type;
    else
        result =
            converser_->converse(command(axis, 'E', hexLE(uint32_t(steps + kPositionOffset), 3)))
                .type;
    if (result == CmdRetType::Ok)
        positions_->set(axis, {angle, clock_->nowMs()});
    return result;
}

std::pair<double, double> JexMountAxis::positionRange(uint32_t axis) const {
    const bool extended = isExtended();
    return {angleOfSteps(axis, extended ? kExtendedMax : kClassicMax),
            angleOfSteps(axis, extended ? kExtendedMin : kClassicMin)};
}

CmdResp<uint32_t> JexMountAxis::readMotion(uint32_t axis) {
    const auto status = device_->readAxisStatus(axis);
    if (!status.ok())
        return status.type;
    return motion(axis);
}

uint32_t JexMountAxis::motion(uint32_t axis) const {
    return device_->axisStatus(axis).motion;
}

CmdRetType JexMountAxis::stopAndWait(uint32_t axis) {
    auto moving = readMotion(axis);
    if (!moving.ok())
        return moving.type;
    if (moving.get() == 0)
        return CmdRetType::Ok;
    if (const auto stopped = converser_->converse(command(axis, 'K')).type;
        stopped != CmdRetType::Ok)
        return stopped;
    for (;;) {
        moving = readMotion(axis);
        if (!moving.ok())
            return moving.type;
        if (moving.get() == 0)
            return CmdRetType::Ok;
        if (cancellable_->wait(100))
            return CmdRetType::Cancel;
    }
}

std::pair<char, char> JexMountAxis::modeCharacters(bool fast, bool isGoto, bool forward) const {
    const char first = fast ? (isGoto ? '0' : '3') : (isGoto ? '2' : '1');
    // The controller mirrors its direction for the southern sky.
    const int south = location_->latitudeRad() < 0 ? 2 : 0;
    const char second = char('0' + ((forward ? 0 : 1) | south));
    return {first, second};
}

double JexMountAxis::fineAdjustment() const {
    return std::clamp(perMountData_->speedFineAdjustmentFactor(), 0.5, 1.5);
}

CmdRetType JexMountAxis::sendClassicRate(uint32_t axis, double scaledRate) {
    const double s = std::clamp(scaledRate, -kMaxRate, kMaxRate);
    const bool fast = std::abs(s) > kHighSpeedRate;
    const bool forward = s > 0;
    if (onlyStops(s))
        return converser_->converse(command(axis, 'K')).type;

    bool changeOnTheFly;
    {
        std::lock_guard lock(mutex_);
        const Nullable<double>& last = axes_[index(axis)].lastRate;
        changeOnTheFly = last.hasValue() && last.value() != 0 && (last.value() > 0) == (s > 0) &&
                         !(std::abs(last.value()) > kHighSpeedRate) && !fast;
    }
    if (!changeOnTheFly) {
        if (const CmdRetType stopped = stopAndWait(axis); stopped != CmdRetType::Ok)
            return stopped;
        const auto [m1, m2] = modeCharacters(fast, false, forward);
        if (const auto r =
                converser_->converse(command(axis, 'G', {uint8_t(m1), uint8_t(m2)})).type;
            r != CmdRetType::Ok)
            return r;
    }

    Nullable<uint32_t> ratio;
    {
        std::lock_guard lock(mutex_);
        ratio = axes_[index(axis)].highSpeedRatio;
    }
    if (!ratio.hasValue()) {
        const auto read = converser_->converseU32(command(axis, 'g'));
        if (!read.ok())
            return read.type;
        ratio.set(read.get());
        std::lock_guard lock(mutex_);
        axes_[index(axis)].highSpeedRatio = ratio;
    }

    int64_t period = device_->rpsToStride(axis, std::abs(s) / (fast ? double(ratio.value()) : 1.0));
    const Firmware fw = device_->firmware(0);
    if (fw.major == 1 && fw.minor == 6 && (fw.boardId == 0 || fw.boardId == 1))
        period -= 3;
    period = std::clamp(period, kMinStepPeriod, kMaxStepPeriod);

    if (const auto r = converser_->converse(command(axis, 'I', hexLE(uint32_t(period), 3))).type;
        r != CmdRetType::Ok)
        return r;
    if (changeOnTheFly)
        return CmdRetType::Ok;
    return converser_->converse(command(axis, 'J')).type;
}

void JexMountAxis::recordRateOutcome(uint32_t axis, double rate, CmdRetType result) {
    std::lock_guard lock(mutex_);
    AxisState& state = axes_[index(axis)];
    if (result == CmdRetType::Ok) {
        state.lastRate.set(rate);
        if (rate != 0)
            state.lastDirection.set(rate > 0);
        return;
    }
    state.lastRate.clear();
    if (!(state.lastDirection.hasValue() && rate != 0 && state.lastDirection.value() == (rate > 0)))
        state.lastDirection.clear();
}

CmdRetType JexMountAxis::setRate(uint32_t axis, double rate) {
    axisList(false);
    const double scaled = fineAdjustment() * rate;
    const CmdRetType result = sendClassicRate(axis, scaled);
    recordRateOutcome(axis, onlyStops(scaled) ? 0.0 : rate, result);
    return result;
}

CmdRetType JexMountAxis::setRateExtended(uint32_t axis, double rate) {
    axisList(false);
    const double scaled = fineAdjustment() * rate;
    const CmdRetType result = sendClassicRate(axis, scaled);
    recordRateOutcome(axis, onlyStops(scaled) ? 0.0 : scaled, result);
    return result;
}

CmdRetType JexMountAxis::gotoAngle(uint32_t axis, double target) {
    axisList(false);
    CmdRetType result = stopAndWait(axis);
    if (result == CmdRetType::Ok) {
        const CmdResp<double> current = readPosition(axis);
        result = current.type;
        if (current.ok()) {
            const double delta = target - current.get();
            const int64_t steps = device_->angleToSteps(axis, std::abs(delta));
            if (steps != 0) {
                const bool fast = std::abs(delta) > kHighSpeedGotoTravel;
                const auto [m1, m2] = modeCharacters(fast, true, delta > 0);
                const Cmd sequence[] = {command(axis, 'G', {uint8_t(m1), uint8_t(m2)}),
                                        command(axis, 'H', hexLE(uint32_t(steps), 3)),
                                        command(axis, 'M', hexLE(kGotoParameterM, 3)),
                                        command(axis, 'J')};
                for (const Cmd& cmd : sequence) {
                    result = converser_->converse(cmd).type;
                    if (result != CmdRetType::Ok)
                        break;
                }
            }
        }
    }
    const double last = positions_->get(axis).angle;
    std::lock_guard lock(mutex_);
    AxisState& state = axes_[index(axis)];
    state.requestedRate.clear();
    state.lastRate.clear();
    if (result == CmdRetType::Ok)
        state.lastDirection.set(target - last > 0);
    else
        state.lastDirection.clear();
    return result;
}

CmdRetType JexMountAxis::stop(uint32_t axis) {
    const CmdRetType result = converser_->converse(command(axis, 'K')).type;
    std::lock_guard lock(mutex_);
    if (result == CmdRetType::Ok)
        axes_[index(axis)].lastRate.set(0.0);
    else
        axes_[index(axis)].lastRate.clear();
    return result;
}

bool JexMountAxis::caps1Bit2() const {
    return device_->extendedStatus().caps1Bit2;
}

CmdResp<LimitPosition> JexMountAxis::readLimitPosition(uint32_t axis) {
    int32_t steps, largest, smallest;
    if (isExtended()) {
        const auto resp =
            converser_->converseU32BE(command(axis, 'X', concat(hexBE(0, 1), hexBE(0x0B, 1))));
        if (!resp.ok())
            return resp.type;
        steps = int32_t(resp.get());
        largest = kExtendedMax;
        smallest = kExtendedMin;
    } else {
        const auto resp = converser_->converseU32(command(axis, 'q', hexLE(0, 3)));
        if (!resp.ok())
            return resp.type;
        steps = classicSteps(resp.get());
        largest = kClassicMax;
        smallest = kClassicMin;
    }
    LimitPosition limit;
    if (steps == largest)
        limit.atLimit.set(true);
    else if (steps == smallest)
        limit.atLimit.set(false);
    else
        limit.angle.set(angleOfSteps(axis, steps));
    return limit;
}

CmdRetType JexMountAxis::sendW8(uint32_t axis) {
    return converser_->converse(command(axis, 'W', hexLE(8, 3))).type;
}

} // namespace JEX
