#include "CtlArgs.h"

#include "CtlPlan.h"
#include "QAstroFormat.h"
#include "QTAVOHelper.h"
#include "TAVOParamMemory.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTimeZone>

#include <cmath>
#include <limits>
#include <numbers>

namespace JEX::Ctl {
namespace {

constexpr double kMaxSlewDegPerSec = 3.4;
constexpr double kMaxSlewSec = 3600;

const QStringList kCommands{"discover", "status",   "power",    "run",    "plan",  "profiles",
                            "stop",     "wifi-get", "wifi-set", "timers", "light", "position",
                            "slew",     "polar",    "session",  "help"};

// Options that take a value, per command ("" for the global ones).
const QStringList kGlobalValued{"--ip", "--serial", "--port", "--timeout", "--resends"};
const QStringList kWifiValued{"--mode",     "--ap-ssid",  "--ap-pass", "--ap-sec",
                              "--sta-ssid", "--sta-pass", "--sta-ip"};
const QStringList kTimerValued{"--wifi-off", "--light-off", "--shutdown", "--auto-run"};
const QStringList kSlewValued{"--for"};
const QStringList kPolarValued{"--at", "--lon", "--lat"};
const QStringList kProgramValued{"--profile"};

QStringList valuedOptionsOf(const QString& command) {
    if (command == "wifi-set")
        return kWifiValued;
    if (command == "timers")
        return kTimerValued;
    if (command == "slew")
        return kSlewValued;
    if (command == "polar")
        return kPolarValued;
    // A plan is laid out against the night of a start time and place.
    if (command == "plan")
        return kProgramValued + kPolarValued;
    if (command == "run")
        return kProgramValued;
    return {};
}

std::optional<double> finiteNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int64_t> wholeNumber(const QString& text, int64_t min, int64_t max) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<qint64> isoTimeMs(const QString& text) {
    QDateTime t = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!t.isValid())
        return std::nullopt;
    // Without an offset the time is taken as UTC, so that a script gets the same answer on
    // every machine.
    if (t.timeSpec() == Qt::LocalTime)
        t = QDateTime(t.date(), t.time(), QTimeZone::utc());
    return t.toMSecsSinceEpoch();
}

std::optional<WifiMode_::E> wifiModeOf(const QString& text) {
    const QString t = text.toLower();
    if (t == "ap")
        return WifiMode_::E::AP;
    if (t == "sta")
        return WifiMode_::E::STA;
    if (t == "both")
        return WifiMode_::E::Both;
    return std::nullopt;
}

std::optional<WifiSec_::E> wifiSecOf(const QString& text) {
    const QString t = text.toLower();
    if (t == "open")
        return WifiSec_::E::Open;
    if (t == "wpa_psk")
        return WifiSec_::E::WPA_PSK;
    if (t == "wpa2_psk")
        return WifiSec_::E::WPA2_PSK;
    if (t == "wpa_wpa2_psk")
        return WifiSec_::E::WPA_WPA2_PSK;
    return std::nullopt;
}

QString tooLong(const char* what, const QString& text, int limit) {
    const qsizetype bytes = text.toUtf8().size();
    if (bytes <= limit)
        return {};
    return QString("%1 is %2 bytes long; the mount keeps at most %3")
        .arg(what)
        .arg(bytes)
        .arg(limit);
}

bool isDottedQuad(const QString& text) {
    const QStringList parts = text.split('.');
    if (parts.size() != 4)
        return false;
    for (const QString& p : parts) {
        if (p.isEmpty() || p.size() > 3)
            return false;
        for (QChar c : p)
            if (c < '0' || c > '9')
                return false;
        if (p.toInt() > 255)
            return false;
    }
    return true;
}

// Sets one command option; an error text when its value is malformed.
QString setCommandOption(Options& o, const QString& name, const QString& value) {
    const auto seconds = [&](std::optional<uint32_t>& slot) -> QString {
        const auto v = wholeNumber(value, 0, std::numeric_limits<uint32_t>::max());
        if (!v)
            return QString("%1 needs whole seconds from 0 to 4294967295, not '%2'")
                .arg(name, value);
        slot = uint32_t(*v);
        return {};
    };
    if (name == "--mode") {
        o.wifi.mode = wifiModeOf(value);
        return o.wifi.mode ? QString() : QString("--mode is AP, STA or Both, not '%1'").arg(value);
    }
    if (name == "--ap-sec") {
        o.wifi.apSec = wifiSecOf(value);
        return o.wifi.apSec
                   ? QString()
                   : QString("--ap-sec is Open, WPA_PSK, WPA2_PSK or WPA_WPA2_PSK, not '%1'")
                         .arg(value);
    }
    if (name == "--ap-ssid")
        o.wifi.apSsid = value;
    else if (name == "--ap-pass")
        o.wifi.apPass = value;
    else if (name == "--sta-ssid")
        o.wifi.staSsid = value;
    else if (name == "--sta-pass")
        o.wifi.staPass = value;
    else if (name == "--sta-ip")
        o.wifi.staFixedIp = value;
    else if (name == "--wifi-off")
        return seconds(o.timers.wifiOffSec);
    else if (name == "--light-off")
        return seconds(o.timers.lightOffSec);
    else if (name == "--shutdown")
        return seconds(o.timers.shutdownSec);
    else if (name == "--auto-run") {
        if (value != "on" && value != "off")
            return QString("--auto-run is on or off, not '%1'").arg(value);
        o.timers.autoRun = value == "on";
    } else if (name == "--for") {
        const auto v = finiteNumber(value);
        if (!v || *v <= 0 || *v > kMaxSlewSec)
            return QString("--for needs seconds above 0 and at most %1, not '%2'")
                .arg(kMaxSlewSec)
                .arg(value);
        o.forSec = *v;
    } else if (name == "--at") {
        o.atMs = isoTimeMs(value);
        if (!o.atMs)
            return QString("--at needs an ISO 8601 time such as 2024-03-01T21:30:00Z, not '%1'")
                .arg(value);
    } else if (name == "--lon") {
        o.lonEastDeg = finiteNumber(value);
        if (!o.lonEastDeg || std::abs(*o.lonEastDeg) > 180)
            return QString("--lon needs degrees east from -180 to 180, not '%1'").arg(value);
    } else if (name == "--profile") {
        if (value.isEmpty())
            return "--profile needs the name of a profile the console saved";
        o.profileName = value;
    } else if (name == "--lat") {
        o.latDeg = finiteNumber(value);
        if (!o.latDeg || std::abs(*o.latDeg) > 90)
            return QString("--lat needs degrees from -90 to 90, not '%1'").arg(value);
    }
    return {};
}

QString setGlobalOption(Options& o, const QString& name, const QString& value) {
    if (name == "--ip") {
        if (!isDottedQuad(value))
            return QString("--ip needs an IPv4 address such as 192.168.4.1, not '%1'").arg(value);
        o.ip = value;
    } else if (name == "--serial") {
        if (value.isEmpty())
            return "--serial needs a port name such as /dev/ttyUSB0";
        o.serial = value;
    } else if (name == "--port") {
        const auto v = wholeNumber(value, 1, 65535);
        if (!v)
            return QString("--port needs a UDP port from 1 to 65535, not '%1'").arg(value);
        o.port = uint16_t(*v);
    } else if (name == "--timeout") {
        const auto v = wholeNumber(value, 10, 60000);
        if (!v)
            return QString("--timeout needs milliseconds from 10 to 60000, not '%1'").arg(value);
        o.timeoutMs = int(*v);
    } else if (name == "--resends") {
        const auto v = wholeNumber(value, 0, 20);
        if (!v)
            return QString("--resends needs a count from 0 to 20, not '%1'").arg(value);
        o.resends = int(*v);
    }
    return {};
}

QString checkPositionals(Options& o, const QStringList& positionals) {
    const QString& c = o.command;
    const bool byKind = (c == "plan" || c == "profiles" || c == "run") && positionals.size() == 1 &&
                        isProgramKind(positionals[0]);
    if (byKind)
        o.kind = positionals[0];
    if ((c == "plan" || c == "profiles") && !byKind)
        return QString("%1 needs a program kind: ap, atl, reg or long").arg(c);
    if (c == "run" && positionals.size() != 1)
        return "run needs one program: a kind (ap, atl, reg, long) with its inputs, JSON text, "
               "@FILE or - for standard input";
    if (c == "run" && !byKind)
        o.programSource = positionals[0];
    if (!o.kind.isEmpty() || c == "run") {
        if (o.kind.isEmpty() && (o.profileName || !o.profileInputs.isEmpty()))
            return "quantities and --profile go with a program kind: run KIND [--name=value ...]";
        if (c == "profiles" && !o.profileInputs.isEmpty())
            return "profiles takes no quantities";
        if (o.profileName && !o.profileInputs.isEmpty())
            return "--profile runs a saved profile as it is; give no quantities with it";
        return {};
    }
    if (c == "light") {
        if (positionals.size() != 1 || (positionals[0] != "on" && positionals[0] != "off"))
            return "light needs on or off";
        o.lightOn = positionals[0] == "on";
        return {};
    }
    if (c == "slew") {
        if (positionals.size() != 1)
            return "slew needs a rate in degrees per second, for example: slew 0.5 --for 10";
        const auto rate = finiteNumber(positionals[0]);
        if (!rate || std::abs(*rate) > kMaxSlewDegPerSec)
            return QString("slew needs a rate from -%1 to %1 degrees per second, not '%2'")
                .arg(kMaxSlewDegPerSec)
                .arg(positionals[0]);
        o.rateDegPerSec = *rate;
        if (o.forSec <= 0)
            return "slew needs --for SECONDS";
        return {};
    }
    if (!positionals.isEmpty())
        return QString("%1 takes no argument '%2'").arg(c, positionals[0]);
    if (c == "wifi-set" && !o.wifi.any())
        return "wifi-set needs at least one of " + kWifiValued.join(", ");
    return {};
}

} // namespace

