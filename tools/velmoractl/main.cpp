// velmoractl: the console's connection, mount object and astronomy, driven from a command
// line. Builds the same objects the console's object graph builds for a connection, over an
// in-memory copy of the stored settings, runs one command (or a session of them) and
// disconnects.

#include "AstroCalc.h"
#include "ConnectionSettings.h"
#include "CtlArgs.h"
#include "CtlPlan.h"
#include "DeviceFactories.h"
#include "Location.h"
#include "MountStack.h"
#include "ProgramPlanner.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"
#include "QtUDPBroadcaster.h"
#include "TAVO.h"
#include "TAVOConnectable.h"
#include "TAVOContainer.h"
#include "TAVOTaskState.h"
#include "UDPConnectableHelper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QProcess>
#include <QTextStream>
#include <QTimeZone>
#include <QUnhandledException>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <numbers>
#include <thread>

using namespace JEX;
using namespace JEX::Ctl;
using Steady = std::chrono::steady_clock;

namespace {

constexpr auto kConnectLimit = std::chrono::seconds(60);
constexpr auto kDisconnectLimit = std::chrono::seconds(30);
constexpr auto kSearchLimit = std::chrono::seconds(30);

double toDeg(double rad) {
    return rad * 180.0 / std::numbers::pi;
}
double normalised(double rad) {
    double a = std::fmod(rad, 2 * std::numbers::pi);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

QString typeName(CmdRetType type) {
    return QString::fromLatin1(QMetaEnum::fromType<CmdRetType_::E>().valueToKey(int(type)));
}

// One command's outcome: what it prints and how the program ends.
struct Result {
    int code = kExitOk;
    QString error;
    std::optional<CmdRetType> type;
    QJsonObject json;
    QStringList text;

    static Result failed(int code, const QString& error) {
        Result r;
        r.code = code;
        r.error = error;
        return r;
    }
    static Result mount(CmdRetType type) {
        Result r = failed(kExitFailed, cmdRetTypeText(type));
        r.type = type;
        return r;
    }
};

void print(const QString& command, const Result& r, bool json) {
    if (json) {
        QJsonObject o = r.json;
        o.insert("command", command);
        o.insert("ok", r.code == kExitOk);
        if (r.code != kExitOk) {
            o.insert("error", r.error);
            o.insert("exitStatus", r.code);
            if (r.type)
                o.insert("type", typeName(*r.type));
        }
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Compact).append('\n').constData(),
                   stdout);
    } else if (r.code == kExitOk) {
        for (const QString& line : r.text)
            std::fputs(qUtf8Printable(line + '\n'), stdout);
    } else {
        // A report that ends in a refusal (a plan that is not valid) is still shown.
        for (const QString& line : r.text)
            std::fputs(qUtf8Printable(line + '\n'), stdout);
        std::fprintf(stderr, "velmoractl: %s: %s\n", qUtf8Printable(command),
                     qUtf8Printable(r.error));
        if (r.code == kExitUsage)
            std::fputs("Try 'velmoractl --help'.\n", stderr);
    }
    std::fflush(stdout);
}

int usageError(const QString& error) {
    std::fprintf(stderr, "velmoractl: %s\nTry 'velmoractl --help'.\n", qUtf8Printable(error));
    return kExitUsage;
}

