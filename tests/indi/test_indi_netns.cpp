// The INDI driver as INDI clients drive it: a real indiserver runs indi_velmora_tracker in the
// console namespace, the simulated mount answers at 192.168.4.1, and the test speaks to the
// server with indi_setprop, indi_getprop and indi_eval only. What went to the mount is read
// from the simulator's transcript: the axis's rate commands as bytes, and their times.
// Run by netns-run.sh (see CMakeLists.txt); the program refuses to run anywhere else.

#include "NetnsGuard.h"
#include "Spawn.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <memory>

using JEX::Test::Child;
using JEX::Test::run;

namespace {

const QString kDevice = QStringLiteral("Velmora Tracker");
constexpr int kWaitMs = 30000;
const QByteArray kSettings = R"({"loc.lat": -0.5, "loc.long": -0.2862})";

struct Exchange {
    qint64 unixMs = 0;
    QByteArray request;
};

// Every exchange the mount has seen, in order.
QList<Exchange> transcript() {
    QFile file(qEnvironmentVariable("VELMORA_NETNS_DIR") + "/mount1.jsonl");
    QList<Exchange> all;
    if (!file.open(QIODevice::ReadOnly))
        return all;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject j = QJsonDocument::fromJson(line).object();
        if (!j.isEmpty())
            all.append({qint64(j["unix_ms"].toDouble()), j["request"].toString().toLatin1()});
    }
    return all;
}

// The rate, start and stop commands of axis 1 after the first `from` exchanges.
QList<QByteArray> axisCommands(qsizetype from) {
    QList<QByteArray> out;
    for (const Exchange& e : transcript().mid(from))
        if (e.request.size() > 2 && QByteArray("KGIJ").contains(e.request[1]) &&
            e.request[2] == '1')
            out.append(e.request);
    return out;
}

} // namespace

class TestIndiNetns : public QObject {
    Q_OBJECT

    std::unique_ptr<Child> server_;
    QString port_;

    bool startServer(int port) {
        port_ = QString::number(port);
        server_ = std::make_unique<Child>();
        // Each server its own port and local socket: two runs of the suite never meet.
        return server_->start({"indiserver", "-p", port_, "-r", "0", "-u",
                               qEnvironmentVariable("VELMORA_DATA_DIR") + "/indiserver-" + port_,
                               DRIVER_PATH});
    }
    bool set(const QString& spec) {
        return run({"indi_setprop", "-p", port_, kDevice + "." + spec}).exitCode == 0;
    }
    QString get(const QString& spec) {
        return run({"indi_getprop", "-1", "-p", port_, "-t", "5", kDevice + "." + spec})
            .out.trimmed();
    }
    // Waits until the expression holds; {PROPERTY.ELEMENT} stands for this device's.
    bool until(const QString& expression) {
        QString e = expression;
        e.replace(QRegularExpression("\\{([^}]*)\\}"), "\"" + kDevice + ".\\1\"");
        return run({"indi_eval", "-p", port_, "-t", QString::number(kWaitMs / 1000), "-w", e}, {},
                   kWaitMs + 5000)
                   .exitCode == 0;
    }
    static bool axisSeen(qsizetype from, const QByteArray& request) {
        return QTest::qWaitFor([&] { return axisCommands(from).contains(request); }, kWaitMs);
    }
    bool connectMount() {
        // indi_getprop answers once the driver has defined its properties.
        if (!QTest::qWaitFor([&] { return !get("CONNECTION.CONNECT").isEmpty(); }, kWaitMs))
            return false;
        return set("VELMORA_LINK.LINK_ADDRESS=On") &&
               set("VELMORA_LINK_TARGET.ADDRESS=192.168.4.1") && set("CONNECTION.CONNECT=On") &&
               until("{CONNECTION.CONNECT}==1 && {MOUNT_INFO._STATE}==1");
    }

private slots:
    void initTestCase() {
        // libindi keeps its configuration in the home folder: none from an earlier run.
        const QString data = qEnvironmentVariable("VELMORA_DATA_DIR");
        QVERIFY(QDir(data + "/.indi").removeRecursively() && QDir().mkpath(data));
        qputenv("HOME", data.toLocal8Bit());
        // The console's location, west-positive in radians: −0.5 rad is 28.648° south,
        // −0.2862 rad 16.398° east.
        QFile settings(data + "/Settings.txt");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(kSettings);
        settings.close();

        QVERIFY(startServer(7801));
        QVERIFY2(connectMount(), qPrintable(server_->errors()));
        QCOMPARE(get("MOUNT_INFO.FIRMWARE"), QString("3.10.08"));
        QVERIFY(until("abs({GEOGRAPHIC_COORD.LAT}+28.648)<0.01 && "
                      "abs({GEOGRAPHIC_COORD.LONG}-16.398)<0.01"));
        // Connecting does not touch the axis.
        QCOMPARE(axisCommands(0), QList<QByteArray>());
    }