bool Options::needsMount() const {
    return !help && command != "discover" && command != "polar" && command != "help" &&
           command != "plan" && command != "profiles";
}

Parsed parseArguments(const QStringList& args, bool inSession) {
    Options o;
    QStringList positionals;
    QList<QPair<QString, QString>> commandOptions;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--json") {
            if (inSession)
                return {std::nullopt, "--json is chosen when the session starts"};
            o.json = true;
            continue;
        }
        if (arg == "--timeline") {
            o.timeline = true;
            continue;
        }
        if (!arg.startsWith("--") || arg == "--" || arg == "-") {
            if (arg.startsWith('-') && arg != "-" && !finiteNumber(arg))
                return {std::nullopt, QString("unknown option '%1'").arg(arg)};
            if (o.command.isEmpty())
                o.command = arg;
            else
                positionals.push_back(arg);
            continue;
        }
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = arg.indexOf('='); eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasValue = true;
        }
        const bool global = kGlobalValued.contains(arg);
        const bool known = global || kWifiValued.contains(arg) || kTimerValued.contains(arg) ||
                           kSlewValued.contains(arg) || kPolarValued.contains(arg) ||
                           kProgramValued.contains(arg);
        // A program's own quantities, checked against its kind later.
        const bool quantity = !known && (o.command == "plan" || o.command == "run");
        if (!known && !quantity)
            return {std::nullopt, QString("unknown option '%1'").arg(arg)};
        if (global && inSession)
            return {std::nullopt,
                    QString("%1 is chosen when the session starts, not per command").arg(arg)};
        if (!hasValue) {
            if (i + 1 >= args.size())
                return {std::nullopt, QString("%1 needs a value").arg(arg)};
            value = args[++i];
        }
        if (quantity) {
            o.profileInputs.push_back({arg.mid(2), value});
        } else if (global) {
            if (const QString e = setGlobalOption(o, arg, value); !e.isEmpty())
                return {std::nullopt, e};
        } else {
            commandOptions.push_back({arg, value});
        }
    }
    if (o.help || o.command == "help") {
        o.help = true;
        return {o, {}};
    }
    if (o.command.isEmpty())
        return {std::nullopt, "no command given"};
    if (!kCommands.contains(o.command))
        return {std::nullopt, QString("unknown command '%1'").arg(o.command)};
    if (o.timeline && o.command != "plan")
        return {std::nullopt, "--timeline goes with plan"};
    if (inSession && (o.command == "session" || o.command == "discover"))
        return {std::nullopt, QString("%1 cannot run inside a session").arg(o.command)};
    for (const auto& [name, value] : commandOptions) {
        if (!valuedOptionsOf(o.command).contains(name))
            return {std::nullopt, QString("%1 takes no option %2").arg(o.command, name)};
        if (const QString e = setCommandOption(o, name, value); !e.isEmpty())
            return {std::nullopt, e};
    }
    if (const QString e = checkPositionals(o, positionals); !e.isEmpty())
        return {std::nullopt, e};
    if (!o.ip.isEmpty() && !o.serial.isEmpty())
        return {std::nullopt, "--ip and --serial exclude each other"};
    if (o.port && !o.serial.isEmpty())
        return {std::nullopt, "--port is for UDP links, not with --serial"};
    if (o.command == "wifi-set")
        if (const QString e = checkWifiTextLengths(o.wifi); !e.isEmpty())
            return {std::nullopt, e};
    return {o, {}};
}

