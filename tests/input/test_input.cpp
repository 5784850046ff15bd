// The hand controller from the pads up: the polling of game pads one pass at a time on a
// scripted source (which slots are read when, and which events each change of a pad's state
// gives), start and stop of the polling thread, a platform library that cannot be used,
// SDL2's reading of a pad (SDL's own virtual game controller stands in for one), and the
// controller as QML makes and sees it: held keys and key events from a native side that
// reports on a thread of its own.

#include "HandleController.h"
#include "HandleControllerNative.h"
#include "IHandleControllerNative.h"
#include "InputThread.h"
#include "LogCapture.h"
#include "ScriptedPadSource.h"
#include "SdlPadSource.h"

#include <SDL2/SDL.h>

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
using States = QList<PadState>;
using HC = HandleController;
using Keys = QList<HC::HandleControllerKey>;

namespace JEX {
char* toString(const PadState& s) {
    return qstrdup(qPrintable(QString::asprintf(
        "packet %u buttons 0x%04x triggers %d %d left %d %d right %d %d", s.packetNumber, s.buttons,
        s.leftTrigger, s.rightTrigger, s.thumbLX, s.thumbLY, s.thumbRX, s.thumbRY)));
}
} // namespace JEX

namespace {

// A game controller on SDL's virtual joystick driver, with SDL's standard layout; the slot
// is the player index SDL gives it.
struct VirtualPad {
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        device = SDL_JoystickAttachVirtualEx(&desc);
        slot = SDL_JoystickGetDevicePlayerIndex(device);
        joystick = SDL_JoystickOpen(device);
    }
    ~VirtualPad() {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(device);
    }
    int device, slot;
    SDL_Joystick* joystick;
};

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

// Every event of the polling as "kind id key value", in the order emitted.
void record(InputThread& thread, QStringList& events) {
    const auto add = [&events](const char* kind, int id, int key, double value) {
        const char* name = QMetaEnum::fromType<HC::HandleControllerKey>().valueToKey(key);
        events << QString::asprintf("%s %d %s %.6g", kind, id, name, value);
    };
    QObject::connect(&thread, &InputThread::dPadEvent, &thread,
                     [add](int id, int key, int v) { add("dpad", id, key, v); });
    QObject::connect(&thread, &InputThread::gamePadEvent, &thread,
                     [add](int id, int key, int v) { add("pad", id, key, v); });
    QObject::connect(&thread, &InputThread::joystickEvent, &thread,
                     [add](int id, int key, double v) { add("stick", id, key, v); });
}

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

class TestInput : public QObject {
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