// Waits for something another thread announces.
class Signal {
public:
    // Notifies under the lock: a waiter that sees the flag may destroy this at once.
    void raise() {
        std::lock_guard lock(mutex_);
        raised_ = true;
        cv_.notify_all();
    }
    template <typename Rep, typename Period> bool wait(std::chrono::duration<Rep, Period> limit) {
        std::unique_lock lock(mutex_);
        return cv_.wait_for(lock, limit, [this] { return raised_; });
    }
    void reset() {
        std::lock_guard lock(mutex_);
        raised_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool raised_ = false;
};

// The stored connection settings copied into memory, with the command line's choices on top.
std::shared_ptr<ConnectionSettings> connectionSettings(const Options& o,
                                                       const std::shared_ptr<IKVStore>& store) {
    auto s = MountStack::storedSettings(store);
    if (!o.ip.isEmpty()) {
        s->setType(ConnectionType_::E::UDP);
        s->setSearchIP(false);
        s->setFixedIP(o.ip.toStdString());
    }
    if (!o.serial.isEmpty()) {
        s->setType(ConnectionType_::E::Serial);
        s->setSerialPortName(o.serial.toStdString());
    }
    if (o.timeoutMs)
        s->setReadTimeoutMs_other(*o.timeoutMs);
    if (o.resends)
        s->setMaxRetryCount(*o.resends);
    return s;
}

// The connection's objects as the console's object graph makes them.
class Connection {
public:
    Connection(const Options& o, const std::shared_ptr<IKVStore>& store)
        : stack_(MountStack::D{connectionSettings(o, store), std::make_shared<Location>(store),
                               std::make_shared<CRealClock>(), o.port.value_or(kMountUdpPort)}),
          settings_(stack_.settings), container_(stack_.container),
          connectable_(stack_.connectable) {
        taskState = stack_.taskState;
        QObject::connect(
            connectable_.get(), &IConnectable::statusChanged, connectable_.get(),
            [this] { changed_.raise(); }, Qt::DirectConnection);
    }

    int replyLimitMs() const {
        return settings_->readTimeoutMs_other() * (settings_->maxRetryCount() + 1);
    }

    // kExitOk with tavo set, or the exit status and why not.
    int open(QString* error) {
        // The request may be answered on another thread after this function has returned.
        struct Outcome {
            std::atomic<bool> connected{false};
            Signal done;
        };
        auto outcome = std::make_shared<Outcome>();
        connectable_->startSession(SessionRequest{[outcome](bool c) {
                                                      outcome->connected = c;
                                                      outcome->done.raise();
                                                  },
                                                  {}});
        const auto deadline = Steady::now() + kConnectLimit;
        while (Steady::now() < deadline) {
            if (outcome->done.wait(std::chrono::milliseconds(20)) && outcome->connected) {
                tavo = container_->get();
                if (tavo)
                    return kExitOk;
            }
            const ConnectableState_::E state = connectable_->state();
            if (state == ConnectableState_::E::Failed) {
                *error = connectable_->statusText() + ": " + connectable_->statusDetailText();
                return kExitNoConnect;
            }
            if (state == ConnectableState_::E::SearchListPopulated) {
                QStringList found;
                for (const QVariant& v : connectable_->devicesList().toList()) {
                    const auto r = v.value<IConnectableSearchResult>();
                    found << r.title + " (" + r.subtitle + ")";
                }
                *error = found.isEmpty() ? QString("No Device Found")
                                         : "several mounts answered: " + found.join(", ") +
                                               "; choose one with --ip ADDR";
                connectable_->cancelSession();
                return kExitNoConnect;
            }
        }
        connectable_->cancelSession();
        *error = "Cannot Connect: no outcome within 60 s";
        return kExitNoConnect;
    }

    void close() {
        if (!tavo)
            return;
        connectable_->startNextAction();
        const auto deadline = Steady::now() + kDisconnectLimit;
        for (;;) {
            changed_.reset();
            if (connectable_->state() == ConnectableState_::E::NotShown ||
                Steady::now() >= deadline)
                break;
            changed_.wait(std::chrono::milliseconds(20));
        }
        // The last hold on the mount object goes here, on the thread it lives in.
        tavo.reset();
    }