    // The step period of each rate, by hand: 1,500,000 timer ticks a second over the steps a
    // second of 2,073,600 a turn; sidereal 86164.09 s a turn: 62329.35 → 0x00F379; solar
    // 86400 s: 62500 → 0x00F424; lunar 89460.3 s: 64713.54 → 0x00FCCA; 30"/s, 43200 s a
    // turn: 31250 → 0x007A12. South of the equator the mode's second digit has bit 1 set.
    void trackingRates_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<QByteArray>("period");
        QTest::addColumn<QByteArray>("modeCommand");
        QTest::newRow("sidereal north")
            << "TRACK_SIDEREAL" << 48.2 << QByteArray("79F300") << QByteArray(":G110\r");
        QTest::newRow("solar north")
            << "TRACK_SOLAR" << 48.2 << QByteArray("24F400") << QByteArray(":G110\r");
        QTest::newRow("lunar north")
            << "TRACK_LUNAR" << 48.2 << QByteArray("CAFC00") << QByteArray(":G110\r");
        QTest::newRow("custom 30\"/s north")
            << "TRACK_CUSTOM" << 48.2 << QByteArray("127A00") << QByteArray(":G110\r");
        QTest::newRow("sidereal south")
            << "TRACK_SIDEREAL" << -33.9 << QByteArray("79F300") << QByteArray(":G112\r");
        QTest::newRow("lunar south")
            << "TRACK_LUNAR" << -33.9 << QByteArray("CAFC00") << QByteArray(":G112\r");
    }
    void trackingRates() {
        QFETCH(QString, mode);
        QFETCH(double, latitudeDeg);
        QFETCH(QByteArray, period);
        QFETCH(QByteArray, modeCommand);
        QVERIFY(set(QString("GEOGRAPHIC_COORD.LAT;LONG;ELEV=%1;16.4;200").arg(latitudeDeg)));
        QVERIFY(set("TELESCOPE_TRACK_RATE.TRACK_RATE_RA;TRACK_RATE_DE=30;0"));
        QVERIFY(set("TELESCOPE_TRACK_MODE." + mode + "=On"));
        QVERIFY(until(QString("{TELESCOPE_TRACK_MODE.%1}==1").arg(mode)));
        const qsizetype from = transcript().size();
        QVERIFY(set("TELESCOPE_TRACK_STATE.TRACK_ON=On"));
        QVERIFY(axisSeen(from, ":J1\r"));
        QVERIFY(set("TELESCOPE_TRACK_STATE.TRACK_OFF=On"));
        QVERIFY(axisSeen(from + 1, ":K1\r"));
        const QList<QByteArray> expected{modeCommand, ":I1" + period + "\r", ":J1\r", ":K1\r"};
        QList<QByteArray> seen = axisCommands(from);
        seen.removeAll(":K1\r"); // the stop before a start, when the axis ran
        seen.append(":K1\r");
        QCOMPARE(seen, expected);
    }

    // Tracking at sidereal; east at 16 × sidereal turns the axis back at 15 ×: 62329.35 / 15 →
    // 4155 = 0x00103B. Abort stops it and tracking with it.
    void motionEastThenAbort() {
        QVERIFY(set("GEOGRAPHIC_COORD.LAT;LONG;ELEV=48.2;16.4;200"));
        QVERIFY(set("TELESCOPE_TRACK_MODE.TRACK_SIDEREAL=On"));
        QVERIFY(set("TELESCOPE_TRACK_STATE.TRACK_ON=On"));
        QVERIFY(until("{TELESCOPE_TRACK_STATE.TRACK_ON}==1"));
        const qsizetype from = transcript().size();
        QVERIFY(set("TELESCOPE_MOTION_WE.MOTION_EAST=On"));
        QVERIFY(axisSeen(from, ":I13B1000\r"));
        QVERIFY(set("TELESCOPE_ABORT_MOTION.ABORT=On"));
        QVERIFY(
            until("{TELESCOPE_TRACK_STATE.TRACK_OFF}==1 && {TELESCOPE_MOTION_WE.MOTION_EAST}==0"));
        QVERIFY(axisSeen(from, ":K1\r"));
        QTRY_COMPARE_WITH_TIMEOUT(
            axisCommands(from),
            (QList<QByteArray>{":K1\r", ":G111\r", ":I13B1000\r", ":J1\r", ":K1\r"}), kWaitMs);
    }

    // West at 16 × on top of sidereal: 17 ×, 62329.35 / 17 → 3666 = 0x000E52, changed on the
    // fly. Not renewed within the time-out, the axis goes back to the tracking rate.
    void motionNotRenewedStops() {
        QVERIFY(set("MOTION_TIMEOUT.TIMEOUT_SEC=1"));
        QVERIFY(set("TELESCOPE_TRACK_STATE.TRACK_ON=On"));
        QVERIFY(until("{TELESCOPE_TRACK_STATE.TRACK_ON}==1"));
        QTest::qWait(300);
        const qsizetype from = transcript().size();
        QVERIFY(set("TELESCOPE_MOTION_WE.MOTION_WEST=On"));
        QVERIFY(axisSeen(from, ":I179F300\r"));
        QVERIFY(until("{TELESCOPE_MOTION_WE.MOTION_WEST}==0"));
        QCOMPARE(axisCommands(from), (QList<QByteArray>{":I1520E00\r", ":I179F300\r"}));
        QVERIFY(set("MOTION_TIMEOUT.TIMEOUT_SEC=10"));
    }

    // An east pulse halves the rate (62329.35 × 2 → 124659 = 0x01E6F3), a west one runs at
    // 1.5 × (41552.9 → 41553 = 0x00A251); each is one exchange at its start and one at its
    // end, with nothing between them on the link.
    void guidePulses_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QByteArray>("pulse");
        QTest::newRow("east 500 ms") << "TIMED_GUIDE_E" << 500 << QByteArray(":I1F3E601\r");
        QTest::newRow("west 200 ms") << "TIMED_GUIDE_W" << 200 << QByteArray(":I151A200\r");
    }
    void guidePulses() {
        QFETCH(QString, element);
        QFETCH(int, ms);
        QFETCH(QByteArray, pulse);
        QVERIFY(set("TELESCOPE_TRACK_STATE.TRACK_ON=On"));
        QVERIFY(until("{TELESCOPE_TRACK_STATE.TRACK_ON}==1"));
        const qsizetype from = transcript().size();
        QVERIFY(set(QString("TELESCOPE_TIMED_GUIDE_WE.%1=%2").arg(element).arg(ms)));
        QVERIFY(axisSeen(from, ":I179F300\r"));
        QVERIFY(until("{TELESCOPE_TIMED_GUIDE_WE._STATE}==0")); // done, not in alert
        const QList<Exchange> after = transcript().mid(from);
        qsizetype start = -1;
        for (qsizetype i = 0; i < after.size() && start < 0; ++i)
            if (after[i].request == pulse)
                start = i;
        QVERIFY2(start >= 0 && start + 1 < after.size(), "the pulse's rate was not sent");
        QCOMPARE(after[start + 1].request, QByteArray(":I179F300\r"));
        const qint64 lengthMs = after[start + 1].unixMs - after[start].unixMs;
        qInfo("%d ms pulse measured on the mount's side: %lld ms", ms, lengthMs);
        QVERIFY(lengthMs >= ms - 20);
    }

    void northPulseIsRefused() {
        const qsizetype from = transcript().size();
        QVERIFY(set("TELESCOPE_TIMED_GUIDE_NS.TIMED_GUIDE_N=500"));
        QVERIFY(until("{TELESCOPE_TIMED_GUIDE_NS._STATE}==3"));
        QCOMPARE(axisCommands(from), QList<QByteArray>());
    }

    void disconnect() {
        QVERIFY(set("CONNECTION.DISCONNECT=On"));
        QVERIFY(until("{CONNECTION.DISCONNECT}==1"));
        QVERIFY(get("MOUNT_INFO.FIRMWARE").isEmpty()); // gone with the connection
    }

    // The server goes while the axis slews: the driver sees the end of its input and puts
    // the axis back at the tracking rate before it ends.
    void serverKilledMidSlew() {
        server_->signal(SIGKILL);
        QVERIFY(startServer(7802));
        QVERIFY2(connectMount(), qPrintable(server_->errors()));
        QVERIFY(set("TELESCOPE_TRACK_STATE.TRACK_ON=On"));
        QVERIFY(until("{TELESCOPE_TRACK_STATE.TRACK_ON}==1"));
        QTest::qWait(300);
        const qsizetype from = transcript().size();
        QVERIFY(set("TELESCOPE_MOTION_WE.MOTION_WEST=On"));
        QVERIFY(axisSeen(from, ":I1520E00\r"));
        server_->signal(SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(axisCommands(from).value(1), QByteArray(":I179F300\r"), kWaitMs);
    }

    void cleanupTestCase() {
        server_.reset();
        // The driver reads the console's settings and writes none.
        QFile settings(qEnvironmentVariable("VELMORA_DATA_DIR") + "/Settings.txt");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), kSettings);
    }
};

VELMORA_NETNS_TEST_MAIN(TestIndiNetns)

#include "test_indi_netns.moc"
