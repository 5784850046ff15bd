// The platform helpers: window geometry brought back onto a screen, the help document's
// English fallback, URL dispatch by scheme and the log as a signal.

#include "HelpFile.h"
#include "LanguageManager.h"
#include "Log.h"
#include "MemoryKVStore.h"
#include "PlatformUrl.h"
#include "QtFileUtil.h"
#include "SSLogQSignalLogSink.h"
#include "WindowRect.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace JEX;

class TestPlatformHelpers : public QObject {
    Q_OBJECT

private slots:
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
        QVERIFY(night.contains(QStringLiteral("color: #F44336")));

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
};

QTEST_MAIN(TestPlatformHelpers)
#include "test_platform_helpers.moc"