    std::shared_ptr<ITAVO> tavo;
    std::shared_ptr<TAVOTaskState> taskState;

private:
    // Declared first, gone last: the model announces its changes here until it is gone.
    Signal changed_;
    MountStack stack_;
    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<TAVOContainer> container_;
    std::shared_ptr<TAVOConnectable> connectable_;
};

CmdRetType typeOf(const QVariantMap& map) {
    return map.value("type").value<CmdRetType_::E>();
}

Result status(Connection& c) {
    const CmdRet r = c.tavo->readStatus().result();
    if (r.type != CmdRetType::Ok)
        return Result::mount(r.type);
    const TAVOStatus s = c.taskState->status().value();
    // In Manual mode nothing runs, whether or not the program is known.
    const Nullable<bool> running =
        s.mode == TAVOMode_::E::Manual ? Nullable<bool>(false) : c.taskState->isRunningTask();
    const Nullable<ReadTAVOParamSet> program = c.taskState->readParamSet();
    Result out;
    out.json = QJsonObject{{"mode", shortModeName(s.mode)},
                           {"photosTaken", s.numberOfPictureTaken},
                           {"running", running ? QJsonValue(running.value()) : QJsonValue()}};
    out.json.insert("program",
                    program ? QJsonValue(programJson(program.value().paramSet)) : QJsonValue());
    out.text << "Mode: " + modeName(s.mode)
             << QString("Photos taken: %1").arg(s.numberOfPictureTaken)
             << "Running: " + (running ? QString(running.value() ? "yes" : "no") : "unknown");
    if (program)
        out.text << "Program: " + programText(program.value().paramSet);
    return out;
}

Result power(Connection& c) {
    const CmdRet r = c.tavo->readPowerStatus().result();
    if (r.type != CmdRetType::Ok)
        return Result::mount(r.type);
    const auto p = c.tavo->lastPowerStatus().value<TAVOPowerStatus>();
    Result out;
    out.json = QJsonObject{{"batteryVolt", p.batteryVolt}, {"usbVolt", p.usbVolt}};
    out.text << QString("Battery: %1 V").arg(p.batteryVolt, 0, 'f', 2)
             << QString("USB: %1 V").arg(p.usbVolt, 0, 'f', 2);
    return out;
}

Result run(Connection& c, const TAVOParamSet& program) {
    // Nothing is written of a program the mount cannot hold.
    if (const QString refusal = c.tavo->programOutOfRange(program); !refusal.isEmpty())
        return Result::failed(kExitFailed, refusal);
    const CmdRet r = c.tavo->programAutoMode(program).result();
    if (r.type != CmdRetType::Ok)
        return Result::mount(r.type);
    Result out;
    out.json = QJsonObject{{"program", programJson(program)}};
    out.text << "Started: " + programText(program);
    return out;
}

Result stop(Connection& c) {
    const CmdRet r = c.tavo->programManualMode().result();
    if (r.type != CmdRetType::Ok)
        return Result::mount(r.type);
    Result out;
    out.text << "Stopped";
    return out;
}

Result wifiResult(const WifiSettings& w) {
    Result out;
    out.json = QJsonObject{{"mode", wifiModeName(w.mode)},   {"apSsid", w.AP_SSID},
                           {"apSec", wifiSecName(w.AP_SEC)}, {"apPass", w.AP_pass},
                           {"staSsid", w.STA_SSID},          {"staPass", w.STA_pass},
                           {"staFixedIp", w.STA_fixedIP}};
    out.text << "Mode: " + wifiModeName(w.mode) << "Access point: " + w.AP_SSID
             << "Security: " + wifiSecName(w.AP_SEC) << "Access point password: " + w.AP_pass
             << "Station network: " + w.STA_SSID << "Station password: " + w.STA_pass
             << "Station address: " + (w.STA_fixedIP.isEmpty() ? "DHCP" : w.STA_fixedIP);
    return out;
}

std::optional<WifiSettings> readWifi(Connection& c, Result* failure) {
    const QVariantMap map = c.tavo->readWifiSettings().result();
    if (typeOf(map) != CmdRetType::Ok) {
        *failure = Result::mount(typeOf(map));
        return std::nullopt;
    }
    return map.value("value").value<WifiSettings>();
}

Result wifiGet(Connection& c) {
    Result failure;
    const auto w = readWifi(c, &failure);
    return w ? wifiResult(*w) : failure;
}

Result wifiSet(Connection& c, const WifiChanges& changes) {
    Result failure;
    const auto current = readWifi(c, &failure);
    if (!current)
        return failure;
    const WifiSettings next = applyWifiChanges(*current, changes);
    if (const QString e = checkWifiSettings(next); !e.isEmpty())
        return Result::failed(kExitUsage, e);
    const CmdRet r = c.tavo->writeWifiSettings(next).result();
    if (r.type != CmdRetType::Ok)
        return Result::mount(r.type);
    Result out = wifiResult(next);
    out.text = QStringList{"Wi-Fi settings written"} + out.text;
    return out;
}

Result timers(Connection& c, const TimerChanges& t) {
    ITAVO& m = *c.tavo;
    if (t.lightOffSec && !m.hasPolarSightLight())
        return Result::failed(kExitFailed, "this mount has no polar-scope light");
    if (t.shutdownSec && !m.hasAutoShutdown())
        return Result::failed(kExitFailed, "this mount has no automatic shut-down");
    if (t.wifiOffSec)
        if (const CmdRet r = m.writeWifiTimeoutSec(*t.wifiOffSec).result(); r != CmdRetType::Ok)
            return Result::mount(r.type);
    if (t.lightOffSec)
        if (const CmdRet r = m.writePolarSightLightTimeoutSec(*t.lightOffSec).result();
            r != CmdRetType::Ok)
            return Result::mount(r.type);
    if (t.shutdownSec)
        if (const CmdRet r = m.writeAutoShutdownSec(*t.shutdownSec).result(); r != CmdRetType::Ok)
            return Result::mount(r.type);
    if (t.autoRun)
        if (const CmdRet r = m.writePowerOnAutoPreviousTask(*t.autoRun).result();
            r != CmdRetType::Ok)
            return Result::mount(r.type);

    Result out;
    const auto seconds = [&](const char* key, const QString& label,
                             QFuture<QVariantMap> read) -> bool {
        const QVariantMap map = read.result();
        if (typeOf(map) != CmdRetType::Ok) {
            out = Result::mount(typeOf(map));
            return false;
        }
        const uint value = map.value("value").toUInt();
        out.json.insert(key, qint64(value));
        out.text << QString("%1: %2").arg(label,
                                          value == 0 ? QString("off") : QString("%1 s").arg(value));
        return true;
    };
    if (!seconds("wifiOffSec", "Wi-Fi auto-off", m.readWifiTimeoutSec()))
        return out;
    if (m.hasPolarSightLight() &&
        !seconds("lightOffSec", "Polar-scope light auto-off", m.readPolarSightLightTimeoutSec()))
        return out;
    if (m.hasAutoShutdown() &&
        !seconds("shutdownSec", "Automatic shut-down", m.readAutoShutdownSec()))
        return out;
    const QVariantMap autoRun = m.readPowerOnAutoPreviousTask().result();
    if (typeOf(autoRun) != CmdRetType::Ok)
        return Result::mount(typeOf(autoRun));
    out.json.insert("autoRun", autoRun.value("value").toBool());
    out.text << QString("Re-run last program at power-on: %1")
                    .arg(autoRun.value("value").toBool() ? "on" : "off");
    return out;
}

Result light(Connection& c, bool on) {
    if (!c.tavo->hasPolarSightLight())
        return Result::failed(kExitFailed, "this mount has no polar-scope light");
    const CmdRet r = c.tavo->writePolarSightLightOn(on).result();
    if (r.type != CmdRetType::Ok)
        return Result::mount(r.type);
    Result out;
    out.json = QJsonObject{{"light", on}};
    out.text << QString("Polar-scope light %1").arg(on ? "on" : "off");
    return out;
}

Result position(Connection& c) {
    // A reading may still be announced on a task thread after this function has returned.
    auto read = std::make_shared<Signal>();
    const QMetaObject::Connection watch = QObject::connect(
        c.tavo.get(), &ITAVO::positionChanged, c.tavo.get(), [read] { read->raise(); },
        Qt::DirectConnection);
    c.tavo->setPeriodicPositionRead(true);
    // A reading is due at once or within half a second; each try may take every resend.
    const bool got = read->wait(std::chrono::milliseconds(600 + 2 * c.replyLimitMs()));
    c.tavo->setPeriodicPositionRead(false);
    QObject::disconnect(watch);
    if (!got)
        return Result::mount(CmdRetType::Timeout);
    const double angle = c.tavo->lastAxis1();
    Result out;
    out.json = QJsonObject{{"angleRad", angle}, {"angleDeg", toDeg(angle)}};
    out.text
        << QString("Axis 1: %1 deg (%2 rad)").arg(toDeg(angle), 0, 'f', 4).arg(angle, 0, 'f', 6);
    return out;
}

std::atomic<bool> interrupted{false};

Result slew(Connection& c, double degPerSec, double seconds) {
    auto* tavo = qobject_cast<TAVO*>(c.tavo.get());
    if (!tavo)
        return Result::failed(kExitFailed, "this mount object cannot report its slews");
    const int limitMs = 1000 + 2 * c.replyLimitMs();
    interrupted = false;
    struct sigaction action {};
    struct sigaction oldInt {};
    struct sigaction oldTerm {};
    action.sa_handler = [](int) { interrupted = true; };
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);

