#pragma once
// What velmoractl was asked to do, read from its command line or from one line of a session:
// the command, how to reach the mount, and each command's own arguments, all checked before
// anything is sent. Also the checks of a program and of Wi-Fi texts, and the polar-scope
// reticle reading.

#include "TAVOParams.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace JEX::Ctl {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    // the mount refused, did not answer, or lacks the feature
inline constexpr int kExitUsage = 2;     // malformed arguments or input
inline constexpr int kExitNoConnect = 3; // no mount found, or the connection was refused

struct WifiChanges {
    std::optional<WifiMode_::E> mode;
    std::optional<WifiSec_::E> apSec;
    std::optional<QString> apSsid;
    std::optional<QString> apPass;
    std::optional<QString> staSsid;
    std::optional<QString> staPass;
    std::optional<QString> staFixedIp;
    bool any() const {
        return mode || apSec || apSsid || apPass || staSsid || staPass || staFixedIp;
    }
};

struct TimerChanges {
    std::optional<uint32_t> wifiOffSec;
    std::optional<uint32_t> lightOffSec;
    std::optional<uint32_t> shutdownSec;
    std::optional<bool> autoRun;
};

struct Options {
    QString command;
    bool help = false;
    bool json = false;
    bool timeline = false; // plan: the program's timeline as CSV in place of the report
    // How to reach the mount; without ip and serial, the stored connection settings.
    QString ip;
    QString serial;
    std::optional<uint16_t> port;
    std::optional<int> timeoutMs;
    std::optional<int> resends;

    QString programSource; // run: JSON text, @FILE or - (standard input)
    // plan, profiles, run KIND: the program kind (ap, atl, reg, long), the quantities given
    // as --name=value in order, or the name of a profile the console saved.
    QString kind;
    QList<QPair<QString, QString>> profileInputs;
    std::optional<QString> profileName;
    WifiChanges wifi;         // wifi-set
    TimerChanges timers;      // timers
    bool lightOn = false;     // light
    double rateDegPerSec = 0; // slew
    double forSec = 0;
    std::optional<qint64> atMs; // polar
    std::optional<double> lonEastDeg;
    std::optional<double> latDeg;

    bool needsMount() const;
};

struct Parsed {
    std::optional<Options> options;
    QString error; // set when options is empty
};

// args without the program name. In a session only commands and their own options are
// accepted (the connection is already made).
Parsed parseArguments(const QStringList& args, bool inSession = false);

// A program as one JSON object whose keys are the TAVOParamSet members; mode is "AP",
// "Reg", "Long", "ATL" or 1 to 4. effectiveCycleSec is derived. Empty with a message on
// malformed input.
std::optional<TAVOParamSet> parseProgram(const QByteArray& json, QString* error);

// Every text longer than its field in the mount (UTF-8 bytes), before anything is written.
QString checkWifiTextLengths(const WifiChanges& changes);
// The settings about to be written: secured access points need a password of 8 to 63
// characters, a fixed station address is four dotted numbers.
QString checkWifiSettings(const WifiSettings& settings);
WifiSettings applyWifiChanges(WifiSettings settings, const WifiChanges& changes);

// A position angle as the polar scope's clock face reads it: "HH:MM", 12 at the top.
QString reticleClock(double positionAngle);

QString modeName(TAVOMode_::E mode);
QString wifiModeName(WifiMode_::E mode);
QString wifiSecName(WifiSec_::E sec);

QString usage();

} // namespace JEX::Ctl