std::optional<TAVOParamSet> parseProgram(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QString("the program is not valid JSON: %1 at offset %2")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        *error = "the program must be one JSON object";
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    static const QSet<QString> numbers{"cycleSec",         "cycleAngleDeg", "exposureSec",
                                       "auxTimeSec",       "speedDps",      "swingRangeDeg",
                                       "ditheringRangeDeg"};
    static const QSet<QString> flags{"clockwise", "swingEnabled", "ditheringEnabled"};
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& key = it.key();
        if (key != "mode" && key != "N_Cycles" && !numbers.contains(key) && !flags.contains(key)) {
            *error = QString("the program has an unknown key '%1'").arg(key);
            return std::nullopt;
        }
        if (flags.contains(key) && !it->isBool()) {
            *error = QString("%1 must be true or false").arg(key);
            return std::nullopt;
        }
        if (numbers.contains(key) &&
            (!it->isDouble() || !std::isfinite(it->toDouble()) || it->toDouble() < 0)) {
            *error = QString("%1 must be a number of at least 0").arg(key);
            return std::nullopt;
        }
    }
    TAVOParamSet p;
    const QJsonValue mode = o.value("mode");
    if (mode.isString()) {
        static const QList<QPair<QString, TAVOMode_::E>> names{{"AP", TAVOMode_::E::AP},
                                                               {"Reg", TAVOMode_::E::Reg},
                                                               {"Long", TAVOMode_::E::Long},
                                                               {"ATL", TAVOMode_::E::ATL}};
        bool found = false;
        for (const auto& [name, value] : names)
            if (mode.toString().compare(name, Qt::CaseInsensitive) == 0) {
                p.mode = value;
                found = true;
            }
        if (!found) {
            *error = QString("mode is AP, Reg, Long or ATL, not '%1'").arg(mode.toString());
            return std::nullopt;
        }
    } else if (mode.isDouble() && mode.toDouble() == std::floor(mode.toDouble()) &&
               mode.toDouble() >= 1 && mode.toDouble() <= 4) {
        p.mode = static_cast<TAVOMode_::E>(mode.toInt());
    } else {
        *error = "the program needs a mode: AP, Reg, Long, ATL or 1 to 4";
        return std::nullopt;
    }
    if (o.contains("N_Cycles")) {
        const QJsonValue n = o.value("N_Cycles");
        const double v = n.toDouble(-1);
        if (!n.isDouble() || v != std::floor(v) || v < 0 ||
            v > std::numeric_limits<int32_t>::max()) {
            *error = "N_Cycles must be a whole number from 0 (unlimited) to 2147483647";
            return std::nullopt;
        }
        p.N_Cycles = int32_t(v);
    }
    p.clockwise = o.value("clockwise").toBool();
    p.cycleSec = o.value("cycleSec").toDouble();
    p.cycleAngleDeg = o.value("cycleAngleDeg").toDouble();
    p.exposureSec = o.value("exposureSec").toDouble();
    p.auxTimeSec = o.value("auxTimeSec").toDouble();
    p.speedDps = o.value("speedDps").toDouble();
    p.swingEnabled = o.value("swingEnabled").toBool();
    p.swingRangeDeg = o.value("swingRangeDeg").toDouble();
    p.ditheringEnabled = o.value("ditheringEnabled").toBool();
    p.ditheringRangeDeg = o.value("ditheringRangeDeg").toDouble();
    const double limitDps = kSpeedLimitRps * 180.0 / std::numbers::pi;
    if (p.speedDps > limitDps * (1 + 1e-12)) {
        *error = QString("speedDps %1 is above the limit of %2 degrees per second (750 deg/h)")
                     .arg(p.speedDps)
                     .arg(limitDps, 0, 'g', 12);
        return std::nullopt;
    }
    p.effectiveCycleSec = effectiveCycleSec(p);
    return p;
}

