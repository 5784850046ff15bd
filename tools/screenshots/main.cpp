// Takes pictures of every page of the console on the demo mount, offscreen, in day and night
// colours and at a narrow and a wider window size, so that a person can look at what users
// see without clicking through the window. At night it also takes every dialog and every state
// of a control, for the check that night shows nothing but reds.

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
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
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
            fail(QStringLiteral("no object named ") + objectName);
            return {};
        }
        return evalIn(scope, script);
    }

    QVariant evalIn(QObject* scope, const QString& script) {
        QQmlExpression expression(qmlContext(scope), scope, script);
        const QVariant result = expression.evaluate();
        if (expression.hasError())
            fail(script + QStringLiteral(": ") + expression.error().toString());
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
            fail(QStringLiteral("cannot write ") + file);
        else
            std::printf("%s\n", qPrintable(file));
    }

    // Waits until the window's JavaScript condition holds; when the time runs out first, the
    // step went wrong.
    void waitUntil(const QString& condition, int ms) {
        if (!waitFor([&] { return eval({}, condition).toBool(); }, ms))
            fail(QStringLiteral("still not true: ") + condition);
    }

    // Evaluates JavaScript in the context of the object with that name on the page in front,
    // which may be one of the page's dialogs.
    QVariant evalOnPage(const QString& objectName, const QString& script) {
        QObject* object = onPage(objectName);
        return object ? evalIn(object, script) : QVariant();
    }

    // Moves the pointer over the middle of the item with that name on the page in front and,
    // when asked, holds the left button down there.
    void pointAt(const QString& objectName, bool press) {
        auto* item = qobject_cast<QQuickItem*>(onPage(objectName));
        if (!item)
            return;
        pointer_ = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        sendMouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        if (press)
            sendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }

    // Drags the pointer out of the window and lets the button go there, where it clicks
    // nothing.
    void letGo() {
        pointer_ = QPointF(-10, -10);
        sendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&window_, &leave);
    }

    void home() { eval({}, QStringLiteral("inj_stackView.pop(null)")); }

    // Steps that went wrong: a picture may then not show what its name says.
    int failures() const { return failures_; }

private:
    // Pages that were left may linger until they are deleted: only the page in front counts.
    QObject* onPage(const QString& objectName) {
        auto* page = eval({}, QStringLiteral("inj_stackView.currentItem")).value<QObject*>();
        QObject* object = page ? page->findChild<QObject*>(objectName) : nullptr;
        if (!object)
            fail(QStringLiteral("no object named ") + objectName + QStringLiteral(" on the page"));
        return object;
    }

    void fail(const QString& what) {
        std::fprintf(stderr, "%s\n", qPrintable(what));
        ++failures_;
    }

    void sendMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pointer_, window_.mapToGlobal(pointer_), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window_, &event);
    }

    QQuickWindow& window_;
    QString outDir_;
    QString prefix_;
    QPointF pointer_;
    int failures_ = 0;
};

