// The console's application layer: the real program started under the offscreen platform
// (and without any display for its help and version);
// its composition root on a real QML engine (the published names and their order, the two
// real-time clocks, the built-in demo mount running a program without a socket, a slew stopped
// before the end); the platform helpers (window geometry brought back onto a screen, the help
// document's English fallback, URL dispatch by scheme, the log as a signal, the log pane's
// lines); and what the scene takes from the compiled-in modules (the icon theme "app", every
// icon at each scale it is drawn at, and the enumerations as QML code sees them); and the
// night check's rule for a pixel.

#include "DemoMount.h"
#include "DetachedWork.h"
#include "FileLock.h"
#include "HelpFile.h"
#include "Journal.h"
#include "LanguageManager.h"
#include "Log.h"
#include "LogPaneModel.h"
#include "ManualClock.h"
#include "ManualSlew.h"
#include "MemoryKVStore.h"
#include "MotorController.h"
#include "NightPixels.h"
#include "NightPointer.h"
#include "ObjectGraph.h"
#include "PlatformUrl.h"
#include "QmlModules.h"
#include "QmlSnippet.h"
#include "QtFileUtil.h"
#include "SSLogQSignalLogSink.h"
#include "SettingsFile.h"
#include "Spawn.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOTaskState.h"
#include "TaskEstimator.h"
#include "WindowRect.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

using namespace JEX;
using Test::Run;