    tavo->slewAxisAsync(degPerSec * std::numbers::pi / 180.0);
    const CmdRet started = tavo->waitForSlewTask(limitMs);
    const auto until = Steady::now() + std::chrono::duration<double>(seconds);
    if (started.type == CmdRetType::Ok)
        while (!interrupted && Steady::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    tavo->slewAxisAsync(0.0);
    const CmdRet stopped = tavo->waitForSlewTask(limitMs);
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);

    if (started.type != CmdRetType::Ok)
        return Result::mount(started.type == CmdRetType::Cancel ? CmdRetType::Timeout
                                                                : started.type);
    if (stopped.type != CmdRetType::Ok) {
        Result r = Result::mount(stopped.type);
        r.error = "the axis may still be moving: " + r.error;
        return r;
    }
    Result out;
    out.json = QJsonObject{
        {"rateDegPerSec", degPerSec}, {"seconds", seconds}, {"interrupted", interrupted.load()}};
    out.text << QString("Slewed at %1 deg/s for %2 s%3")
                    .arg(degPerSec)
                    .arg(seconds)
                    .arg(interrupted ? " (interrupted, stopped)" : "");
    return out;
}

class FixedClock : public IClock {
public:
    explicit FixedClock(int64_t ms) : ms_(ms) {}
    int64_t nowMs() const override { return ms_; }

private:
    int64_t ms_;
};

