#pragma once
// The controller's command set over the protocol converser, with its caches.

#include "IConverser.h"
#include "IJexDevice.h"
#include "Nullable.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

namespace JEX {

class JexDevice : public IJexDevice {
public:
    explicit JexDevice(std::shared_ptr<IJexConverser> converser);

    CmdRetType init(bool singleAxis, uint32_t mountMode) override;
    bool isInitialised() const override { return initialised_.load(); }
    CmdResp<Firmware> readFirmware(uint32_t axis) override;
    Firmware firmware(uint32_t axis) const override;
    uint8_t boardId() const override;
    CmdResp<ExtendedStatus> readExtendedStatus() override;
    ExtendedStatus extendedStatus() const override;
    CmdResp<ExtendedPair> queryExtendedStatus() override;
    ExtendedPair extendedPair() const override;
    bool supportsExtendedCommands() const override;
    CmdResp<AxisStatus> readAxisStatus(uint32_t axis) override;
    AxisStatus axisStatus(uint32_t axis) const override;
    CmdRetType sendF(uint32_t axis) override;
    int64_t angleToSteps(uint32_t axis, double angle) const override;
    int64_t angleToStepsNearest(uint32_t axis, double angle) const override;
    double stepsToAngle(uint32_t axis, int32_t steps) const override;
    double toControllerAngle(uint32_t axis, double angle) const override;
    double fromControllerAngle(uint32_t axis, double angle) const override;
    int64_t rpsToStride(uint32_t axis, double rps) const override;
    double strideToRps(uint32_t axis, uint32_t stride) const override;
    double rateResolution() const override;
    std::string rateDiagnostics() const override;
    CmdRetType setBaudRate(uint32_t axis, uint32_t baud) override;

private:
    static size_t index(uint32_t axis) { return axis == 0 ? 0 : 1; }
    CmdRetType readStepsPerRev(uint32_t axis);
    uint32_t stepsPerRev(uint32_t axis) const;
    uint32_t stepTimerHz() const;
    bool shiftsAngle(uint32_t axis) const;

    std::shared_ptr<IJexConverser> converser_;
    std::atomic<bool> initialised_{false};

    // Caches are filled on worker threads and read from any thread.
    mutable std::mutex mutex_;
    std::array<Nullable<uint32_t>, 2> stepsPerRev_;
    Nullable<uint32_t> stepTimerHz_;
    Nullable<uint32_t> mountMode_;
    std::array<Nullable<Firmware>, 2> firmware_;
    Nullable<ExtendedStatus> extendedStatus_;
    Nullable<ExtendedPair> extendedPair_;
    std::array<Nullable<AxisStatus>, 2> axisStatus_;
};

} // namespace JEX
