#pragma once
// One object that moves the mount's two axes in physical units: positions in radians, rates
// in radians per second, gotos and stops, and the last known position of each axis.

#include "CallbackList.h"
#include "CmdResp.h"
#include "MountAxisTimeContainer.h"
#include "Nullable.h"

#include <cstdint>
#include <utility>

namespace JEX {

struct LimitPosition {
    Nullable<double> angle; // present when the axis is not at either end of the range
    Nullable<bool> atLimit; // present at either end: true at the largest, false at the smallest
};

// Scales manual rates for one mount; a factor outside 0.5 to 1.5 is limited to that range.
class IPerMountDataBasic {
public:
    virtual ~IPerMountDataBasic() = default;
    virtual double speedFineAdjustmentFactor() const = 0;
};

class NullPerMountData : public IPerMountDataBasic {
public:
    double speedFineAdjustmentFactor() const override { return 1.0; }
};

class IMountAxis {
public:
    virtual ~IMountAxis() = default;

    virtual CmdRetType prepare() = 0;
    virtual Nullable<double> requestedRate(uint32_t axis) const = 0;
    // Records a rate as requested and commanded without sending anything.
    virtual void setRequestedRate(uint32_t axis, double rate) = 0;
    virtual Nullable<bool> lastDirection(uint32_t axis) const = 0;
    virtual CmdResp<double> readPosition(uint32_t axis) = 0;
    virtual CmdResp<std::pair<double, double>> readPositions() = 0;
    virtual AxisPosition lastPosition(uint32_t axis) const = 0;
    virtual CmdRetType setPosition(uint32_t axis, double angle) = 0;
    // The angles of the largest and the smallest position the wire format carries.
    virtual std::pair<double, double> positionRange(uint32_t axis) const = 0;
    virtual CmdResp<uint32_t> readMotion(uint32_t axis) = 0;
    virtual uint32_t motion(uint32_t axis) const = 0;
    virtual CmdRetType setRate(uint32_t axis, double rate) = 0;
    virtual CmdRetType gotoAngle(uint32_t axis, double target) = 0;
    virtual CmdRetType stop(uint32_t axis) = 0;
    virtual bool isExtended() const = 0;
    virtual CmdRetType setRateExtended(uint32_t axis, double rate) = 0;
    virtual bool caps1Bit2() const = 0;
    virtual CmdResp<LimitPosition> readLimitPosition(uint32_t axis) = 0;
    virtual CmdRetType sendW8(uint32_t axis) = 0;

    // Raised with false at the start of every position, rate and goto command.
    CallbackList<void(bool)> axisList;
};

} // namespace JEX