// The place and time of --lat, --lon and --at, the stored location and now for what is not
// given.
std::shared_ptr<Location> placeOf(const Options& o, const std::shared_ptr<IKVStore>& store) {
    auto location = std::make_shared<Location>(nullptr);
    CLocation here = Location(store).location();
    if (o.lonEastDeg)
        here.longitudeRad = -*o.lonEastDeg * std::numbers::pi / 180.0;
    if (o.latDeg) {
        here.latitudeRad = *o.latDeg * std::numbers::pi / 180.0;
        here.mockLatitude = false;
    }
    location->setLocation(here);
    return location;
}
std::shared_ptr<IClock> clockOf(const Options& o) {
    return o.atMs ? std::shared_ptr<IClock>(std::make_shared<FixedClock>(*o.atMs))
                  : std::make_shared<CRealClock>();
}

Result polar(const Options& o, const std::shared_ptr<IKVStore>& store) {
    const auto location = placeOf(o, store);
    const CLocation here = location->location();
    const auto clock = clockOf(o);
    auto astroClock = std::make_shared<AstroClock>(clock);
    AstroCalc calc(location, astroClock);

    const double polaris = normalised(calc.polarisPositionAngle());
    const double precise = normalised(calc.polarisPositionAnglePrecise());
    const QString at = QDateTime::fromMSecsSinceEpoch(astroClock->nowMs(), QTimeZone::utc())
                           .toString(Qt::ISODateWithMs);
    Result out;
    out.json = QJsonObject{{"at", at},
                           {"longitudeEastDeg", -toDeg(here.longitudeRad)},
                           {"latitudeDeg", toDeg(here.latitudeRad)},
                           {"polarisPositionAngleRad", polaris},
                           {"polarisReticleClock", reticleClock(polaris)},
                           {"polarisPositionAnglePreciseRad", precise},
                           {"polarisReticleClockPrecise", reticleClock(precise)}};
    out.text << "At: " + at
             << QString("Location: %1 deg E, %2 deg N")
                    .arg(-toDeg(here.longitudeRad), 0, 'f', 4)
                    .arg(toDeg(here.latitudeRad), 0, 'f', 4)
             << QString("Polaris: %1 rad, at %2 on the reticle")
                    .arg(polaris, 0, 'f', 6)
                    .arg(reticleClock(polaris))
             << QString("Polaris, precise: %1 rad, at %2 on the reticle")
                    .arg(precise, 0, 'f', 6)
                    .arg(reticleClock(precise));
    const auto southernStars = [&](const std::vector<ReticleStar>& list, const char* which) {
        QJsonArray stars;
        int n = 0;
        for (const ReticleStar& star : list) {
            const double angle = normalised(star.positionAngle);
            stars.append(
                QJsonObject{{"positionAngleRad", angle}, {"polarDistanceRad", star.polarDistance}});
            out.text << QString("Southern star %1%2: position angle %3 rad, %4 rad from the pole")
                            .arg(++n)
                            .arg(which)
                            .arg(angle, 0, 'f', 6)
                            .arg(star.polarDistance, 0, 'f', 6);
        }
        return stars;
    };
    out.json.insert("southernStars", southernStars(calc.southernStars(), ""));
    out.json.insert("southernStarsPrecise",
                    southernStars(calc.southernStarsPrecise(), ", precise"));
    return out;
}

