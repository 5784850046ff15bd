#pragma once
// The connected mount as QML and the connection subsystem see it: every mount operation as
// a future, manual slewing of axis 1, the position display and the mount's capabilities.

#include "CmdRet.h"
#include "ITAVOSync.h"
#include "TAVOParams.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace JEX {

// The QFuture<QVariantMap> operations report {"type": CmdRetType_::E, "value": the value or
// an invalid variant}.
class ITAVO : public QObject {
    Q_OBJECT
    // A TAVOPowerStatus, or invalid before the first successful reading.
    Q_PROPERTY(QVariant lastPowerStatus READ lastPowerStatus NOTIFY propertyChanged)
    Q_PROPERTY(QString deviceName READ deviceName NOTIFY propertyChanged)
    Q_PROPERTY(bool isVelmoraWifi READ isVelmoraWifi NOTIFY propertyChanged)
    Q_PROPERTY(bool hasPolarSightLight READ hasPolarSightLight NOTIFY propertyChanged)
    Q_PROPERTY(bool hasAutoShutdown READ hasAutoShutdown NOTIFY propertyChanged)
    Q_PROPERTY(bool hasDithering READ hasDithering NOTIFY propertyChanged)
    // Radians from the tared zero.
    Q_PROPERTY(double lastAxis1 READ lastAxis1 NOTIFY positionChanged)
    Q_PROPERTY(bool periodicPositionRead READ periodicPositionRead NOTIFY propertyChanged)

public:
    using QObject::QObject;

    // Both run on the calling thread and return the synchronisation's result.
    virtual CmdRet syncOnConnect(const MountIdentity* expected = nullptr) = 0;
    // Also makes an operation still taking up lost exchanges end as retire() does.
    virtual CmdRet prepareDisconnect() = 0;
    // No longer the connected mount: operations not yet begun end as Cancel without a word
    // to the mount. One already talking ends as it would, or with Cancel at its next lost
    // exchange instead of taking it up again.
    virtual void retire() = 0;

    Q_INVOKABLE virtual QFuture<JEX::CmdRet> readStatus() = 0;
    virtual QVariant lastPowerStatus() const = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> readPowerStatus() = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> programManualMode() = 0;
    // Refused (Other) when the mount cannot hold a value: programOutOfRange says which.
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> programAutoMode(JEX::TAVOParamSet params) = 0;
    // Why this mount cannot hold the program (the value and its limit); empty when it can.
    Q_INVOKABLE virtual QString programOutOfRange(JEX::TAVOParamSet params) const = 0;
    virtual QString deviceName() const = 0;
    Q_INVOKABLE virtual QFuture<QVariantMap> readWifiSettings() = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> writeWifiSettings(JEX::WifiSettings settings) = 0;
    Q_INVOKABLE virtual QFuture<QVariantMap> readWifiTimeoutSec() = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> writeWifiTimeoutSec(uint powerOffSec) = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> writePolarSightLightOn(bool isOn) = 0;
    Q_INVOKABLE virtual QFuture<QVariantMap> readPolarSightLightTimeoutSec() = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> writePolarSightLightTimeoutSec(uint powerOffSec) = 0;
    Q_INVOKABLE virtual QFuture<QVariantMap> readPowerOnAutoPreviousTask() = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> writePowerOnAutoPreviousTask(bool enabled) = 0;
    Q_INVOKABLE virtual QFuture<QVariantMap> readAutoShutdownSec() = 0;
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> writeAutoShutdownSec(uint powerOffSec) = 0;
    virtual bool isVelmoraWifi() const = 0;
    virtual bool hasPolarSightLight() const = 0;
    virtual bool hasAutoShutdown() const = 0;
    virtual bool hasDithering() const = 0;
    // A nonzero rate slews axis 1 at it, zero stops it; the task manager runs either. The
    // future ends with the mount's answer, or canceled when a later command took its place.
    Q_INVOKABLE virtual QFuture<JEX::CmdRet> slewAxisAsync(double speedRps) = 0;
    virtual double lastAxis1() const = 0;
    // Reads the position of axis 1 once, for callers that poll on their own schedule (and
    // must know when no read is on the link).
    virtual QFuture<JEX::CmdRet> readAxis1() = 0;
    virtual bool periodicPositionRead() const = 0;
    Q_INVOKABLE virtual void setPeriodicPositionRead(bool value) = 0;
    // Makes the current position of axis 1 read as zero from now on.
    Q_INVOKABLE virtual void tareLastAxis1() = 0;

signals:
    void propertyChanged();
    void positionChanged();
};

} // namespace JEX