QString checkWifiTextLengths(const WifiChanges& c) {
    const QList<QPair<const char*, std::pair<const std::optional<QString>*, int>>> fields{
        {"--ap-ssid", {&c.apSsid, int(WifiSettingsLimit_::E::AP_SSID_MaxLen)}},
        {"--ap-pass", {&c.apPass, int(WifiSettingsLimit_::E::AP_pass_MaxLen)}},
        {"--sta-ssid", {&c.staSsid, int(WifiSettingsLimit_::E::STA_SSID_MaxLen)}},
        {"--sta-pass", {&c.staPass, int(WifiSettingsLimit_::E::STA_pass_MaxLen)}},
        {"--sta-ip", {&c.staFixedIp, int(WifiSettingsLimit_::E::STA_fixedIP_MaxLen)}}};
    for (const auto& [name, field] : fields)
        if (*field.first)
            if (const QString e = tooLong(name, **field.first, field.second); !e.isEmpty())
                return e;
    return {};
}

WifiSettings applyWifiChanges(WifiSettings s, const WifiChanges& c) {
    if (c.mode)
        s.mode = *c.mode;
    if (c.apSec)
        s.AP_SEC = *c.apSec;
    if (c.apSsid)
        s.AP_SSID = *c.apSsid;
    if (c.apPass)
        s.AP_pass = *c.apPass;
    if (c.staSsid)
        s.STA_SSID = *c.staSsid;
    if (c.staPass)
        s.STA_pass = *c.staPass;
    if (c.staFixedIp)
        s.STA_fixedIP = *c.staFixedIp;
    return s;
}