Result discover(const Options& o, const std::shared_ptr<IKVStore>& store) {
    auto settings = connectionSettings(o, store);
    settings->setType(ConnectionType_::E::UDP);
    settings->setSearchIP(true);
    auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    // The search's thread holds the helper for a moment after it has reported; the program
    // waits for it to let go, so that it never ends under that thread.
    auto released = std::make_shared<Signal>();
    std::shared_ptr<UDPConnectableHelper> helper(
        new UDPConnectableHelper(settings, std::make_shared<QtUDPBroadcaster>(),
                                 std::make_shared<UDPJexDeviceFactory>(settings, tc)),
        [released](UDPConnectableHelper* h) {
            delete h;
            released->raise();
        });
    auto ended = std::make_shared<Signal>();
    helper->setDeviceFilter(&TAVOConnectable::acceptsMountModel);
    // A search that finds one mount opens a link to it at once; listing is all that is
    // wanted here, so the link is let go.
    helper->setOnConnected([ended](const JexConverserEtal&) { ended->raise(); });
    helper->statusList.append([ended](const IConnectableHelper::Status& s) {
        if (s.kind == IConnectableHelper::Status::SearchListPopulated ||
            s.kind == IConnectableHelper::Status::Failed)
            ended->raise();
    });
    helper->startConnect();
    if (!ended->wait(kSearchLimit))
        return Result::failed(kExitNoConnect, "the search did not end within 30 s");
    const auto found = helper->foundDevices();
    helper.reset();
    released->wait(kSearchLimit);
    Result out;
    QJsonArray devices;
    for (const auto& d : found) {
        const QString address = QString::fromStdString(d.address);
        const QString version = QString::fromStdString(d.version);
        const QString local = QString::fromStdString(d.localAddress);
        devices.append(QJsonObject{{"address", address},
                                   {"version", version},
                                   {"interface", local},
                                   {"broadcast", QString::fromStdString(d.broadcastAddress)}});
        out.text << QString("%1  firmware %2%3")
                        .arg(address, version, local.isEmpty() ? QString() : "  via " + local);
    }
    if (devices.isEmpty())
        return Result::failed(kExitNoConnect, "No Device Found");
    out.json.insert("devices", devices);
    return out;
}

std::optional<QByteArray> programSourceText(const QString& source, QString* error) {
    // No program comes near this; a device or pipe that never ends is not read to its end.
    constexpr qint64 kLimit = 1024 * 1024;
    const auto bounded = [&](QFile& in, const QString& what) -> std::optional<QByteArray> {
        QByteArray bytes = in.read(kLimit + 1);
        if (bytes.size() > kLimit) {
            *error = QString("%1 is larger than 1 MiB").arg(what);
            return std::nullopt;
        }
        return bytes;
    };
    if (source == "-") {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            *error = "cannot read the program from standard input";
            return std::nullopt;
        }
        return bounded(in, "the program on standard input");
    }
    if (source.startsWith('@')) {
        const QString path = source.mid(1);
        QFile file(path);
        // A regular file only: a FIFO or /dev/zero would block or never end.
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            *error = QString("cannot read the program file '%1'").arg(path);
            return std::nullopt;
        }
        return bounded(file, QString("the program file '%1'").arg(path));
    }
    return source.toUtf8();
}

