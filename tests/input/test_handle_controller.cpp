// The hand controller as QML makes and sees it: held keys and key events from a native
// side that reports on a thread of its own.

#include "HandleController.h"
#include "HandleControllerNative.h"
#include "IHandleControllerNative.h"

#include <QMetaEnum>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <memory>
#include <thread>

Q_IMPORT_QML_PLUGIN(JexAstroBasePlugin)

using namespace JEX;
using HC = HandleController;
using Keys = QList<HC::HandleControllerKey>;

namespace {

class FakeNative : public IHandleControllerNative {
public:
    QList<int> connectedPads() const override { return {}; }
    void start() override { ++starts; }
    void stop() override { ++stops; }
    int starts = 0;
    int stops = 0;
};

struct Event {
    char kind; // d-pad, game pad, joystick
    HC::HandleControllerKey key;
    double value;
};

// Every change the controller announces, as "KEY DOWN|UP value".
void record(HC* controller, QStringList& seen) {
    QObject::connect(
        controller, &HC::handleControllerChanged,
        [&seen](HC::HandleControllerKey key, HC::HandleControllerAction action, double v) {
            seen << QMetaEnum::fromType<HC::HandleControllerKey>().valueToKey(key) +
                        QString(action == HC::DOWN ? " DOWN " : " UP ") + QString::number(v);
        });
}

} // namespace

Q_DECLARE_METATYPE(QList<Event>)

class TestHandleController : public QObject {
    Q_OBJECT

    QQmlEngine engine_;
    FakeNative native_;