// The four program pages, a number refused, the saved profiles and the name dialog, the
// photo-number reminder and the progress of a running program; at night also the questions
// before deleting a profile and before stopping, and the menu's grey buttons while it runs.
void shootPrograms(Shooter& s, const QString& theme, bool night) {
    // Each with a program that can run, so that its preview shows: the time-lapses over an
    // hour, the regular one swinging twice over 30°.
    const struct {
        int mode;
        const char* name;
        const char* setup;
    } programs[] = {{1, "astrophotography-", ""},
                    {4, "astro-timelapse-", "p.input_videoTimeSpanHour = true"},
                    {2, "regular-timelapse-",
                     "p.input_videoTimeSpanHour = true; p.input_framePeriodSec = true; "
                     "p.input_swingRangeDeg = true; p.swingCount = 2"},
                    {3, "long-timelapse-",
                     "p.input_videoTimeSpanHour = true; p.input_framePeriodSec = true; "
                     "p.input_speedDph = true"}};
    for (const auto& p : programs) {
        s.home();
        s.eval({}, QStringLiteral("inj_stackView.currentItem.openProgram(%1)").arg(p.mode));
        if (*p.setup)
            s.eval({}, QStringLiteral("(function (p) { %1 })(inj_stackView.currentItem.profile)")
                           .arg(QLatin1String(p.setup)));
        s.shoot(QLatin1String(p.name) + theme);
        // Scrolled down to the preview, which a narrow window shows under the rows.
        s.eval({}, QStringLiteral("(function (page) {"
                                  "  const f = page.contentItem.children[0];"
                                  "  const preview = (function find(item) {"
                                  "    if (!item) return null;"
                                  "    if (item.objectName === 'programPreview') return item;"
                                  "    for (let i = 0; i < item.children.length; ++i) {"
                                  "      const found = find(item.children[i]);"
                                  "      if (found) return found }"
                                  "    return null })(f.contentItem);"
                                  "  f.contentY = Math.max(0, Math.min(f.contentHeight - f.height,"
                                  "    preview.mapToItem(f.contentItem, 0, 0).y - 8))"
                                  "})(inj_stackView.currentItem)"));
        s.shoot(QLatin1String(p.name) + QStringLiteral("preview-") + theme);
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
    if (night) {
        s.evalOnPage(QStringLiteral("profileSave"),
                     QStringLiteral("root.editing = true; root.remove(0)"));
        s.shoot(QStringLiteral("delete-confirm-") + theme);
        s.evalOnPage(QStringLiteral("deleteConfirm"), QStringLiteral("close()"));
        s.evalOnPage(QStringLiteral("profileSave"), QStringLiteral("root.editing = false"));
    }
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
    s.waitUntil(QStringLiteral("inj_iTaskState.isRunningTask === true"), 10000);
    pause(2500);
    s.eval({}, QStringLiteral("progressDialog.open()"));
    s.shoot(QStringLiteral("progress-") + theme);
    s.eval({}, QStringLiteral("progressDialog.close()"));
    if (night) {
        s.eval({}, page + QStringLiteral("headerClicked()"));
        s.shoot(QStringLiteral("stop-confirm-") + theme);
        s.evalOnPage(QStringLiteral("stopConfirm"), QStringLiteral("close()"));
        s.home();
        s.shoot(QStringLiteral("buttons-disabled-") + theme);
    }
    s.eval({}, QStringLiteral("inj_iConnector.tavo.programManualMode()"));
    s.waitUntil(QStringLiteral("inj_iTaskState.isRunningTask === false"), 10000);
    s.home();
}

// The states of controls and the dialogs that the pages above do not show, each once: enough
// for the night check, which judges every pixel of them.
void shootControlStates(Shooter& s, const QString& theme) {
    s.home();
    s.pointAt(QStringLiteral("menuAP"), false);
    s.shoot(QStringLiteral("button-hovered-") + theme);
    s.pointAt(QStringLiteral("menuPolar"), true);
    s.shoot(QStringLiteral("button-pressed-") + theme);
    s.letGo();
    s.evalOnPage(QStringLiteral("menuSettings"),
                 QStringLiteral("forceActiveFocus(Qt.TabFocusReason)"));
    s.shoot(QStringLiteral("button-focused-") + theme);
    // The supply voltage read again, told by a toast; it is gone before the next picture
    // (three seconds, fading in and out).
    s.eval(QStringLiteral("powerButton"), QStringLiteral("clicked()"));
    s.shoot(QStringLiteral("toast-") + theme);
    pause(3700);

    s.eval({}, QStringLiteral("inj_iConnectable.startSession()"));
    s.eval(QStringLiteral("nextActionButton"), QStringLiteral("clicked()"));
    s.shoot(QStringLiteral("disconnect-confirm-") + theme);
    s.eval(QStringLiteral("disconnectConfirm"), QStringLiteral("close()"));
    s.eval({}, QStringLiteral("inj_iConnectable.cancelSession()"));

    s.evalOnPage(QStringLiteral("menuSettings"),
                 QStringLiteral("inj_stackView.push(manualControl)"));
    s.eval({}, QStringLiteral("inj_stackView.currentItem.askZero()"));
    s.shoot(QStringLiteral("zero-confirm-") + theme);
    s.evalOnPage(QStringLiteral("zeroConfirm"), QStringLiteral("close()"));
    s.home();

    // The switch is set by hand, so that the stored choice stays as it was.
    s.evalOnPage(QStringLiteral("menuSettings"), QStringLiteral("inj_stackView.push(settings)"));
    s.evalOnPage(QStringLiteral("nightModeBox"), QStringLiteral("popup.open()"));
    s.shoot(QStringLiteral("combo-open-") + theme);
    s.evalOnPage(QStringLiteral("nightModeBox"), QStringLiteral("popup.close()"));
    s.evalOnPage(QStringLiteral("connectAtLaunchSwitch"), QStringLiteral("checked = false"));
    s.shoot(QStringLiteral("switch-off-") + theme);
    s.evalOnPage(QStringLiteral("connectAtLaunchSwitch"), QStringLiteral("checked = true"));
    s.shoot(QStringLiteral("switch-on-") + theme);

    // The Wi-Fi form: a field with the keyboard's focus, the busy indicator of a read, and
    // the question before applying.
    s.evalOnPage(QStringLiteral("versionText"), QStringLiteral("inj_stackView.push(wifiPage)"));
    s.waitUntil(QStringLiteral("inj_stackView.currentItem.loaded"), 10000);
    s.evalOnPage(QStringLiteral("apSsid"), QStringLiteral("forceActiveFocus(Qt.TabFocusReason)"));
    s.shoot(QStringLiteral("field-focused-") + theme);
    s.eval({}, QStringLiteral("inj_stackView.currentItem.reading = true"));
    s.shoot(QStringLiteral("busy-") + theme);
    s.eval({}, QStringLiteral("inj_stackView.currentItem.reading = false"));
    s.eval({}, QStringLiteral("inj_stackView.currentItem.apply()"));
    s.shoot(QStringLiteral("wifi-apply-confirm-") + theme);
    s.evalOnPage(QStringLiteral("wifiConfirm"), QStringLiteral("close()"));
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
        QStringLiteral("Window size WxH (repeatable; 320x640 and 1280x800 "
                       "when none is given)."),
        QStringLiteral("WxH"));
    const QCommandLineOption nightOnlyOption(
        QStringLiteral("night-only"),
        QStringLiteral("Only the night pictures (for the night check)."));
    parser.addOptions({outOption, langOption, doubleOption, sizeOption, nightOnlyOption});
    parser.process(app);

    const QString outDir = parser.value(outOption);
    QDir().mkpath(outDir);
    QStringList sizes = parser.values(sizeOption);
    if (sizes.isEmpty())
        sizes = {QStringLiteral("320x640"), QStringLiteral("1280x800")};

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
    s.waitUntil(QStringLiteral("inj_iConnector.connected"), 20000);
    s.eval({}, QStringLiteral("inj_iConnector.tavo.readPowerStatus()"));
    pause(500);

    for (const QString& size : sizes) {
        const QStringList wh = size.split(QLatin1Char('x'));
        if (wh.size() != 2)
            continue;
        window->resize(wh[0].toInt(), wh[1].toInt());
        for (const int night : {0, 1}) {
            if (!night && parser.isSet(nightOnlyOption))
                continue;
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
            shootPrograms(s, theme, night);
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
            if (night)
                shootControlStates(s, theme);
        }
    }
    s.eval({}, QStringLiteral("inj_nightManager.setSetting(2)"));
    if (s.failures() > 0) {
        std::fprintf(stderr, "%d steps went wrong\n", s.failures());
        return 1;
    }
    return 0;
}