// The program of a plan or of run KIND: a profile of the kind with the quantities given, or
// one the console saved.
struct ProgramChoice {
    std::unique_ptr<ITaskProfile> profile;
    QStringList given;
    QString fallback; // where quantities neither given nor calculated come from
};

std::optional<ProgramChoice> chooseProgram(const Options& o, const std::shared_ptr<IKVStore>& store,
                                           Result* failure) {
    auto location = std::make_shared<Location>(store);
    ProgramChoice choice;
    QString error;
    if (o.profileName) {
        choice.profile = savedProfile(o.kind, *o.profileName, store, location, &error);
        choice.fallback = "saved";
    } else {
        choice.profile = newProfile(o.kind, location);
        error = applyInputs(*choice.profile, o.kind, o.profileInputs);
        choice.fallback = "default";
        for (const auto& input : o.profileInputs)
            choice.given << input.first;
    }
    if (!choice.profile || !error.isEmpty()) {
        *failure = Result::failed(kExitUsage, error);
        return std::nullopt;
    }
    return choice;
}

// The choice's program, or why it cannot be run.
std::optional<TAVOParamSet>
runnableProgram(const Options& o, const std::shared_ptr<IKVStore>& store, Result* failure) {
    const auto choice = chooseProgram(o, store, failure);
    if (!choice)
        return std::nullopt;
    if (!choice->profile->valid()) {
        *failure = Result::failed(
            kExitUsage,
            QString("the %1 program is not valid: %2").arg(o.kind, messageText(*choice->profile)));
        return std::nullopt;
    }
    return choice->profile->paramSetValue();
}

Result plan(const Options& o, const std::shared_ptr<IKVStore>& store) {
    Result out;
    const auto choice = chooseProgram(o, store, &out);
    if (!choice)
        return out;
    const PlanReport report =
        describePlan(*choice->profile, o.kind, choice->given, choice->fallback);
    out.json = report.json;
    if (choice->profile->valid()) {
        const QVariantMap night =
            ProgramPlanner(placeOf(o, store), clockOf(o)).plan(choice->profile->paramSetValue(), 0);
        const auto ms = [&night](const char* key) {
            const qint64 v = night.value(key).toLongLong();
            return v != 0 ? QJsonValue(v) : QJsonValue();
        };
        out.json.insert("startUnixMs", ms("startMs"));
        out.json.insert("endUnixMs", ms("endMs"));
        out.json.insert("night", night.value("night").toString());
        out.json.insert("duskUnixMs", ms("duskMs"));
        out.json.insert("dawnUnixMs", ms("dawnMs"));
    }
    out.text = o.timeline && !report.timelineCsv.isEmpty() ? report.timelineCsv : report.text;
    if (!choice->profile->valid()) {
        out.code = kExitFailed;
        out.error = "the program is not valid: " + messageText(*choice->profile);
    }
    return out;
}

Result profiles(const Options& o, const std::shared_ptr<IKVStore>& store) {
    Result out;
    QJsonArray list;
    for (const auto& p : savedProfiles(o.kind, store, std::make_shared<Location>(store))) {
        const bool valid = p->valid();
        list.append(QJsonObject{
            {"name", p->name()},
            {"valid", valid},
            {"message", messageText(*p)},
            {"paramSet", valid ? QJsonValue(programJson(p->paramSetValue())) : QJsonValue()}});
        out.text << p->name() + ": " +
                        (valid ? programText(p->paramSetValue()) : "not valid: " + messageText(*p));
    }
    if (list.isEmpty())
        out.text << QString("No saved %1 profiles").arg(o.kind);
    out.json = QJsonObject{{"kind", o.kind}, {"profiles", list}};
    return out;
}