    void stateChanges_data() {
        QTest::addColumn<States>("states");
        QTest::addColumn<QStringList>("expected");
        using namespace PadButton;
        QTest::newRow("left stick at 7849 is the centre")
            << States{{.packetNumber = 1, .thumbLX = 32767}, {.packetNumber = 2, .thumbLX = 7849}}
            << QStringList{"stick 0 JOYSTICK_LEFT_X 1", "stick 0 JOYSTICK_LEFT_Y 1.5259e-05",
                           "stick 0 JOYSTICK_LEFT_X 0", "stick 0 JOYSTICK_LEFT_Y 0"};
        QTest::newRow("left stick at 7850 is scaled")
            << States{{.packetNumber = 1, .thumbLX = 7850}}
            << QStringList{"stick 0 JOYSTICK_LEFT_X 0.239582",
                           "stick 0 JOYSTICK_LEFT_Y 1.5259e-05"};
        QTest::newRow("left stick pushed up is negative")
            << States{{.packetNumber = 1, .thumbLY = 32767}}
            << QStringList{"stick 0 JOYSTICK_LEFT_X 1.5259e-05",
                           "stick 0 JOYSTICK_LEFT_Y -0.999969"};
        QTest::newRow("right stick at 8689 is the centre")
            << States{{.packetNumber = 1, .thumbRX = -8689}} << QStringList{};
        QTest::newRow("right stick at 8690 is scaled")
            << States{{.packetNumber = 1, .thumbRX = -8690}}
            << QStringList{"stick 0 JOYSTICK_RIGHT_X -0.265187",
                           "stick 0 JOYSTICK_RIGHT_Y 1.5259e-05"};
        QTest::newRow("trigger 0, 30, 31")
            << States{{.packetNumber = 1},
                      {.packetNumber = 2, .leftTrigger = 30},
                      {.packetNumber = 3, .leftTrigger = 31}}
            << QStringList{"pad 0 GAMEPAD_L2 0", "pad 0 GAMEPAD_L2 1"};
        QTest::newRow("right trigger pressed and let go")
            << States{{.packetNumber = 1, .rightTrigger = 255}, {.packetNumber = 2}}
            << QStringList{"pad 0 GAMEPAD_R2 1", "pad 0 GAMEPAD_R2 0"};
        QTest::newRow("A, then B held, then A let go")
            << States{{.packetNumber = 1, .buttons = A},
                      {.packetNumber = 2, .buttons = A | B},
                      {.packetNumber = 3, .buttons = B}}
            << QStringList{"pad 0 GAMEPAD_A 1", "pad 0 GAMEPAD_B 1", "pad 0 GAMEPAD_A 0"};
        QTest::newRow("every button at once, in scan order; bits without a key ignored")
            << States{{.packetNumber = 1, .buttons = 0xFFFF}}
            << QStringList{
                   "dpad 0 DPAD_UP 1",         "dpad 0 DPAD_DOWN 1",    "dpad 0 DPAD_LEFT 1",
                   "dpad 0 DPAD_RIGHT 1",      "pad 0 GAMEPAD_START 1", "pad 0 GAMEPAD_SELECT 1",
                   "pad 0 GAMEPAD_L1 1",       "pad 0 GAMEPAD_R1 1",    "pad 0 JOYSTICK_THUMB_L 1",
                   "pad 0 JOYSTICK_THUMB_R 1", "pad 0 GAMEPAD_A 1",     "pad 0 GAMEPAD_B 1",
                   "pad 0 GAMEPAD_X 1",        "pad 0 GAMEPAD_Y 1"};
        QTest::newRow("a repeated packet number emits nothing")
            << States{{.packetNumber = 7, .buttons = X}, {.packetNumber = 7, .buttons = X | Y}}
            << QStringList{"pad 0 GAMEPAD_X 1"};
    }

    // Slot 0 is read on every pass once its pad is seen: one state per pass.
    void stateChanges() {
        QFETCH(States, states);
        QFETCH(QStringList, expected);
        auto source = std::make_shared<Test::ScriptedPadSource>();
        InputThread thread(source);
        QStringList events;
        record(thread, events);
        for (const PadState& state : states) {
            source->setPad(0, state);
            thread.pollOnce();
        }
        QCOMPARE(events, expected);
    }

