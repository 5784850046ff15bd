#pragma once
// The mount axis over the controller's motion commands.

#include "Cancellation.h"
#include "IClock.h"
#include "IConverser.h"
#include "IJexDevice.h"
#include "ILocation.h"
#include "IMountAxis.h"

#include <array>
#include <memory>
#include <mutex>

namespace JEX {

// Rates in rad/s, travel in radians.
inline constexpr double kMaxRate = 0.059341194567807204;          // 3.4°/s
inline constexpr double kHighSpeedRate = 0.0093339082818834;      // 128 × sidereal
inline constexpr double kZeroRate = 7.292115845221407e-08;        // sidereal / 1000
inline constexpr double kHighSpeedGotoTravel = 0.046669541409417; // 640 × sidereal, about 2.674°
inline constexpr uint32_t kGotoParameterM = 3500;
inline constexpr int64_t kMinStepPeriod = 6;
// The period travels as three bytes: slower rates run at the slowest the controller knows.
inline constexpr int64_t kMaxStepPeriod = 0xFFFFFF;

class JexMountAxis : public IMountAxis {
public:
    // The controller accepts the classic motion commands on every firmware, so rates, gotos,
    // stops and the two-axis read use them also where extended commands exist; positions of
    // one axis are read and set with the extended commands where the firmware has them.
    JexMountAxis(std::shared_ptr<IJexConverser> converser, std::shared_ptr<IJexDevice> device,
                 std::shared_ptr<ICancellable> cancellable, std::shared_ptr<IClock> clock,
                 std::shared_ptr<MountAxisTimeContainer> positions,
                 std::shared_ptr<ILocation> location,
                 std::shared_ptr<IPerMountDataBasic> perMountData);

    CmdRetType prepare() override;
    Nullable<double> requestedRate(uint32_t axis) const override;
    void setRequestedRate(uint32_t axis, double rate) override;
    Nullable<bool> lastDirection(uint32_t axis) const override;
    CmdResp<double> readPosition(uint32_t axis) override;
    CmdResp<std::pair<double, double>> readPositions() override;
    AxisPosition lastPosition(uint32_t axis) const override;
    CmdRetType setPosition(uint32_t axis, double angle) override;
    std::pair<double, double> positionRange(uint32_t axis) const override;
    CmdResp<uint32_t> readMotion(uint32_t axis) override;
    uint32_t motion(uint32_t axis) const override;
    CmdRetType setRate(uint32_t axis, double rate) override;
    CmdRetType gotoAngle(uint32_t axis, double target) override;
    CmdRetType stop(uint32_t axis) override;
    bool isExtended() const override;
    CmdRetType setRateExtended(uint32_t axis, double rate) override;
    bool caps1Bit2() const override;
    CmdResp<LimitPosition> readLimitPosition(uint32_t axis) override;
    CmdRetType sendW8(uint32_t axis) override;

private:
    struct AxisState {
        Nullable<uint32_t> highSpeedRatio;
        Nullable<double> requestedRate;
        Nullable<double> lastRate;
        Nullable<bool> lastDirection;
    };
    static size_t index(uint32_t axis) { return axis == 0 ? 0 : 1; }
    CmdResp<double> readOnePosition(uint32_t axis);
    CmdRetType stopAndWait(uint32_t axis);
    CmdRetType sendClassicRate(uint32_t axis, double scaledRate);
    void recordRateOutcome(uint32_t axis, double rate, CmdRetType result);
    std::pair<char, char> modeCharacters(bool fast, bool isGoto, bool forward) const;
    double angleOfSteps(uint32_t axis, int32_t steps) const;
    double fineAdjustment() const;

    std::shared_ptr<IJexConverser> converser_;
    std::shared_ptr<IJexDevice> device_;
    std::shared_ptr<ICancellable> cancellable_;
    std::shared_ptr<IClock> clock_;
    std::shared_ptr<MountAxisTimeContainer> positions_;
    std::shared_ptr<ILocation> location_;
    std::shared_ptr<IPerMountDataBasic> perMountData_;

    mutable std::mutex mutex_;
    bool prepared_ = false;
    bool extended_ = false;
    std::array<AxisState, 2> axes_;
};

} // namespace JEX
