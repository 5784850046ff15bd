#pragma once
// Every operation of a connected mount as a sequence of parameter-memory reads and writes,
// with the few values the console caches. All operations block and run on the caller's thread.

#include "CmdResp.h"
#include "CmdRet.h"
#include "IJexDevice.h"
#include "Nullable.h"
#include "TAVOParams.h"

#include <QObject>

#include <cstdint>
#include <string>
#include <vector>

namespace JEX {

// Who a mount is, as far as a reconnect can tell: its firmware and the names it may answer
// with (the one it had, and one the console wrote to it since).
struct MountIdentity {
    Firmware firmware;
    std::vector<std::string> deviceNames;

    bool matches(const Firmware& fw, const std::string& name) const;
};

// Communication failures come back as result types; exceptions mark contract breaches only.
// The operations after the connect sequence take up an exchange lost after the link's
// resends, from that exchange on, while their deadline allows (OperationDeadline); a failed
// start, stop or Wi-Fi write carries a message that says what the mount was left in.
class ITAVOSync : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Initialises the device and axis 1, reads the mount's state, and marks the connection.
    // With an expected identity, a mount that reads back as another one gets nothing written
    // and ends the sequence as Other.
    virtual CmdRet syncOnConnect(const MountIdentity* expected = nullptr) = 0;
    // Switches the mount's Wi-Fi off or marks the disconnection, by the console's setting.
    virtual CmdRet prepareDisconnect() = 0;
    // The mount has been let go or the console is quitting: an operation that is taking up
    // lost exchanges ends with Cancel at its next one. Any thread.
    virtual void retire() = 0;

    // The task state's last status; no mount access.
    virtual Nullable<TAVOStatus> status() const = 0;
    virtual CmdResp<TAVOStatus> readStatus() = 0;
    // The last successful power reading.
    virtual Nullable<TAVOPowerStatus> lastPowerStatus() const = 0;
    virtual CmdResp<TAVOPowerStatus> readPowerStatus() = 0;
    // The task state's last program; no mount access.
    virtual Nullable<ReadTAVOParamSet> lastParamSet() const = 0;
    // Reads the program the mount holds and stores it in the task state.
    virtual CmdResp<ReadTAVOParamSet> readParamSet() = 0;
    // Stops the running program.
    virtual CmdRet programManualMode() = 0;
    // Waits until the mount takes a new program, writes it and starts it.
    virtual CmdRet programAutoMode(const TAVOParamSet& params) = 0;

    // The name read at connect time (the access point's SSID), as the mount's bytes.
    virtual std::string deviceName() const = 0;
    virtual CmdResp<std::string> readDeviceName() = 0;
    virtual CmdResp<WifiSettings> readWifiSettings() = 0;
    virtual CmdRet writeWifiSettings(const WifiSettings& settings) = 0;
    virtual CmdResp<uint32_t> readWifiTimeoutSec() = 0;
    virtual CmdRet writeWifiTimeoutSec(uint32_t seconds) = 0;
    virtual CmdRet switchWifi(bool on) = 0;
    virtual CmdRet writePolarSightLightOn(bool on) = 0;
    virtual CmdResp<uint32_t> readPolarSightLightTimeoutSec() = 0;
    virtual CmdRet writePolarSightLightTimeoutSec(uint32_t seconds) = 0;
    virtual CmdResp<bool> readPowerOnAutoPreviousTask() = 0;
    virtual CmdRet writePowerOnAutoPreviousTask(bool enabled) = 0;
    virtual CmdResp<uint32_t> readAutoShutdownSec() = 0;
    virtual CmdRet writeAutoShutdownSec(uint32_t seconds) = 0;

    // Answered from the device's identification, read at connect time.
    virtual bool isVelmoraWifi() const = 0;
    virtual bool hasPolarSightLight() const = 0;
    virtual bool hasAutoShutdown() const = 0;
    virtual bool hasDithering() const = 0;
    virtual bool hasMillisecondPeriods() const = 0;
    // Why this mount cannot hold the program (the first value out of range and its limit);
    // empty when it can.
    virtual QString programOutOfRange(const TAVOParamSet& params) const = 0;

signals:
    // The device name or the power status changed.
    void propertyChanged();
};

} // namespace JEX
