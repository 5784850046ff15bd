// Takes pictures of every page of the console on the demo mount, offscreen, in day and night
// colours and at a narrow and a wider window size, so that a person can look at what users
// see without clicking through the window.

#include "LanguageManager.h"
#include "ObjectGraph.h"
#include "QmlModules.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Waits until the condition holds or the time is up; true when it held.
bool waitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        pause(20);
    }
    return true;
}

class Shooter {
public:
    Shooter(QQuickWindow& window, QString outDir, QString prefix)
        : window_(window), outDir_(std::move(outDir)), prefix_(std::move(prefix)) {}

    // Evaluates JavaScript in the context of the object with that name (the window when
    // empty), where the page's ids are visible.
    QVariant eval(const QString& objectName, const QString& script) {
        QObject* scope = objectName.isEmpty() ? static_cast<QObject*>(&window_)
                                              : window_.findChild<QObject*>(objectName);
        if (!scope) {
            std::fprintf(stderr, "no object named %s\n", qPrintable(objectName));
            return {};
        }
        QQmlExpression expression(qmlContext(scope), scope, script);
        const QVariant result = expression.evaluate();
        if (expression.hasError())
            std::fprintf(stderr, "%s: %s\n", qPrintable(script),
                         qPrintable(expression.error().toString()));
        return result;
    }

    void shoot(const QString& name) {
        pause(400);
        const QImage image = window_.grabWindow();
        const QString file = QStringLiteral("%1/%2%3-%4x%5.png")
                                 .arg(outDir_, prefix_, name)
                                 .arg(window_.width())
                                 .arg(window_.height());
        if (!image.save(file))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        else
            std::printf("%s\n", qPrintable(file));
    }

    void home() { eval({}, QStringLiteral("inj_stackView.pop(null)")); }

private:
    QQuickWindow& window_;
    QString outDir_;
    QString prefix_;
};

// The four program pages, a number refused, the saved profiles and the name dialog, the
// photo-number reminder and the progress of a running program.
void shootPrograms(Shooter& s, const QString& theme) {
    const struct {
        int mode;
        const char* name;
    } programs[] = {{1, "astrophotography-"},
                    {4, "astro-timelapse-"},
                    {2, "regular-timelapse-"},
                    {3, "long-timelapse-"}};
    for (const auto& p : programs) {
        s.home();
        s.eval({}, QStringLiteral("inj_stackView.currentItem.openProgram(%1)").arg(p.mode));
        s.shoot(QLatin1String(p.name) + theme);
    }
    // A number the language does not read ("2,5" where the decimal separator is a point, or
    // "1.000" where the point groups thousands): the field, the reason and the grey Run.
    s.home();
    s.eval({}, QStringLiteral("inj_stackView.currentItem.openProgram(4)"));
    s.eval({}, QStringLiteral("inj_stackView.currentItem.profile.input_videoTimeSpanHour = true"));
    s.eval({}, QStringLiteral("(function find(item, name) {"
                              "  if (!item) return null;"
                              "  if (item.objectName === name) return item;"
                              "  const under = [item.contentItem, item.item];"
                              "  for (let i = 0; i < item.children.length; ++i)"
                              "    under.push(item.children[i]);"
                              "  for (const c of under) {"
                              "    const found = c && c !== item ? find(c, name) : null;"
                              "    if (found) return found }"
                              "  return null"
                              "})(inj_stackView.currentItem, 'totalTime').entry.edit("
                              "  inj_languageManager.language === 'en' ? '2,5' : '1.000')"));
    s.shoot(QStringLiteral("number-refused-") + theme);
    // The Astrophotography page with two saved profiles, scrolled down to them.
    s.home();
    s.eval({}, QStringLiteral("inj_stackView.currentItem.openProgram(1)"));
    const QString page = QStringLiteral("inj_stackView.currentItem.");
    s.eval({}, page + QStringLiteral("saveAs('Milky Way')"));
    s.eval({}, page + QStringLiteral("saveAs('Moon, 2x')"));
    s.eval({}, page + QStringLiteral("profile.name = '<unnamed>'"));
    s.eval({}, QStringLiteral("const f = inj_stackView.currentItem.contentItem.children[0]; "
                              "f.contentY = Math.max(0, f.contentHeight - f.height)"));
    s.shoot(QStringLiteral("profiles-") + theme);
    s.eval({}, page + QStringLiteral("nameDialog.ask('Milky Way', ['Milky Way'])"));
    s.shoot(QStringLiteral("profile-name-") + theme);
    s.eval({}, page + QStringLiteral("nameDialog.close()"));
    s.eval({}, page + QStringLiteral("reminder.consult(function () {})"));
    s.shoot(QStringLiteral("photo-reminder-") + theme);
    s.eval({}, page + QStringLiteral("reminder.close()"));
    // A program of 500 photos running for a few seconds.
    s.eval({}, page + QStringLiteral("profile.input_photos = true"));
    s.eval({}, page + QStringLiteral("profile.photos = 500"));
    s.eval({}, page + QStringLiteral("profile.exposureSec = 0.5"));
    s.eval({}, page + QStringLiteral("profile.photoIntervalSec = 0.5"));
    s.eval({}, page + QStringLiteral("mayHaveModeDial = false"));
    s.eval({}, page + QStringLiteral("run()"));
    waitFor(
        [&] {
            return s.eval({}, QStringLiteral("inj_iTaskState.isRunningTask === true")).toBool();
        },
        10000);
    pause(2500);
    s.eval({}, QStringLiteral("progressDialog.open()"));
    s.shoot(QStringLiteral("progress-") + theme);
    s.eval({}, QStringLiteral("progressDialog.close()"));
    s.eval({}, QStringLiteral("inj_iConnector.tavo.programManualMode()"));
    waitFor(
        [&] {
            return s.eval({}, QStringLiteral("inj_iTaskState.isRunningTask === false")).toBool();
        },
        10000);
    s.home();
}

} // namespace

