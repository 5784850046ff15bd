#pragma once
// The mount's operations over its parameter memory, keeping the task state in step with what
// the mount reports and caching the device name and the last power reading.

#include "Cancellation.h"
#include "IClock.h"
#include "IConverser.h"
#include "IEEPROMConverser.h"
#include "IJexDevice.h"
#include "IMountAxis.h"
#include "ITAVOSettings.h"
#include "ITAVOSync.h"
#include "ITAVOTaskState.h"
#include "PersistentEEPROM.h"

#include <chrono>
#include <memory>
#include <mutex>

namespace JEX {

class TAVOSync : public ITAVOSync {
    Q_OBJECT
public:
    struct D {
        std::shared_ptr<IClock> clock;
        // Its wait returns true when the running operation has been cancelled.
        std::shared_ptr<IWaitable> waitable;
        std::shared_ptr<ITAVOTaskState> taskState;
        std::shared_ptr<ITAVOSettings> settings;
        // For the one direct device command, switching the Wi-Fi.
        std::shared_ptr<IJexConverser> converser;
        std::shared_ptr<IJexDevice> device;
        std::shared_ptr<IMountAxis> axis;
        std::shared_ptr<IEEPROMConverser> eeprom;
        // The monotonic time each operation's deadline is measured with.
        SteadyNow now = std::chrono::steady_clock::now;
    };

    // How often a busy byte is read before giving up, and the pause between reads.
    static constexpr int kBusyReads = 7;
    static constexpr uint32_t kBusyPollMs = 100;

    explicit TAVOSync(D d, QObject* parent = nullptr);

    CmdRet syncOnConnect(const MountIdentity* expected = nullptr) override;
    CmdRet prepareDisconnect() override;
    void retire() override { retired_->cancel(); }
    Nullable<TAVOStatus> status() const override;
    CmdResp<TAVOStatus> readStatus() override;
    Nullable<TAVOPowerStatus> lastPowerStatus() const override;
    CmdResp<TAVOPowerStatus> readPowerStatus() override;
    Nullable<ReadTAVOParamSet> lastParamSet() const override;
    CmdResp<ReadTAVOParamSet> readParamSet() override;
    CmdRet programManualMode() override;
    CmdRet programAutoMode(const TAVOParamSet& params) override;
    std::string deviceName() const override;
    CmdResp<std::string> readDeviceName() override;
    CmdResp<WifiSettings> readWifiSettings() override;
    CmdRet writeWifiSettings(const WifiSettings& settings) override;
    CmdResp<uint32_t> readWifiTimeoutSec() override;
    CmdRet writeWifiTimeoutSec(uint32_t seconds) override;
    CmdRet switchWifi(bool on) override;
    CmdRet writePolarSightLightOn(bool on) override;
    CmdResp<uint32_t> readPolarSightLightTimeoutSec() override;
    CmdRet writePolarSightLightTimeoutSec(uint32_t seconds) override;
    CmdResp<bool> readPowerOnAutoPreviousTask() override;
    CmdRet writePowerOnAutoPreviousTask(bool enabled) override;
    CmdResp<uint32_t> readAutoShutdownSec() override;
    CmdRet writeAutoShutdownSec(uint32_t seconds) override;
    bool isVelmoraWifi() const override;
    bool hasPolarSightLight() const override;
    bool hasAutoShutdown() const override;
    bool hasDithering() const override;
    bool hasMillisecondPeriods() const override;
    QString programOutOfRange(const TAVOParamSet& params) const override;

private:
    // The parameter memory for one operation, with its own deadline.
    PersistentEEPROM operationMemory() const;
    // The reads of the connect sequence (once each) and of the operations (persistent).
    CmdResp<TAVOStatus> readStatus(IEEPROMConverser& memory);
    CmdResp<TAVOPowerStatus> readPowerStatus(IEEPROMConverser& memory);
    CmdResp<ReadTAVOParamSet> readParamSet(IEEPROMConverser& memory);
    CmdResp<std::string> readDeviceName(IEEPROMConverser& memory);
    // Reads a busy byte until it shows 0: Other when it stays busy, Cancel when the wait is
    // cancelled, or the failed read's type.
    CmdRetType waitNotBusy(IEEPROMConverser& memory, uint16_t address);
    // A settings write followed by the commit byte.
    CmdRetType commit(IEEPROMConverser& memory, CmdRetType written);

    const D d_;
    const std::shared_ptr<ControlledCancellable> retired_ =
        std::make_shared<ControlledCancellable>();
    // Written by the operations on worker threads, read by getters on the GUI thread.
    mutable std::mutex cacheMutex_;
    std::string deviceName_;
    Nullable<TAVOPowerStatus> lastPowerStatus_;
};

} // namespace JEX