QString checkWifiSettings(const WifiSettings& s) {
    const bool ap = s.mode == WifiMode_::E::AP || s.mode == WifiMode_::E::Both;
    const bool sta = s.mode == WifiMode_::E::STA || s.mode == WifiMode_::E::Both;
    WifiChanges all;
    all.apSsid = s.AP_SSID;
    all.apPass = s.AP_pass;
    all.staSsid = s.STA_SSID;
    all.staPass = s.STA_pass;
    all.staFixedIp = s.STA_fixedIP;
    if (const QString e = checkWifiTextLengths(all); !e.isEmpty())
        return e;
    if (ap && s.AP_SSID.isEmpty())
        return "the access point needs a name (--ap-ssid)";
    if (ap && s.AP_SEC != WifiSec_::E::Open && s.AP_pass.toUtf8().size() < 8)
        return "a secured access point needs a password of 8 to 63 characters (--ap-pass)";
    if (sta && s.STA_SSID.isEmpty())
        return "the station needs the name of the network to join (--sta-ssid)";
    if (sta && !s.STA_fixedIP.isEmpty() && !isDottedQuad(s.STA_fixedIP))
        return QString("--sta-ip needs an IPv4 address or nothing, not '%1'").arg(s.STA_fixedIP);
    return {};
}

QString reticleClock(double positionAngle) {
    return QString::fromStdString(QAstroFormat(nullptr, nullptr).reticleClock(positionAngle));
}

QString modeName(TAVOMode_::E mode) {
    switch (mode) {
    case TAVOMode_::E::Manual:
        return "Manual";
    case TAVOMode_::E::AP:
        return "Astrophotography";
    case TAVOMode_::E::Reg:
        return "Regular-Exposure Time-lapse";
    case TAVOMode_::E::Long:
        return "Long-Exposure Time-lapse";
    case TAVOMode_::E::ATL:
        return "Astro Time-lapse";
    }
    return QString("mode %1").arg(int(mode));
}

QString wifiModeName(WifiMode_::E mode) {
    switch (mode) {
    case WifiMode_::E::STA:
        return "STA";
    case WifiMode_::E::AP:
        return "AP";
    case WifiMode_::E::Both:
        return "Both";
    }
    return QString::number(int(mode));
}

QString wifiSecName(WifiSec_::E sec) {
    switch (sec) {
    case WifiSec_::E::Open:
        return "Open";
    case WifiSec_::E::WPA_PSK:
        return "WPA_PSK";
    case WifiSec_::E::WPA2_PSK:
        return "WPA2_PSK";
    case WifiSec_::E::WPA_WPA2_PSK:
        return "WPA_WPA2_PSK";
    }
    return QString::number(int(sec));
}