    std::unique_ptr<QObject> create(const QByteArray& body) {
        QQmlComponent component(&engine_);
        component.setData("import QtQml\nimport JexAstroBase\nHandleController {\n" + body + "}",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        if (!object)
            qWarning("%s", qPrintable(component.errorString()));
        return object;
    }

private slots:
    void initTestCase() {
        engine_.addImportPath(QStringLiteral("qrc:/qt/qml"));
        engine_.rootContext()->setContextProperty(QStringLiteral("fake"), &native_);
    }

    void keyEvents_data() {
        QTest::addColumn<QList<Event>>("events");
        QTest::addColumn<Keys>("held");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("A then B held")
            << QList<Event>{{'g', HC::GAMEPAD_A, 1}, {'g', HC::GAMEPAD_B, 1}}
            << Keys{HC::GAMEPAD_A, HC::GAMEPAD_B}
            << QStringList{"GAMEPAD_A DOWN 1", "GAMEPAD_B DOWN 1"};
        QTest::newRow("A let go leaves B")
            << QList<Event>{{'g', HC::GAMEPAD_A, 1},
                            {'g', HC::GAMEPAD_B, 1},
                            {'g', HC::GAMEPAD_A, 0}}
            << Keys{HC::GAMEPAD_B}
            << QStringList{"GAMEPAD_A DOWN 1", "GAMEPAD_B DOWN 1", "GAMEPAD_A UP 0"};
        QTest::newRow("a trigger's release before its press is ignored")
            << QList<Event>{{'g', HC::GAMEPAD_L2, 0}, {'g', HC::GAMEPAD_L2, 1}}
            << Keys{HC::GAMEPAD_L2} << QStringList{"GAMEPAD_L2 DOWN 1"};
        QTest::newRow("a key pressed again while held")
            << QList<Event>{{'d', HC::DPAD_RIGHT, 1}, {'d', HC::DPAD_RIGHT, 1}}
            << Keys{HC::DPAD_RIGHT} << QStringList{"DPAD_RIGHT DOWN 1"};
        QTest::newRow("a stick position passes through, never held")
            << QList<Event>{{'j', HC::JOYSTICK_LEFT_X, 0.5}} << Keys{}
            << QStringList{"JOYSTICK_LEFT_X UP 0.5"};
        QTest::newRow("an action other than 0 or 1")
            << QList<Event>{{'g', HC::GAMEPAD_A, 2}} << Keys{} << QStringList{};
    }

    // The events come from another thread, as the polling thread sends them.
    void keyEvents() {
        QFETCH(QList<Event>, events);
        QFETCH(Keys, held);
        QFETCH(QStringList, changes);
        auto object = create("nativeSide: fake\n");
        auto* controller = qobject_cast<HC*>(object.get());
        QVERIFY(controller);
        QStringList seen;
        record(controller, seen);
        QSignalSpy downKeysChanged(controller, &HC::downKeysChanged);
        std::thread([&] {
            for (const Event& e : events) {
                if (e.kind == 'd')
                    emit native_.triggerHandleDPadEvent(0, e.key, int(e.value));
                else if (e.kind == 'g')
                    emit native_.triggerHandleGamePadEvent(0, e.key, int(e.value));
                else
                    emit native_.triggerHandleJoystickEvent(0, e.key, e.value);
            }
        }).join();
        // Every queued event is delivered before anything is compared: an empty expectation
        // would otherwise pass before the first one arrives.
        QCoreApplication::sendPostedEvents(controller, QEvent::MetaCall);
        QCOMPARE(seen, changes);
        QCOMPARE(controller->downKeys(), held);
        QCOMPARE(downKeysChanged.count(), changes.size());
    }

    // A window that loses the focus never sees the release: what the pad held is let go at
    // once, and the pad is ignored until the focus is back.
    void losingTheFocusReleasesWhatWasHeld() {
        auto object = create("nativeSide: fake\n");
        auto* controller = qobject_cast<HC*>(object.get());
        QVERIFY(controller);
        QStringList seen;
        record(controller, seen);
        controller->handleDPadEvent(0, HC::DPAD_LEFT, HC::DOWN);
        controller->handleJoystickEvent(0, HC::JOYSTICK_LEFT_X, -0.8);
        controller->handleJoystickEvent(0, HC::JOYSTICK_LEFT_Y, 0.0);
        seen.clear();
        controller->setActive(false);
        QCOMPARE(seen, QStringList({"DPAD_LEFT UP 0", "JOYSTICK_LEFT_X UP 0"}));
        QCOMPARE(controller->downKeys(), Keys{});
        controller->handleDPadEvent(0, HC::DPAD_RIGHT, HC::DOWN);
        controller->handleJoystickEvent(0, HC::JOYSTICK_LEFT_X, 0.9);
        QCOMPARE(seen.size(), 2);
        controller->setActive(true);
        controller->handleDPadEvent(0, HC::DPAD_RIGHT, HC::DOWN);
        QCOMPARE(seen.last(), QStringLiteral("DPAD_RIGHT DOWN 1"));
    }

    // What a page binds to; the native side runs from completion to destruction.
    void qmlSeesHeldKeysAndEvents() {
        native_.starts = native_.stops = 0;
        auto object = create(
            "nativeSide: fake\n"
            "property bool rightHeld: downKeys.indexOf(HandleController.DPAD_RIGHT) >= 0\n"
            "property int rightPresses: 0\n"
            "onHandleControllerChanged: (key, action, value) => {\n"
            "  if (key === HandleController.DPAD_RIGHT && action === HandleController.DOWN)\n"
            "    ++rightPresses }\n");
        QVERIFY(object);
        QCOMPARE(native_.starts, 1);
        auto* controller = qobject_cast<HC*>(object.get());
        controller->handleDPadEvent(0, HC::DPAD_RIGHT, HC::DOWN);
        QCOMPARE(object->property("rightHeld").toBool(), true);
        controller->handleDPadEvent(0, HC::DPAD_RIGHT, HC::UP);
        QCOMPARE(object->property("rightHeld").toBool(), false);
        QCOMPARE(object->property("rightPresses").toInt(), 1);
        QCOMPARE(native_.stops, 0);
        object.reset();
        QCOMPARE(native_.stops, 1);
    }

    // SDL2 starts without a window system, whether or not a pad is plugged in.
    void ownsAPollingNativeSideOnSdlByDefault() {
        auto object = create("");
        QVERIFY(object);
        auto* native =
            qobject_cast<HandleControllerNative*>(object->property("nativeSide").value<QObject*>());
        QVERIFY(native);
        QVERIFY(native->running());
    }
};

QTEST_GUILESS_MAIN(TestHandleController)
#include "test_handle_controller.moc"