Result runOne(Connection* c, const Options& o, const std::shared_ptr<IKVStore>& store) {
    const QString& cmd = o.command;
    if (cmd == "polar")
        return polar(o, store);
    if (cmd == "plan")
        return plan(o, store);
    if (cmd == "profiles")
        return profiles(o, store);
    if (cmd == "run" && !o.kind.isEmpty()) {
        Result failure;
        const auto program = runnableProgram(o, store, &failure);
        return program ? run(*c, *program) : failure;
    }
    if (cmd == "run") {
        QString error;
        const auto text = programSourceText(o.programSource, &error);
        const auto program = text ? parseProgram(*text, &error) : std::nullopt;
        if (!program)
            return Result::failed(kExitUsage, error);
        return run(*c, *program);
    }
    if (cmd == "status")
        return status(*c);
    if (cmd == "power")
        return power(*c);
    if (cmd == "stop")
        return stop(*c);
    if (cmd == "wifi-get")
        return wifiGet(*c);
    if (cmd == "wifi-set")
        return wifiSet(*c, o.wifi);
    if (cmd == "timers")
        return timers(*c, o.timers);
    if (cmd == "light")
        return light(*c, o.lightOn);
    if (cmd == "position")
        return position(*c);
    if (cmd == "slew")
        return slew(*c, o.rateDegPerSec, o.forSec);
    return Result::failed(kExitUsage, QString("'%1' is not a mount command").arg(cmd));
}

// Contract breaches inside the mount object fail its future; a command line reports them.
Result guarded(Connection* c, const Options& o, const std::shared_ptr<IKVStore>& store) {
    try {
        return runOne(c, o, store);
    } catch (const QUnhandledException& e) {
        try {
            if (e.exception())
                std::rethrow_exception(e.exception());
        } catch (const std::exception& inner) {
            return Result::failed(kExitFailed, QString("internal error: %1").arg(inner.what()));
        }
        return Result::failed(kExitFailed, "internal error");
    } catch (const std::exception& e) {
        return Result::failed(kExitFailed, QString("internal error: %1").arg(e.what()));
    }
}

int session(Connection& c, const Options& o, const std::shared_ptr<IKVStore>& store) {
    QTextStream in(stdin);
    int status = kExitOk;
    QString line;
    while (in.readLineInto(&line)) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line == "quit" || line == "exit")
            break;
        Parsed parsed = parseArguments(QProcess::splitCommand(line), true);
        if (parsed.options && parsed.options->command == "run" &&
            parsed.options->programSource == "-")
            parsed = {std::nullopt, "in a session the program comes as text or @FILE"};
        Result r;
        QString command = parsed.options ? parsed.options->command : line.section(' ', 0, 0);
        if (!parsed.options)
            r = Result::failed(kExitUsage, parsed.error);
        else if (parsed.options->help)
            r.text = usage().split('\n');
        else
            r = guarded(&c, *parsed.options, store);
        print(command, r, o.json);
        if (r.code != kExitOk)
            status = r.code;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    registerMountMetaTypes();
    const Parsed parsed = parseArguments(app.arguments().mid(1));
    if (!parsed.options)
        return usageError(parsed.error);
    Options o = *parsed.options;
    if (o.help) {
        std::fputs(qUtf8Printable(usage()), stdout);
        return kExitOk;
    }
    if (o.command == "discover" && (!o.ip.isEmpty() || !o.serial.isEmpty() || o.port))
        return usageError("discover searches every network; --ip, --serial and --port do not "
                          "apply");

    auto store = std::make_shared<QtKVStore>("Settings.txt", std::make_shared<QtFileUtil>("KD208"));
    if (!o.needsMount()) {
        const Result r = o.command == "discover" ? discover(o, store) : guarded(nullptr, o, store);
        print(o.command, r, o.json);
        return r.code;
    }
    // Input errors are found before the mount is touched; the program is read only once.
    if (o.command == "run" && !o.kind.isEmpty()) {
        Result failure;
        if (!runnableProgram(o, store, &failure))
            return usageError(failure.error);
    } else if (o.command == "run") {
        QString error;
        const auto text = programSourceText(o.programSource, &error);
        if (!text || !parseProgram(*text, &error))
            return usageError(error);
        o.programSource = QString::fromUtf8(*text);
    }

    Connection connection(o, store);
    QString error;
    if (const int code = connection.open(&error); code != kExitOk) {
        print(o.command, Result::failed(code, error), o.json);
        return code;
    }
    int code = kExitOk;
    if (o.command == "session") {
        code = session(connection, o, store);
    } else {
        const Result r = guarded(&connection, o, store);
        print(o.command, r, o.json);
        code = r.code;
    }
    connection.close();
    return code;
}