namespace {

// Sockets this process holds now.
int openSockets() {
    int n = 0;
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        n += fd.symLinkTarget().contains(QLatin1String("socket:")) ||
             QFile::symLinkTarget(fd.filePath()).startsWith(QLatin1String("socket:"));
    return n;
}

template <typename T> std::shared_ptr<T> published(const QList<std::shared_ptr<QObject>>& all) {
    for (const auto& object : all)
        if (auto typed = std::dynamic_pointer_cast<T>(object))
            return typed;
    return nullptr;
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
    // The console's data folder for these runs.
    Test::SettingsFile settings_;
    std::vector<std::shared_ptr<Test::ManualClock>> clocks_;

    static Run run(const QStringList& args) {
        return Test::run(QStringList{VELMORA_CONSOLE} + args, {}, 120000);
    }
    static QString writeQml(const QTemporaryDir& dir, const QByteArray& text) {
        QFile file(dir.filePath("Main.qml"));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qWarning("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }
    // On the demo mount when given its controller.
    GraphOptions options(std::shared_ptr<Sim::MotorController> demo = nullptr) {
        GraphOptions o;
        o.demo = demo != nullptr;
        o.demoController = std::move(demo);
        o.locationSource = [] { return std::unique_ptr<QGeoPositionInfoSource>(); };
        o.makeClock = [this] {
            clocks_.push_back(std::make_shared<Test::ManualClock>(1'765'000'000'000));
            return clocks_.back();
        };
        return o;
    }

private slots:
    // No location sensor is started.
    void initTestCase() {
        importQmlModules();
        QVERIFY(settings_.write("{\"loc.use_sensor\": false}\n"));
    }
    void init() { clocks_.clear(); }

    // The whole window on the demo mount comes up without a single QML warning.
    void loadsMainAndQuitsCleanly() {
        const Run r = run({"--quit-when-shown", "--demo"});
        QVERIFY2(r.exitCode == 0 && !r.err.contains("QQmlApplicationEngine failed") &&
                     !r.err.contains("qrc:/") && !r.err.contains("qml:"),
                 qPrintable(r.describe()));
    }

    // Both answer on a machine without a display (the manual page is made from them).
    void helpAndVersionNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("help") << "--help"
                              << "^Usage: \\S*/velmora-console \\[options\\]\nVelmora Console\n"
                                 "(.|\n)*\n  -v, --version +Displays version information\\.\n";
        QTest::newRow("version") << "--version"
                                 << "^velmora-console \\(Velmora Console\\) \\d+\\.\\d+\\.\\d+\n$";
    }
    void helpAndVersionNeedNoDisplay() {
        QFETCH(QString, option);
        QFETCH(QString, pattern);
        const Run r = Test::run({"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                 "QT_QPA_PLATFORM", VELMORA_CONSOLE, option});
        QVERIFY2(r.exitCode == 0 && QRegularExpression(pattern).match(r.out).hasMatch(),
                 qPrintable(r.describe()));
    }

    // A second console on the same data folder says so and ends; the first one's settings
    // stay as they are.
    void secondConsoleOnOneFolderIsRefused() {
        const QString dir = settings_.dataDir();
        const FileLock first(dir + "/velmora-console.lock", FileLock::Wait::No);
        QVERIFY(first.held());
        const QByteArray before = settings_.readBytes();
        const Run r = run({"--quit-when-shown", "--demo"});
        QVERIFY2(
            r.exitCode == 1 &&
                r.err.contains("Velmora Console is already running with the data folder " + dir) &&
                !r.err.contains("Error") && !r.err.contains("qml:"),
            qPrintable(r.describe()));
        QCOMPARE(settings_.readBytes(), before);
    }

    // A main file that does not load ends the console with -1, 255 as the shell sees it.
    void brokenMainExitsWithMinusOne_data() {
        QTest::addColumn<QByteArray>("qml");
        QTest::newRow("unknown property")
            << QByteArray("import QtQuick\nItem { noSuchProperty: 1 }\n");
        QTest::newRow("unknown module") << QByteArray("import NoSuchVelmoraModule\nItem {}\n");
    }
    void brokenMainExitsWithMinusOne() {
        QFETCH(QByteArray, qml);
        QTemporaryDir dir;
        QCOMPARE(run({"--quit-when-shown", "--main-qml", writeQml(dir, qml)}).exitCode, 255);
    }

    // For checking layouts: every text of the scene doubled.
    void doubleLengthDoublesTheTexts() {
        QTemporaryDir dir;
        const QString probe =
            writeQml(dir, "import QtQml\nQtObject { Component.onCompleted: "
                          "console.warn(qsTranslate(\"MainMenu\", \"Settings\")) }\n");
        const Run r = run({"--quit-when-shown", "--double-length", "--main-qml", probe});
        QVERIFY2(r.exitCode == 0 && r.err.contains("[Settings Settings]"),
                 qPrintable(r.describe()));
    }

    // The pane keeps the last 500 lines, the night before's journal first; lines logged on
    // another thread are added on the model's own, and a journal line comes once, marked.
    void logPaneKeepsTheLast500FromAnyThread() {
        QTemporaryDir dir;
        QFile earlier(dir.filePath("journal.txt"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("2026-01-09 23:00:00 x\n") > 0);
        earlier.close();
        auto journal = std::make_shared<Journal>(
            Journal::D{dir.path().toStdString(),
                       [] { return QDateTime(QDate(2026, 1, 10), QTime(3, 4, 5)); }});
        LogPaneModel model(journal);
        QCOMPARE(model.count(), 1);
        QCOMPARE(model.index(0).data(LogPaneModel::JournalRole), QVariant(true));

        QList<QThread*> insertedOn;
        connect(&model, &QAbstractItemModel::rowsInserted,
                [&] { insertedOn << QThread::currentThread(); });
        std::thread([&] {
            for (int i = 0; i < 510; ++i)
                log("pane %d", i);
            journal->add("Disconnected");
        }).join();
        QTRY_COMPARE_WITH_TIMEOUT(model.count() == 500 && model.index(499).data().toString() ==
                                                              "2026-01-10 03:04:05 Disconnected",
                                  true, 30000);
        QCOMPARE(model.index(0).data().toString(), QString("pane 11"));
        QCOMPARE(model.index(498).data().toString(), QString("pane 509"));
        QCOMPARE(model.index(498).data(LogPaneModel::JournalRole), QVariant(false));
        QCOMPARE(model.index(499).data(LogPaneModel::JournalRole), QVariant(true));
        QVERIFY(!insertedOn.isEmpty());
        QCOMPARE(insertedOn.count(QThread::currentThread()), insertedOn.size());
    }

    void publishesItsObjectsInOrder() {
        QQmlEngine engine;
        QList<std::shared_ptr<QObject>> keepAlive;
        dependencyInjectToQml(engine, keepAlive, options());
        const QStringList names =
            QStringLiteral(
                "inj_windowRect inj_nightPointer inj_astroFormat inj_astroRate inj_tavoHelper "
                "inj_iTavoSettings "
                "inj_connectSettings inj_iConnectable inj_iConnector inj_iTaskState "
                "inj_iTaskEstimator inj_programPlanner inj_iTaskProfileList_AP "
                "inj_iTaskProfileList_ATL "
                "inj_iTaskProfileList_Reg inj_iTaskProfileList_Long inj_polarScopePaintedItem "
                "inj_polarScopeInfo inj_kvStore inj_languageManager inj_helpFile inj_location "
                "inj_converserTimeoutForwarder inj_toastManagerUIStub inj_locationSensor "
                "inj_appVersion inj_manualSlew inj_launchSession inj_linkHealth inj_reconnector "
                "inj_logPane")
                .split(' ');
        // The suspend watcher and the Enter key's filter are kept, not published.
        QCOMPARE(keepAlive.size(), names.size() + 2);
        for (qsizetype i = 0; i < names.size(); ++i)
            QVERIFY2(engine.rootContext()->contextProperty(names[i]).value<QObject*>() ==
                         keepAlive[i].get(),
                     qPrintable(names[i]));

        // The Android-only log sink is not published.
        QVERIFY(!engine.rootContext()->contextProperty("inj_qSignalLogSink").isValid());

        // The mount side and the astronomy side each have a real-time clock of their own.
        QCOMPARE(clocks_.size(), size_t(2));
        QVERIFY(clocks_[0] != clocks_[1]);
    }

    // With the demo mount a connect and a program start work through the whole graph, and
    // no socket is opened on the way.
    void demoMountRunsAProgram() {
        const int socketsBefore = openSockets();
        QQmlEngine engine;
        QList<std::shared_ptr<QObject>> keepAlive;
        const GraphOptions o = options(DemoConnectableHelper::makeController());
        dependencyInjectToQml(engine, keepAlive, o);
        const auto connectable = published<TAVOConnectable>(keepAlive);
        const auto connector = published<TAVOConnector>(keepAlive);
        const auto taskState = published<TAVOTaskState>(keepAlive);
        const auto estimator = published<TaskEstimator>(keepAlive);
        QVERIFY(connectable && connector && taskState && estimator);

        connectable->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(connector->connected(), 15000);
        QCOMPARE(connectable->connectedEndpoint(), QString("demo"));

        TAVOParamSet program;
        program.mode = TAVOMode_::E::AP;
        program.cycleSec = 10;
        program.N_Cycles = 100;
        program.exposureSec = 8;
        program.speedDps = 15.0 / 3600.0;
        program.effectiveCycleSec = 10;
        QCOMPARE(connector->tavo()->programAutoMode(program).result().type, CmdRetType::Ok);
        QTRY_COMPARE_WITH_TIMEOUT(taskState->isRunningTask_q(), QVariant(true), 5000);
        QCOMPARE(o.demoController->memoryByte(0x00), uint8_t(1)); // running mode: AP

        // The mount-side clock is the first one made; 25 s on, two more photos.
        const int before = estimator->estimate().value().takenPhotos;
        clocks_.front()->advanceMs(25'000);
        QCOMPARE(estimator->estimate().value().takenPhotos, before + 2);

        QCOMPARE(connector->tavo()->programManualMode().result().type, CmdRetType::Ok);
        QCOMPARE(openSockets(), socketsBefore);
    }

    // The console quits while a connect is under way: the graph goes, the connect's thread
    // finishes on what it holds, and the program can wait for it before the application
    // object goes (the sanitizers see anything touched after its end).
    void quittingMidConnectWaitsForTheThread() {
        auto controller = DemoConnectableHelper::makeController();
        Sim::Faults slow = controller->faults();
        slow.fixedDelayMs = 40;
        controller->setFaults(slow);
        {
            QQmlEngine engine;
            QList<std::shared_ptr<QObject>> keepAlive;
            dependencyInjectToQml(engine, keepAlive, options(controller));
            published<TAVOConnectable>(keepAlive)->startSession();
            QTRY_VERIFY_WITH_TIMEOUT(controller->transcript()->entries().size() > 0, 10000);
            QVERIFY(!DetachedWork::waitForAll(std::chrono::milliseconds(0)));
        }
        QVERIFY(DetachedWork::waitForAll(std::chrono::seconds(60)));
    }

    // The window closes mid-slew while another exchange is queued: the program does not end
    // before the mount has confirmed the stop (the graph's end would drop a queued one).
    void slewHeldAtTheEndIsStoppedFirst() {
        QQmlEngine engine;
        QList<std::shared_ptr<QObject>> keepAlive;
        const GraphOptions o = options(DemoConnectableHelper::makeController());
        dependencyInjectToQml(engine, keepAlive, o);
        const auto connector = published<TAVOConnector>(keepAlive);
        const auto slew = published<ManualSlew>(keepAlive);
        published<TAVOConnectable>(keepAlive)->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(connector->connected(), 15000);

        slew->hold(1);
        QTRY_VERIFY_WITH_TIMEOUT(o.demoController->axis(0).running, 5000);
        (void)connector->tavo()->readWifiSettings();
        QVERIFY(slew->stopBeforeExit());
        QVERIFY(!o.demoController->axis(0).running);
        QVERIFY(!slew->stopOwed());
    }

    // Rectangles relative to the screen's top-left corner; the screen has no neighbour on its
    // left. A width or height of -1 stands for the screen's.
    void loadRect_data() {
        QTest::addColumn<QRectF>("saved");
        QTest::addColumn<QRectF>("loaded");
        QTest::newRow("on screen") << QRectF(40, 40, 320, 640) << QRectF(40, 40, 320, 640);
        QTest::newRow("width 10 becomes 50") << QRectF(40, 40, 10, 640) << QRectF(40, 40, 50, 640);
        QTest::newRow("strip of 15 stays")
            << QRectF(-285, 100, 300, 200) << QRectF(-285, 100, 300, 200);
        QTest::newRow("strip of 5 moves to the origin")
            << QRectF(-295, 100, 300, 200) << QRectF(0, 0, 300, 200);
        QTest::newRow("strip of exactly 10 moves to the origin")
            << QRectF(-290, 100, 300, 200) << QRectF(0, 0, 300, 200);
        QTest::newRow("a huge window fits the screen")
            << QRectF(40, 40, 1e9, 1e9) << QRectF(40, 40, -1, -1);
        QTest::newRow("far away and huge")
            << QRectF(1e12, -1e12, 320, 1e9) << QRectF(0, 0, 320, -1);
        // Cut to the screen's height it would end above the screen.
        QTest::newRow("tall, reaching in from above")
            << QRectF(100, -1200, 400, 2000) << QRectF(100, 0, 400, -1);
    }

    void loadRect() {
        QFETCH(QRectF, saved);
        QFETCH(QRectF, loaded);
        const QRect bounds = QGuiApplication::primaryScreen()->geometry();
        const QPointF screen = bounds.topLeft();
        saved.translate(screen);
        if (loaded.width() < 0)
            loaded.setWidth(bounds.width());
        if (loaded.height() < 0)
            loaded.setHeight(bounds.height());
        if (loaded.topLeft() != QPointF(0, 0))
            loaded.translate(screen);
        auto store = std::make_shared<Test::MemoryKVStore>();
        WindowRect rect(store);
        rect.saveRect(saved);
        const std::vector<std::string> keys{"ui.winrect.x", "ui.winrect.y", "ui.winrect.width",
                                            "ui.winrect.height"};
        QCOMPARE(store->writtenKeys, keys);
        QCOMPARE(rect.loadRect(QRectF(1, 2, 3, 4)), loaded);
    }

    // French has no document of its own beside the executable; German has.
    void helpFollowsTheLanguage() {
        auto store = std::make_shared<Test::MemoryKVStore>(QJsonObject{{"lang_code", "fr"}});
        auto languages = std::make_shared<LanguageManager>(store, nullptr);
        QCOMPARE(languages->languageCode(), QStringLiteral("fr"));
        HelpFile help(std::make_shared<QtFileUtil>("KD208"), languages,
                      std::make_shared<PlatformUrl>(), connectHelpPath);
        const QString dir = QCoreApplication::applicationDirPath();
        QCOMPARE(help.helpUrl(),
                 QUrl::fromLocalFile(dir + QStringLiteral("/help/en/connect-help.html")));

        QSignalSpy changed(&help, &IHelpFile::helpUrlChanged);
        languages->setLanguage(QStringLiteral("de"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(help.helpUrl(),
                 QUrl::fromLocalFile(dir + QStringLiteral("/help/de/connect-help.html")));
    }

    // The console's own viewer: by day the document as written, at night red on black and
    // without its (daylight) pictures.
    void helpDocumentForTheViewer() {
        auto store = std::make_shared<Test::MemoryKVStore>(QJsonObject{{"lang_code", "en"}});
        HelpFile help(std::make_shared<QtFileUtil>("KD208"),
                      std::make_shared<LanguageManager>(store, nullptr),
                      std::make_shared<PlatformUrl>(), connectHelpPath);
        const QString day = help.document(false);
        QVERIFY(day.contains(QStringLiteral("<h1>Velmora Console")));
        QVERIFY(day.contains(QStringLiteral("<img ")));
        const QString night = help.document(true);
        QVERIFY(night.contains(QStringLiteral("<h1>Velmora Console")));
        QVERIFY(!night.contains(QStringLiteral("<img"), Qt::CaseInsensitive));
        QVERIFY(night.contains(QStringLiteral("color: #D82818")));

        HelpFile missing(std::make_shared<QtFileUtil>("KD208"),
                         std::make_shared<LanguageManager>(store, nullptr),
                         std::make_shared<PlatformUrl>(), [](const IFileUtil&, const std::string&) {
                             return std::string("file:///nonexistent/help.html");
                         });
        QCOMPARE(missing.document(false), QString());
    }

    void urlsReachTheHandlerOfTheirScheme() {
        PlatformUrl platform;
        QStringList seen;
        platform.dispatchUrl(QUrl(QStringLiteral("velmora-test:nobody")));
        platform.registerUrlHandler(
            "velmora-test", [&](const std::string& url) { seen << QString::fromStdString(url); });
        QVERIFY(QDesktopServices::openUrl(QUrl(QStringLiteral("velmora-test:page?x=1"))));
        platform.dispatchUrl(QUrl(QStringLiteral("other:page")));
        QCOMPARE(seen, QStringList{QStringLiteral("velmora-test:page?x=1")});

        platform.unregisterUrlHandler("velmora-test");
        platform.dispatchUrl(QUrl(QStringLiteral("velmora-test:again")));
        QCOMPARE(seen.size(), 1);
    }

    void logLinesBecomeSignalsUntilTheSinkGoes() {
        QStringList lines;
        {
            SSLogQSignalLogSink sink;
            connect(&sink, &SSLogQSignalLogSink::writeSignal, this,
                    [&](const QString& line) { lines << line; });
            log("Sink test %d: %s", 1, "Grüße");
        }
        log("Sink test %d", 2);
        QCOMPARE(lines, QStringList{QStringLiteral("Sink test 1: Grüße")});
    }

    void iconsAtTheirScales_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("scaled");
        QTest::newRow("arrow_down") << "arrow_down" << false;
        QTest::newRow("arrow_up") << "arrow_up" << false;
        for (const char* name : {"back", "close x", "menu", "refresh", "search"})
            QTest::newRow(name) << name << true;
    }
    void iconsAtTheirScales() {
        QFETCH(QString, name);
        QFETCH(bool, scaled);
        for (int scale : {1, 2, 3}) {
            const QString dir = scale == 1 ? "20x20" : QString("20x20@%1").arg(scale);
            const QImage image(QString(":/icons/app/%1/%2.png").arg(dir, name));
            QCOMPARE(!image.isNull(), scale == 1 || scaled);
            if (!image.isNull()) {
                QCOMPARE(image.size(), QSize(20 * scale, 20 * scale));
                QVERIFY2(image.pixelColor(10 * scale, 10 * scale).isValid(), qPrintable(name));
            }
        }
        QIcon::setThemeName("app");
        QVERIFY(QIcon::hasThemeIcon(name));
    }

    // The night check's rule, max(G, B) > max(24, R / 4), on pixels either side of it; a
    // failing pixel is counted and marked in cyan.
    void nightPixelRule_data() {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("fails");
        QTest::newRow("black") << qRgb(0, 0, 0) << false;
        QTest::newRow("grey at the floor") << qRgb(24, 24, 24) << false;
        QTest::newRow("green above the floor") << qRgb(0, 25, 0) << true;
        QTest::newRow("green at the floor") << qRgb(96, 24, 24) << false;
        QTest::newRow("green past a quarter") << qRgb(96, 25, 0) << true;
        QTest::newRow("a quarter") << qRgb(100, 25, 25) << false;
        QTest::newRow("green past a quarter of 100") << qRgb(100, 26, 0) << true;
        QTest::newRow("blue past a quarter of 99") << qRgb(99, 0, 25) << true;
        QTest::newRow("bright red") << qRgb(255, 63, 63) << false;
        QTest::newRow("green past a quarter of 255") << qRgb(255, 64, 63) << true;
        QTest::newRow("Material red") << qRgb(244, 67, 54) << true;
    }
    void nightPixelRule() {
        QFETCH(QRgb, pixel);
        QFETCH(bool, fails);
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, pixel);
        picture.setPixel(1, 0, qRgb(0, 0, 0));
        QImage marks;
        QCOMPARE(countNightFailures(picture, &marks), qsizetype(fails ? 1 : 0));
        QCOMPARE(marks.pixel(0, 0) == qRgb(0, 255, 255), fails);
    }

    // At night the pointer over the console is a red arrow that passes the night rule; by
    // day the desktop's own is back.
    void nightPointerIsARedArrow() {
        NightPointer pointer;
        QVERIFY(!QGuiApplication::overrideCursor());
        pointer.setRed(true);
        const QCursor* cursor = QGuiApplication::overrideCursor();
        QVERIFY(cursor);
        const QImage arrow = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        int lit = 0;
        for (int y = 0; y < arrow.height(); ++y)
            for (int x = 0; x < arrow.width(); ++x)
                lit += qAlpha(arrow.pixel(x, y)) == 255 && qRed(arrow.pixel(x, y)) > 128;
        QVERIFY2(lit > 30, qPrintable(QString::number(lit)));
        QCOMPARE(countNightFailures(arrow), qsizetype(0));
        pointer.setRed(false);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // One value of each enumeration shows it is registered under its name; the numbers that
    // are stored or sent, and the Wi-Fi limits, are tested where they are used.
    void enumerationsAsQmlSeesThem_data() {
        QTest::addColumn<QString>("expression");
        for (const char* value : {"WifiSec.WPA2_PSK", "WifiMode.Both", "CmdRetType.Other",
                                  "ConnectableState.Disconnecting", "ConnectionType.Serial",
                                  "DualModeChoice.UseAZ", "LocationSensorState.NoSignalForNow",
                                  "TAVOMode.ATL", "WifiSettingsLimit.STA_fixedIP_MaxLen"})
            QTest::newRow(value) << QString::fromLatin1(value);
    }
    void enumerationsAsQmlSeesThem() {
        QFETCH(QString, expression);
        Test::QmlSnippet qml;
        auto object =
            qml.make("import JexAstroBase\nimport Tavo", "property var value: " + expression);
        QVERIFY(object);
        bool number = false;
        object->property("value").toInt(&number);
        QVERIFY2(number, qPrintable(expression + " is not a number"));
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