    void probing_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("padPresent");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QList<int>>("readOnPasses");
        QTest::newRow("slot 0 without a pad: the first pass, then every 801st")
            << 0 << false << 1603 << QList<int>{1, 802, 1603};
        QTest::newRow("slot 1 without a pad: after 800 skipped passes, then every 801st")
            << 1 << false << 1602 << QList<int>{801, 1602};
        QTest::newRow("a pad in slot 0 is seen on the first pass, then read on every pass")
            << 0 << true << 3 << QList<int>{1, 2, 3};
        QTest::newRow("a pad in slot 1 is first seen after 800 passes")
            << 1 << true << 803 << QList<int>{801, 802, 803};
    }

    // Polled pass by pass, or sleeping through the passes that only count: the slot is looked
    // at on the same passes either way, and a connected pad is read on every pass.
    void probing() {
        QFETCH(int, slot);
        QFETCH(bool, padPresent);
        QFETCH(int, passes);
        QFETCH(QList<int>, readOnPasses);
        for (const bool sleeping : {false, true}) {
            auto source = std::make_shared<Test::ScriptedPadSource>();
            if (padPresent)
                source->setPad(slot, PadState{.packetNumber = 1, .buttons = PadButton::A});
            InputThread thread(source);
            QStringList events;
            record(thread, events);
            QList<int> reads;
            int firstEventPass = 0;
            for (int pass = 1; pass <= passes;
                 pass += 1 + (sleeping ? thread.skipIdlePasses() : 0)) {
                const int before = source->reads(slot);
                thread.pollOnce();
                if (source->reads(slot) != before)
                    reads << pass;
                if (!events.isEmpty() && firstEventPass == 0)
                    firstEventPass = pass;
            }
            QCOMPARE(reads, readOnPasses);
            QCOMPARE(firstEventPass, padPresent ? readOnPasses.first() : 0);
            QCOMPARE(thread.connectedPads(), padPresent ? QList<int>{slot} : QList<int>{});
        }
    }

    void eventsAreLogged() {
        auto source = std::make_shared<Test::ScriptedPadSource>();
        source->setPad(2, PadState{.packetNumber = 1, .buttons = PadButton::A, .thumbLY = -32768});
        InputThread thread(source);
        Test::LogCapture log;
        for (int pass = 1; pass <= 801; ++pass)
            thread.pollOnce();
        QCOMPARE(log.lines(), QStringList({"ID: 2 KEY: GAMEPAD_A ACTION: 1",
                                           "ID: 2 KEY: JOYSTICK_LEFT_X ACTION: 1.5259e-05",
                                           "ID: 2 KEY: JOYSTICK_LEFT_Y ACTION: 1.00003"}));
    }

    // A pulled pad releases what it held (it sends no release of its own), leaves the list
    // and is probed like an empty slot until it returns.
    void padPulledAndBack() {
        auto source = std::make_shared<Test::ScriptedPadSource>();
        source->setPad(0, PadState{.packetNumber = 1,
                                   .buttons = PadButton::DPadLeft,
                                   .rightTrigger = 255,
                                   .thumbLX = -32768});
        InputThread thread(source);
        thread.pollOnce();
        QCOMPARE(thread.connectedPads(), QList<int>{0});
        QStringList events;
        record(thread, events);
        source->setPad(0, std::nullopt);
        thread.pollOnce();
        QCOMPARE(thread.connectedPads(), QList<int>{});
        QCOMPARE(events, QStringList({"dpad 0 DPAD_LEFT 0", "pad 0 GAMEPAD_R2 0",
                                      "stick 0 JOYSTICK_LEFT_X 0", "stick 0 JOYSTICK_LEFT_Y 0"}));
        source->setPad(0, PadState{.packetNumber = 1});
        for (int pass = 3; pass <= 802; ++pass)
            thread.pollOnce();
        QCOMPARE(thread.connectedPads(), QList<int>{});
        thread.pollOnce();
        QCOMPARE(thread.connectedPads(), QList<int>{0});
    }

    void unusableLibrary_data() {
        QTest::addColumn<bool>("sdl");
        QTest::addColumn<QString>("warning");
        QTest::newRow("SDL2 does not start") << true << "Failed to load XInput library SDL2";
        QTest::newRow("a source that cannot be opened")
            << false << "Failed to load XInput library scripted";
    }

    void unusableLibrary() {
        QFETCH(bool, sdl);
        QFETCH(QString, warning);
        std::shared_ptr<IPadStateSource> source;
        if (sdl)
            source = std::make_shared<SdlPadSource>([](uint32_t) {
                SDL_SetError("refused by the test");
                return -1;
            });
        else
            source = std::make_shared<Test::ScriptedPadSource>(true);
        Test::LogCapture log;
        HandleControllerNative native(source);
        native.start();
        QVERIFY2(log.contains(warning), qPrintable(log.lines().join('\n')));
        QVERIFY(!native.running());
    }

    void stopEndsThePollingThread() {
        auto source = std::make_shared<Test::ScriptedPadSource>();
        source->setPad(0, PadState{.packetNumber = 1});
        HandleControllerNative native(source);
        native.start();
        QVERIFY(native.running());
        QTRY_VERIFY_WITH_TIMEOUT(source->reads(0) >= 2, 30000);
        QCOMPARE(native.connectedPads(), QList<int>{0});
        native.stop();
        QVERIFY(!native.running());
        QVERIFY(!source->isOpen());
        QCOMPARE(native.connectedPads(), QList<int>{});
    }

    void sdlReading_data() {
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("axisValue");
        QTest::addColumn<PadState>("expected");
        const auto pressed = [](const char* name, const QList<int>& buttons, uint16_t bits) {
            QTest::newRow(name) << buttons << int(SDL_CONTROLLER_AXIS_INVALID) << 0
                                << PadState{.buttons = bits};
        };
        const auto moved = [](const char* name, int axis, int value, const PadState& expected) {
            QTest::newRow(name) << QList<int>{} << axis << value << expected;
        };
        QList<int> all;
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
            all << b;
        pressed("every button; guide, misc and paddles have no bit", all, 0xF3FF);
        pressed("D-pad right", {SDL_CONTROLLER_BUTTON_DPAD_RIGHT}, 0x0008);
        pressed("B", {SDL_CONTROLLER_BUTTON_B}, 0x2000);
        moved("left stick full up", SDL_CONTROLLER_AXIS_LEFTY, -32768, {.thumbLY = 32767});
        moved("left stick full down", SDL_CONTROLLER_AXIS_LEFTY, 32767, {.thumbLY = -32767});
        moved("right stick full left", SDL_CONTROLLER_AXIS_RIGHTX, -32768, {.thumbRX = -32768});
        moved("left trigger full", SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, {.leftTrigger = 255});
        // The virtual pad's trigger axes span the joystick's whole range, which SDL maps onto
        // 0 to 32767: -24927 becomes 3920 (30.51 of 255), -24929 becomes 3919 (30.50).
        moved("right trigger 3920 of 32767 is 31 of 255", SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -24927,
              {.rightTrigger = 31});
        moved("right trigger 3919 of 32767 is 30 of 255", SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -24929,
              {.rightTrigger = 30});
    }

    void sdlReading() {
        QFETCH(QList<int>, buttons);
        QFETCH(int, axis);
        QFETCH(int, axisValue);
        QFETCH(PadState, expected);
        SdlPadSource source;
        QVERIFY(source.open());
        VirtualPad pad;
        if (pad.slot < 0 || pad.slot > 3)
            QSKIP("four pads are plugged in already");
        PadState state;
        // SDL reports a trigger only once it has moved while the pad is open.
        QVERIFY(source.read(pad.slot, state));
        for (int b : buttons)
            SDL_JoystickSetVirtualButton(pad.joystick, b, 1);
        if (axis != SDL_CONTROLLER_AXIS_INVALID)
            SDL_JoystickSetVirtualAxis(pad.joystick, axis, int16_t(axisValue));
        QVERIFY(source.read(pad.slot, state));
        state.packetNumber = 0;
        QCOMPARE(state, expected);
    }

    // The packet number grows with every change and only then; a pulled pad is gone.
    void sdlPacketNumberAndPulledPad() {
        SdlPadSource source;
        QVERIFY(source.open());
        auto pad = std::make_unique<VirtualPad>();
        const int slot = pad->slot;
        if (slot < 0 || slot > 3)
            QSKIP("four pads are plugged in already");
        PadState first, again, changed;
        QVERIFY(source.read(slot, first));
        QVERIFY(source.read(slot, again));
        QCOMPARE(again.packetNumber, first.packetNumber);
        SDL_JoystickSetVirtualButton(pad->joystick, SDL_CONTROLLER_BUTTON_A, 1);
        QVERIFY(source.read(slot, changed));
        QVERIFY(changed.packetNumber > first.packetNumber);
        pad.reset();
        QVERIFY(!source.read(slot, changed));
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

QTEST_GUILESS_MAIN(TestInput)
#include "test_input.moc"
