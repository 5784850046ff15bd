// velmoractl's checks of what it is given: command lines, programs as JSON and Wi-Fi
// settings.

#include "CtlArgs.h"
#include "CtlPlan.h"

#include <QTest>

using namespace JEX;
using namespace JEX::Ctl;

class TestVelmoractlArgs : public QObject {
    Q_OBJECT

private slots:
    // An empty error means the line is accepted as that command.
    void commandLines_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("inSession");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* name, QStringList args, const char* command,
                            const char* error, bool inSession = false) {
            QTest::newRow(name) << args << inSession << QString(command) << QString(error);
        };
        row("status", {"status"}, "status", "");
        row("option=value", {"status", "--ip=10.1.2.3", "--timeout=250"}, "status", "");
        row("nothing", {}, "", "no command given");
        row("unknown command", {"launch"}, "", "unknown command 'launch'");
        row("unknown option", {"status", "--fast"}, "", "unknown option '--fast'");
        row("short unknown option", {"status", "-x"}, "", "unknown option '-x'");
        row("missing value", {"status", "--ip"}, "", "--ip needs a value");
        row("bad address", {"status", "--ip", "192.168.4"}, "", "--ip needs an IPv4 address");
        row("address out of range", {"status", "--ip", "192.168.4.256"}, "",
            "--ip needs an IPv4 address");
        row("ip and serial", {"status", "--ip", "1.2.3.4", "--serial", "/dev/ttyUSB0"}, "",
            "exclude each other");
        row("port with serial", {"status", "--serial", "/dev/ttyUSB0", "--port", "5"}, "",
            "--port is for UDP links");
        row("port zero", {"status", "--port", "0"}, "", "--port needs a UDP port");
        row("time-out too short", {"status", "--timeout", "5"}, "", "--timeout needs");
        row("resends not a number", {"status", "--resends", "two"}, "", "--resends needs");
        row("option of another command", {"status", "--for", "3"}, "",
            "status takes no option --for");
        row("stray argument", {"stop", "now"}, "", "stop takes no argument 'now'");
        row("run without program", {"run"}, "", "run needs one program");
        row("run from stdin", {"run", "-"}, "run", "");
        row("light", {"light", "on"}, "light", "");
        row("light needs on or off", {"light", "bright"}, "", "light needs on or off");
        row("slew without duration", {"slew", "0.5"}, "", "slew needs --for SECONDS");
        row("slew too fast", {"slew", "3.5", "--for", "2"}, "", "slew needs a rate from -3.4");
        row("slew not a number", {"slew", "fast", "--for", "2"}, "", "slew needs a rate");
        row("slew for nothing", {"slew", "1", "--for", "0"}, "", "--for needs seconds");
        row("slew forever", {"slew", "1", "--for", "inf"}, "", "--for needs seconds");
        row("timers", {"timers", "--wifi-off", "600", "--auto-run", "on"}, "timers", "");
        row("timer above 32 bits", {"timers", "--shutdown", "4294967296"}, "",
            "--shutdown needs whole seconds");
        row("timer negative", {"timers", "--light-off", "-1"}, "", "--light-off needs whole");
        row("auto-run yes", {"timers", "--auto-run", "yes"}, "", "--auto-run is on or off");
        row("wifi-set needs a change", {"wifi-set"}, "", "wifi-set needs at least one of");
        row("wifi mode", {"wifi-set", "--mode", "mesh"}, "", "--mode is AP, STA or Both");
        row("wifi security", {"wifi-set", "--ap-sec", "WEP"}, "", "--ap-sec is Open");
        row("text longer than the mount keeps",
            {"wifi-set", "--sta-ssid", QString(11, QChar(0x20AC))}, "",
            "--sta-ssid is 33 bytes long; the mount keeps at most 32");
        row("polar", {"polar", "--at", "2024-03-01T21:30:00Z", "--lon", "-3.5", "--lat", "-33"},
            "polar", "");
        row("polar bad time", {"polar", "--at", "yesterday"}, "", "--at needs an ISO 8601 time");
        row("polar latitude", {"polar", "--lat", "91"}, "", "--lat needs degrees");
        row("polar longitude", {"polar", "--lon", "nan"}, "", "--lon needs degrees");
        row("help", {"--help"}, "", "");
        row("session line", {"status"}, "status", "", true);
        row("session connection option", {"status", "--ip", "1.2.3.4"}, "",
            "--ip is chosen when the session starts", true);
        row("session json", {"--json", "status"}, "", "--json is chosen when the session", true);
        row("nested session", {"session"}, "", "session cannot run inside a session", true);
        row("discover in a session", {"discover"}, "", "discover cannot run inside", true);
        row("plan", {"plan", "reg", "--videoTimeSpanHour", "2", "--framePeriodSec=10"}, "plan", "");
        row("plan without a kind", {"plan", "--photos", "3"}, "", "plan needs a program kind");
        row("plan of no kind", {"plan", "tracking"}, "", "plan needs a program kind");
        row("timeline of another command", {"status", "--timeline"}, "",
            "--timeline goes with plan");
        row("quantity without a value", {"plan", "ap", "--photos"}, "", "--photos needs a value");
        row("plan in a session", {"plan", "atl", "--photos", "9"}, "plan", "", true);
        row("run a kind", {"run", "long", "--framePeriodSec", "30"}, "run", "");
        row("run a saved profile", {"run", "ap", "--profile", "M31"}, "run", "");
        row("quantities with JSON", {"run", R"({"mode":"AP"})", "--photos", "3"}, "",
            "go with a program kind");
        row("saved profile and quantities", {"run", "ap", "--profile", "x", "--photos", "3"}, "",
            "give no quantities with it");
        row("profiles", {"profiles", "reg"}, "profiles", "");
        row("profiles take no quantities", {"profiles", "ap", "--photos", "3"}, "",
            "unknown option '--photos'");
    }

    // A refused quantity leaves the profile as new.
    void programQuantities_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* name, const char* kind, QStringList inputs,
                            const char* error) {
            QTest::newRow(name) << QString(kind) << inputs << QString(error);
        };
        row("count becomes an input", "ap", {"photos=20"}, "");
        row("direction", "long", {"clockwise=no"}, "");
        row("unknown", "ap", {"photos=2", "foo=1"},
            "ap has no quantity 'foo'; it takes --exposureSec=VALUE");
        row("a tick box is not a quantity", "atl", {"input_photos=true"},
            "no quantity 'input_photos'");
        row("calculated only", "ap", {"totalTimeSec=5"}, "no quantity 'totalTimeSec'");
        row("negative count", "atl", {"photos=-3"}, "--photos needs a whole number of at least 0");
        row("not a number", "reg", {"speedDph=nan"}, "--speedDph needs a number of at least 0");
        row("not a flag", "long", {"clockwise=maybe"}, "--clockwise is true or false");
        row("twice", "reg", {"exposureSec=1", "exposureSec=2"}, "--exposureSec is given twice");
        row("no frame rate", "atl", {"frameRateFps=0", "videoTimeSpanHour=1"},
            "--frameRateFps needs a frame rate of at least 1, not '0'");
        row("part of a degree", "long", {"swingRangeDeg=2.5"},
            "--swingRangeDeg needs a whole number of degrees");
    }
    void programQuantities() {
        QFETCH(QString, kind);
        QFETCH(QStringList, inputs);
        QFETCH(QString, error);
        ProfileInputs pairs;
        for (const QString& i : inputs)
            pairs.push_back({i.section('=', 0, 0), i.section('=', 1)});
        const auto profile = newProfile(kind, nullptr);
        const QString got = applyInputs(*profile, kind, pairs);
        QVERIFY2(error.isEmpty() ? got.isEmpty() : got.contains(error), qPrintable(got));
        const QString name = pairs.first().first;
        if (error.isEmpty()) {
            QCOMPARE(profile->property(qPrintable(name)).toString(),
                     pairs.first().second == "no" ? QString("false") : pairs.first().second);
            const QVariant input = profile->property(qPrintable("input_" + name));
            QVERIFY(!input.isValid() || input.toBool());
        } else {
            QCOMPARE(profile->property("exposureSec").toDouble(),
                     newProfile(kind, nullptr)->property("exposureSec").toDouble());
            QCOMPARE(profile->property("photos").toInt(),
                     newProfile(kind, nullptr)->property("photos").toInt());
        }
    }
    void commandLines() {
        QFETCH(QStringList, args);
        QFETCH(bool, inSession);
        QFETCH(QString, command);
        QFETCH(QString, error);
        const Parsed p = parseArguments(args, inSession);
        if (error.isEmpty()) {
            QVERIFY2(p.options, qPrintable(p.error));
            QCOMPARE(p.options->command, command);
        } else {
            QVERIFY2(!p.options, qPrintable("accepted as " + p.options->command));
            QVERIFY2(p.error.contains(error), qPrintable(p.error));
        }
    }

    void parsedValuesReachTheOptions() {
        const Parsed p =
            parseArguments({"--ip", "192.168.4.1", "--port", "11881", "--timeout", "300",
                            "--resends", "0", "--json", "slew", "-1.25", "--for", "2.5"});
        QVERIFY2(p.options, qPrintable(p.error));
        QCOMPARE(p.options->ip, QString("192.168.4.1"));
        QCOMPARE(*p.options->port, uint16_t(11881));
        QCOMPARE(*p.options->timeoutMs, 300);
        QCOMPARE(*p.options->resends, 0);
        QVERIFY(p.options->json);
        QCOMPARE(p.options->rateDegPerSec, -1.25);
        QCOMPARE(p.options->forSec, 2.5);

        const Parsed polar = parseArguments({"polar", "--at", "2000-01-01T12:00:00"});
        QVERIFY2(polar.options, qPrintable(polar.error));
        QCOMPARE(*polar.options->atMs, qint64(946728000000));
        QVERIFY(!polar.options->needsMount());
    }

    void programs_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<double>("effectiveCycleSec");
        const auto row = [](const char* name, QByteArray json, const char* error, int mode = 0,
                            int cycles = 0, double effectiveCycleSec = 0) {
            QTest::newRow(name) << json << QString(error) << mode << cycles << effectiveCycleSec;
        };
        row("minimal", R"({"mode":"AP"})", "", 1);
        row("full", R"({"mode":"ATL","clockwise":true,"cycleSec":10,"N_Cycles":300,
            "cycleAngleDeg":0.1,"exposureSec":8,"auxTimeSec":1,"speedDps":0.01,
            "swingEnabled":true,"swingRangeDeg":20,"ditheringEnabled":false,
            "ditheringRangeDeg":0})",
            "", 4, 300, 10);
        row("mode by number", R"({"mode":3,"N_Cycles":5})", "", 3, 5);
        row("mode in lower case", R"({"mode":"reg"})", "", 2);
        row("no mode", R"({"N_Cycles":5})", "needs a mode");
        row("manual mode", R"({"mode":0})", "needs a mode");
        row("mode 5", R"({"mode":5})", "needs a mode");
        row("mode name", R"({"mode":"Tracking"})", "mode is AP, Reg, Long or ATL");
        row("unknown key", R"({"mode":"AP","cycle":30})", "unknown key 'cycle'");
        for (const char* cycles : {"2.5", "-1", "3e9"})
            row(qPrintable(QString("cycles ") + cycles),
                QByteArray(R"({"mode":"AP","N_Cycles":)") + cycles + "}",
                "N_Cycles must be a whole number");
        row("negative time", R"({"mode":"AP","exposureSec":-5})", "exposureSec must be a number");
        row("text for a number", R"({"mode":"AP","cycleSec":"30"})", "cycleSec must be a number");
        row("number for a flag", R"({"mode":"AP","clockwise":1})",
            "clockwise must be true or false");
        row("speed at the limit", R"({"mode":"AP","speedDps":0.20833333333333334})", "", 1);
        row("speed above the limit", R"({"mode":"AP","speedDps":0.21})", "above the limit");
        row("array", R"([{"mode":"AP"}])", "one JSON object");
        row("truncated", R"({"mode":"AP",)", "offset 13");
        row("empty", QByteArray(), "not valid JSON");
        row("binary", QByteArray("\x00\xff\xfe", 3), "not valid JSON");
    }
    void programs() {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        QFETCH(int, mode);
        QFETCH(int, cycles);
        QFETCH(double, effectiveCycleSec);
        QString message;
        const auto p = parseProgram(json, &message);
        if (error.isEmpty()) {
            QVERIFY2(p, qPrintable(message));
            QCOMPARE(int(p->mode), mode);
            QCOMPARE(p->N_Cycles, cycles);
            QCOMPARE(p->effectiveCycleSec, effectiveCycleSec);
        } else {
            QVERIFY(!p);
            QVERIFY2(message.contains(error), qPrintable(message));
        }
    }

    void wifiSettingsAboutToBeWritten_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("security");
        QTest::addColumn<QStringList>("texts"); // AP name and password, station name and address
        QTest::addColumn<QString>("error");
        using M = WifiMode_::E;
        using S = WifiSec_::E;
        const auto row = [](const char* name, M mode, S security, QStringList texts,
                            const char* error) {
            QTest::newRow(name) << int(mode) << int(security) << texts << QString(error);
        };
        row("open access point", M::AP, S::Open, {"Tracker", "", "", ""}, "");
        row("secured access point", M::AP, S::WPA2_PSK, {"Tracker", "starlight", "", ""}, "");
        row("short password", M::AP, S::WPA2_PSK, {"Tracker", "short", "", ""},
            "password of 8 to 63");
        row("nameless access point", M::AP, S::Open, {"", "", "", ""}, "needs a name");
        row("station", M::STA, S::Open, {"", "", "home", "10.0.0.7"}, "");
        row("station by DHCP", M::STA, S::Open, {"", "", "home", ""}, "");
        row("station without network", M::STA, S::Open, {"", "", "", ""}, "name of the network");
        row("station address", M::STA, S::Open, {"", "", "home", "10.0.7"}, "--sta-ip");
        row("both, station unnamed", M::Both, S::Open, {"Tracker", "", "", ""},
            "name of the network");
    }
    void wifiSettingsAboutToBeWritten() {
        QFETCH(int, mode);
        QFETCH(int, security);
        QFETCH(QStringList, texts);
        QFETCH(QString, error);
        WifiSettings w;
        w.mode = WifiMode_::E(mode);
        w.AP_SEC = WifiSec_::E(security);
        w.AP_SSID = texts[0];
        w.AP_pass = texts[1];
        w.STA_SSID = texts[2];
        w.STA_fixedIP = texts[3];
        const QString message = checkWifiSettings(w);
        if (error.isEmpty())
            QVERIFY2(message.isEmpty(), qPrintable(message));
        else
            QVERIFY2(message.contains(error), qPrintable(message));
    }

    // Every given quantity reaches the solver with the others: the period given is used, and
    // the 0 s of video, which 0.25 h cannot hold, is named as not used.
    void planKeepsEveryGivenQuantity() {
        const ProfileInputs given{{"videoTimeSpanHour", "0.25"}, {"videoLengthSec", "0"},
                                  {"framePeriodSec", "0.5"},     {"swingRangeDeg", "90"},
                                  {"swingCount", "5"},           {"frameRateFps", "50"}};
        const auto profile = newProfile("reg", nullptr);
        QCOMPARE(applyInputs(*profile, "reg", given), QString());
        QStringList names;
        for (const auto& g : given)
            names << g.first;
        const QString text = describePlan(*profile, "reg", names, "default").text.join('\n');
        for (const char* line :
             {"\n  framePeriodSec           0.5            given\n",
              "\n  videoLengthSec           0              not used\n",
              "\n  photos                   1800           calculated\n",
              "\nNot used: --videoLengthSec (the other inputs determine it or contradict it)\n",
              "\nValid: no\n"})
            QVERIFY2(text.contains(QLatin1String(line)), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestVelmoractlArgs)
#include "test_velmoractl_args.moc"
