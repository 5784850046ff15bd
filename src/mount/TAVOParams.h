#pragma once
// The records that carry a shooting program, a status reading, a power reading and the
// mount's Wi-Fi configuration between the mount, the console's logic and QML.

#include "MountEnums.h"

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <cstdint>

namespace JEX {

// One complete program. effectiveCycleSec is the real period of a shot cycle; the mount does
// not keep it.
struct TAVOParamSet {
    Q_GADGET
    Q_PROPERTY(int N_Cycles MEMBER N_Cycles)
public:
    TAVOMode_::E mode = TAVOMode_::E::Manual;
    bool clockwise = false;
    double effectiveCycleSec = 0;
    double cycleSec = 0;
    int32_t N_Cycles = 0; // 0: unlimited
    double cycleAngleDeg = 0;
    double exposureSec = 0;
    double auxTimeSec = 0;
    double speedDps = 0;
    bool swingEnabled = false;
    double swingRangeDeg = 0;
    bool ditheringEnabled = false;
    double ditheringRangeDeg = 0;

    bool operator==(const TAVOParamSet&) const = default;
};

// A program as the mount holds it, with its start time; the mount keeps only the low 32 bits
// of the time.
struct ReadTAVOParamSet {
    int64_t startTimeUnixMs = 0;
    TAVOParamSet paramSet;

    bool operator==(const ReadTAVOParamSet&) const = default;
};

struct TAVOStatus {
    Q_GADGET
    Q_PROPERTY(qint64 updateTimeUnixMs MEMBER updateTimeUnixMs)
    Q_PROPERTY(QDateTime updateTime READ updateTime)
    Q_PROPERTY(JEX::TAVOMode_::E mode MEMBER mode)
    Q_PROPERTY(int numberOfPictureTaken MEMBER numberOfPictureTaken)
    Q_PROPERTY(bool maxPosErrReached MEMBER maxPosErrReached)
    Q_PROPERTY(bool trackingOutOfAccuracy MEMBER trackingOutOfAccuracy)
    Q_PROPERTY(int longExposureTimelapseStatus MEMBER longExposureTimelapseStatus)
    Q_PROPERTY(int longExposureTimelapseErr10ms MEMBER longExposureTimelapseErr10ms)
public:
    qint64 updateTimeUnixMs = 0; // console clock when the reading finished
    TAVOMode_::E mode = TAVOMode_::E::Manual;
    int32_t numberOfPictureTaken = 0;
    // The mount is not asked for these; they stay false and 0.
    bool maxPosErrReached = false;
    bool trackingOutOfAccuracy = false;
    int32_t longExposureTimelapseStatus = 0;
    int32_t longExposureTimelapseErr10ms = 0;

    QDateTime updateTime() const { return QDateTime::fromMSecsSinceEpoch(updateTimeUnixMs); }
    bool operator==(const TAVOStatus&) const = default;
};

struct TAVOPowerStatus {
    Q_GADGET
    Q_PROPERTY(double batteryVolt MEMBER batteryVolt)
    Q_PROPERTY(double usbVolt MEMBER usbVolt)
public:
    int64_t readTimeUnixMs = 0;
    double batteryVolt = 0;
    double usbVolt = 0;

    bool operator==(const TAVOPowerStatus&) const = default;
};

// The default is what a new configuration starts from: an open access point.
struct WifiSettings {
    Q_GADGET
    Q_PROPERTY(JEX::WifiMode_::E mode MEMBER mode)
    Q_PROPERTY(QString AP_SSID MEMBER AP_SSID)
    Q_PROPERTY(QString AP_pass MEMBER AP_pass)
    Q_PROPERTY(QString STA_SSID MEMBER STA_SSID)
    Q_PROPERTY(QString STA_pass MEMBER STA_pass)
    Q_PROPERTY(QString STA_fixedIP MEMBER STA_fixedIP)
    Q_PROPERTY(JEX::WifiSec_::E AP_SEC MEMBER AP_SEC)
    Q_PROPERTY(bool STA_useDHCP READ STA_useDHCP)
public:
    WifiMode_::E mode = WifiMode_::E::AP;
    QString AP_SSID;
    QString AP_pass;
    QString STA_SSID;
    QString STA_pass;
    QString STA_fixedIP; // empty: the station takes its address by DHCP
    WifiSec_::E AP_SEC = WifiSec_::E::Open;
    // Each text's bytes as read from the mount (empty for a record made here): a text that is
    // not valid UTF-8 is written back as these bytes as long as it is left unchanged.
    QByteArray AP_SSID_read, AP_pass_read, STA_SSID_read, STA_pass_read, STA_fixedIP_read;

    bool STA_useDHCP() const { return STA_fixedIP.isEmpty(); }
    // The settings themselves; the bytes read only say how they were stored.
    bool operator==(const WifiSettings& o) const {
        return mode == o.mode && AP_SSID == o.AP_SSID && AP_pass == o.AP_pass &&
               STA_SSID == o.STA_SSID && STA_pass == o.STA_pass && STA_fixedIP == o.STA_fixedIP &&
               AP_SEC == o.AP_SEC;
    }
};

// Registers the records and the mount enumerations with Qt's type system by name, so that
// variants, queued connections and QML can carry them. Safe to call more than once.
void registerMountMetaTypes();

// One of the access-point securities the console can write (others read from a mount are
// kept but never written).
bool isKnownWifiSecurity(WifiSec_::E sec);

} // namespace JEX

Q_DECLARE_METATYPE(JEX::TAVOParamSet)
Q_DECLARE_METATYPE(JEX::ReadTAVOParamSet)
Q_DECLARE_METATYPE(JEX::TAVOStatus)
Q_DECLARE_METATYPE(JEX::TAVOPowerStatus)
Q_DECLARE_METATYPE(JEX::WifiSettings)
