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

// A game controller on SDL's virtual joystick driver, with SDL's standard layout.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        slot = SDL_JoystickGetDevicePlayerIndex(device);
        joystick = SDL_JoystickOpen(device);
    }
    ~VirtualPad() {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        for (int device = 0; device < SDL_NumJoysticks(); ++device) {
            if (SDL_JoystickGetDeviceInstanceID(device) == id)
                SDL_JoystickDetachVirtual(device);
        }
    }
    int slot = -1;
    SDL_Joystick* joystick = nullptr;
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
        QTest::newRow("D-pad right") << QList<int>{SDL_CONTROLLER_BUTTON_DPAD_RIGHT} << none << 0
                                     << PadState{.buttons = 0x0008};
        QTest::newRow("A, B, X, Y") << QList<int>{SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B,
                                                  SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y}
                                    << none << 0 << PadState{.buttons = 0xF000};
        QTest::newRow("start, back, shoulders, stick clicks")
            << QList<int>{SDL_CONTROLLER_BUTTON_START,        SDL_CONTROLLER_BUTTON_BACK,
                          SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                          SDL_CONTROLLER_BUTTON_LEFTSTICK,    SDL_CONTROLLER_BUTTON_RIGHTSTICK}
            << none << 0 << PadState{.buttons = 0x03F0};
        QTest::newRow("guide has no bit")
            << QList<int>{SDL_CONTROLLER_BUTTON_GUIDE} << none << 0 << PadState{};
        QTest::newRow("left stick full up") << QList<int>{} << int(SDL_CONTROLLER_AXIS_LEFTY)
                                            << -32768 << PadState{.thumbLY = 32767};
        QTest::newRow("left stick full down") << QList<int>{} << int(SDL_CONTROLLER_AXIS_LEFTY)
                                              << 32767 << PadState{.thumbLY = -32767};
        QTest::newRow("right stick half up") << QList<int>{} << int(SDL_CONTROLLER_AXIS_RIGHTY)
                                             << -16384 << PadState{.thumbRY = 16384};
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
