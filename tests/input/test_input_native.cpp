// The hand controller's native side: start and stop of the polling thread, a platform
// library that cannot be used, and SDL2's reading of a pad (SDL's own virtual game
// controller stands in for one).

#include "HandleControllerNative.h"
#include "LogCapture.h"
#include "ScriptedPadSource.h"
#include "SdlPadSource.h"

#include <SDL2/SDL.h>

#include <QTest>

#include <memory>

using namespace JEX;

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

} // namespace

class TestInputNative : public QObject {
    Q_OBJECT
private slots:
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
        QTRY_VERIFY(source->reads(0) >= 2);
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
        const int none = SDL_CONTROLLER_AXIS_INVALID;
        QList<int> all;
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
            all << b;
        QTest::newRow("every button; guide, misc and paddles have no bit")
            << all << none << 0 << PadState{.buttons = 0xF3FF};
        QTest::newRow("D-pad right") << QList<int>{SDL_CONTROLLER_BUTTON_DPAD_RIGHT} << none << 0
                                     << PadState{.buttons = 0x0008};
        QTest::newRow("B") << QList<int>{SDL_CONTROLLER_BUTTON_B} << none << 0
                           << PadState{.buttons = 0x2000};
        QTest::newRow("left stick full up") << QList<int>{} << int(SDL_CONTROLLER_AXIS_LEFTY)
                                            << -32768 << PadState{.thumbLY = 32767};
        QTest::newRow("left stick full down") << QList<int>{} << int(SDL_CONTROLLER_AXIS_LEFTY)
                                              << 32767 << PadState{.thumbLY = -32767};
        QTest::newRow("right stick full left") << QList<int>{} << int(SDL_CONTROLLER_AXIS_RIGHTX)
                                               << -32768 << PadState{.thumbRX = -32768};
        QTest::newRow("left trigger full") << QList<int>{} << int(SDL_CONTROLLER_AXIS_TRIGGERLEFT)
                                           << 32767 << PadState{.leftTrigger = 255};
        // The virtual pad's trigger axes span the joystick's whole range, which SDL maps onto
        // 0 to 32767: -24927 becomes 3920 (30.51 of 255), -24929 becomes 3919 (30.50).
        QTest::newRow("right trigger 3920 of 32767 is 31 of 255")
            << QList<int>{} << int(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) << -24927
            << PadState{.rightTrigger = 31};
        QTest::newRow("right trigger 3919 of 32767 is 30 of 255")
            << QList<int>{} << int(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) << -24929
            << PadState{.rightTrigger = 30};
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
};

QTEST_GUILESS_MAIN(TestInputNative)
#include "test_input_native.moc"