int main(int argc, char* argv[]) {
    JEX::importQmlModules();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    if (qEnvironmentVariableIsEmpty("VELMORA_DATA_DIR")) {
        qputenv("VELMORA_DATA_DIR", data.path().toUtf8());
        QFile settings(data.filePath(QStringLiteral("Settings.txt")));
        // A place with a sky to show, and no location sensor.
        if (settings.open(QIODevice::WriteOnly))
            settings.write("{\"loc.use_sensor\": false, \"loc.lat\": 0.8377, "
                           "\"loc.long\": -0.2473, \"loc.alt\": 350}\n");
    }
    QGuiApplication app(argc, argv);
    QIcon::setThemeName(QStringLiteral("app"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pictures of every page on the demo mount, day and night."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for PNGs."),
                                       QStringLiteral("dir"), QStringLiteral("screenshots"));
    const QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Language code."),
                                        QStringLiteral("code"));
    const QCommandLineOption doubleOption(QStringLiteral("double-length"),
                                          QStringLiteral("Double-length pseudo-translation."));
    const QCommandLineOption sizeOption(
        QStringLiteral("size"),
        QStringLiteral("Window size WxH (repeatable; 320x640 and 480x800 "
                       "when none is given)."),
        QStringLiteral("WxH"));
    parser.addOptions({outOption, langOption, doubleOption, sizeOption});
    parser.process(app);

    const QString outDir = parser.value(outOption);
    QDir().mkpath(outDir);
    QStringList sizes = parser.values(sizeOption);
    if (sizes.isEmpty())
        sizes = {QStringLiteral("320x640"), QStringLiteral("480x800")};

    QList<std::shared_ptr<QObject>> keepAlive;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    JEX::GraphOptions options;
    options.demo = true;
    options.locationSource = [] { return nullptr; };
    JEX::dependencyInjectToQml(engine, keepAlive, options);
    for (const auto& object : keepAlive)
        if (auto* languages = qobject_cast<JEX::LanguageManager*>(object.get())) {
            if (parser.isSet(langOption))
                languages->setLanguage(parser.value(langOption));
            if (parser.isSet(doubleOption))
                languages->setDoubleLength(true);
        }
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/App/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window)
        return 1;
    // Pictures in another language or in double length are told apart by their names.
    QString prefix;
    if (parser.isSet(langOption))
        prefix += parser.value(langOption) + QLatin1Char('-');
    if (parser.isSet(doubleOption))
        prefix += QStringLiteral("double-");
    Shooter s(*window, outDir, prefix);

    // Connected to the demo mount, with its supply voltage read.
    s.eval({}, QStringLiteral("inj_iConnectable.startSession()"));
    waitFor([&] { return s.eval({}, QStringLiteral("inj_iConnector.connected")).toBool(); }, 20000);
    s.eval({}, QStringLiteral("inj_iConnector.tavo.readPowerStatus()"));
    pause(500);

    for (const QString& size : sizes) {
        const QStringList wh = size.split(QLatin1Char('x'));
        if (wh.size() != 2)
            continue;
        window->resize(wh[0].toInt(), wh[1].toInt());
        for (const int night : {0, 1}) {
            s.eval({}, QStringLiteral("inj_nightManager.setSetting(%1)").arg(night));
            const QString theme = night ? QStringLiteral("night") : QStringLiteral("day");
            s.home();
            s.shoot(QStringLiteral("main-menu-") + theme);
            s.eval({}, QStringLiteral("inj_logView.hidden = false"));
            s.shoot(QStringLiteral("log-pane-") + theme);
            s.eval({}, QStringLiteral("inj_logView.hidden = true"));
            s.eval({}, QStringLiteral("inj_iConnectable.startSession()"));
            s.shoot(QStringLiteral("connect-dialog-") + theme);
            s.eval({}, QStringLiteral("inj_iConnectable.cancelSession()"));
            shootPrograms(s, theme);
            s.eval(QStringLiteral("menuSettings"),
                   QStringLiteral("inj_stackView.push(manualControl)"));
            s.shoot(QStringLiteral("manual-control-") + theme);
            s.home();
            s.eval(QStringLiteral("menuSettings"),
                   QStringLiteral("inj_stackView.push(polarScope)"));
            s.eval(QStringLiteral("hemisphereTabs"), QStringLiteral("currentIndex = 0"));
            s.shoot(QStringLiteral("polar-north-") + theme);
            s.eval(QStringLiteral("hemisphereTabs"), QStringLiteral("currentIndex = 1"));
            s.shoot(QStringLiteral("polar-south-") + theme);
            s.eval(QStringLiteral("hemisphereTabs"),
                   QStringLiteral("inj_stackView.push(locationPage)"));
            s.shoot(QStringLiteral("location-") + theme);
            s.home();
            s.eval(QStringLiteral("menuSettings"), QStringLiteral("inj_stackView.push(settings)"));
            s.shoot(QStringLiteral("settings-") + theme);
            s.eval(QStringLiteral("versionText"), QStringLiteral("inj_stackView.push(wifiPage)"));
            s.shoot(QStringLiteral("wifi-") + theme);
            s.home();
            s.eval(QStringLiteral("menuSettings"), QStringLiteral("inj_stackView.push(settings)"));
            s.eval(QStringLiteral("versionText"), QStringLiteral("inj_stackView.push(helpPage)"));
            s.shoot(QStringLiteral("help-") + theme);
            s.home();
        }
    }
    s.eval({}, QStringLiteral("inj_nightManager.setSetting(2)"));
    return 0;
}