QString usage() {
    return QStringLiteral(
        R"(Usage: velmoractl [CONNECTION] [--json] COMMAND [ARGUMENTS]

Talks to the star tracker the way the console does, for headless rigs and scripts.

Commands:
  discover                 search every network for mounts and list them
  status                   the running program, photos taken, and the program itself
  power                    battery and USB voltage
  run PROGRAM              write a program and start it; PROGRAM is one JSON object
                           (text, @FILE, or - for standard input) with the keys mode
                           (AP, Reg, Long, ATL), cycleSec, N_Cycles, exposureSec,
                           auxTimeSec, speedDps, cycleAngleDeg, clockwise,
                           swingEnabled, swingRangeDeg, ditheringEnabled,
                           ditheringRangeDeg; for example
                           run '{"mode":"AP","cycleSec":30,"exposureSec":25,"N_Cycles":20,"speedDps":0.0041780746}'
  run KIND [--NAME=VALUE ...] | run KIND --profile NAME
                           make the program as the console's page for KIND (ap, atl,
                           reg, long) would from the quantities given, or take a
                           profile the console saved ("<unnamed>": the page's last
                           state), then write and start it
  plan KIND [--NAME=VALUE ...] [--timeline] | plan KIND --profile NAME [--timeline]
       [--at ISO8601] [--lat DEG] [--lon DEG_EAST]
                           show that program without a mount: every quantity, given
                           or calculated, whether it is valid, and the program (exit
                           status 1 when it is not valid); --timeline shows instead
                           how the axis moves through it, as CSV t_s,angle_deg,event:
                           one line per start, photo, swing reversal and end (an
                           unlimited program is drawn for 24 hours, to its horizon),
                           angles from the start, clockwise positive; --json always
                           adds it as timeline, with endUnixMs and the night after the
                           start (--at ISO8601, else now) at the place (--lat DEG,
                           --lon DEG_EAST, else the stored location): duskUnixMs and
                           dawnUnixMs of the Sun's centre 18 degrees down (12 where it
                           never gets that low: night "nautical"; "none": neither);
                           the quantities are
                           ap: exposureSec, photoIntervalSec, photos,
                               trackingRateDegPerSec, ditheringRangeArcMin
                           atl: exposureSec, videoTimeSpanHour, videoLengthSec,
                               frameRateFps, photos, trackingRateDegPerSec
                           reg, long: exposureSec, videoTimeSpanHour, videoLengthSec,
                               frameRateFps, photos, framePeriodSec, swingRangeDeg,
                               swingCount, speedDph, clockwise
                           for example: plan reg --videoTimeSpanHour 2
                               --framePeriodSec 10 --frameRateFps 30
  profiles KIND            the profiles the console saved for KIND
  stop                     stop the running program
  wifi-get                 the mount's Wi-Fi settings
  wifi-set OPTIONS         change them; the others stay as the mount has them:
                           --mode AP|STA|Both, --ap-ssid TEXT, --ap-pass TEXT,
                           --ap-sec Open|WPA_PSK|WPA2_PSK|WPA_WPA2_PSK,
                           --sta-ssid TEXT, --sta-pass TEXT, --sta-ip ADDR (empty: DHCP)
  timers [OPTIONS]         show the mount's timers, after setting any of
                           --wifi-off SEC, --light-off SEC, --shutdown SEC,
                           --auto-run on|off (re-run the last program at power-on)
  light on|off             switch the polar-scope light
  position                 the angle of the tracking axis
  slew DEG_PER_SEC --for SECONDS
                           turn the axis at a rate, then stop it (Ctrl-C stops early)
  polar [--at ISO8601] [--lon DEG_EAST] [--lat DEG]
                           where Polaris and the four southern pole stars sit in the
                           polar scope (no mount needed), by the simple formula and from
                           their rigorous apparent places; a time without an offset is
                           UTC; the stored location is used for what is not given
  session                  connect once, then run one command per line of standard
                           input (no connection options per line) until its end or quit

Connection (default: the console's stored connection settings):
  --ip ADDR                the mount at this address over Wi-Fi
  --port N                 its UDP port (11880; searching always uses 11880)
  --serial PORT            the mount on this serial port (/dev/ttyUSB0)
  --timeout MS             reply time-out per attempt
  --resends N              resends before a command counts as unanswered

Output: plain text; --json prints one JSON object per command for scripts.
The stored settings are read from VELMORA_DATA_DIR when set, else from the console's data
directory; velmoractl never changes them, and never switches the mount's Wi-Fi off.

Exit status: 0 done; 1 the mount refused or did not answer, or lacks the feature;
2 malformed arguments or input; 3 no mount found, or the connection was refused.
)");
}

} // namespace JEX::Ctl
