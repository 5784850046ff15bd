// The polling of game pads, one pass at a time on a scripted source: which slots are read
// when, and which events each change of a pad's state gives.

#include "HandleController.h"
#include "InputThread.h"
#include "LogCapture.h"
#include "ScriptedPadSource.h"

#include <QMetaEnum>
#include <QTest>

#include <memory>

using namespace JEX;
using States = QList<PadState>;

class TestInputThread : public QObject {
    Q_OBJECT

    // Every event as "kind id key value", in the order emitted.
    static void record(InputThread& thread, QStringList& events) {
        const auto add = [&events](const char* kind, int id, int key, double value) {
            const char* name =
                QMetaEnum::fromType<HandleController::HandleControllerKey>().valueToKey(key);
            events << QString::asprintf("%s %d %s %.6g", kind, id, name, value);
        };
        connect(&thread, &InputThread::dPadEvent, &thread,
                [add](int id, int key, int v) { add("dpad", id, key, v); });
        connect(&thread, &InputThread::gamePadEvent, &thread,
                [add](int id, int key, int v) { add("pad", id, key, v); });
        connect(&thread, &InputThread::joystickEvent, &thread,
                [add](int id, int key, double v) { add("stick", id, key, v); });
    }

private slots:
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

    void probing() {
        QFETCH(int, slot);
        QFETCH(bool, padPresent);
        QFETCH(int, passes);
        QFETCH(QList<int>, readOnPasses);
        auto source = std::make_shared<Test::ScriptedPadSource>();
        if (padPresent)
            source->setPad(slot, PadState{.packetNumber = 1, .buttons = PadButton::A});
        InputThread thread(source);
        QStringList events;
        record(thread, events);
        QList<int> reads;
        int firstEventPass = 0;
        for (int pass = 1; pass <= passes; ++pass) {
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

    // The thread sleeps through the passes that only count: the slots are looked at on the
    // same passes as without sleeping, and a connected pad is read on every pass again.
    void idlePassesAreSleptThroughOnTheSameRhythm() {
        auto source = std::make_shared<Test::ScriptedPadSource>();
        InputThread thread(source);
        QList<int> reads[2];
        int pass = 1;
        for (; pass <= 1603; pass += 1 + thread.skipIdlePasses()) {
            const int before[2] = {source->reads(0), source->reads(1)};
            thread.pollOnce();
            for (int slot = 0; slot < 2; ++slot)
                if (source->reads(slot) != before[slot])
                    reads[slot] << pass;
            if (pass == 802)
                source->setPad(1, PadState{.packetNumber = 1});
        }
        QCOMPARE(reads[0], (QList<int>{1, 802, 1603}));
        QCOMPARE(reads[1], (QList<int>{801, 1602, 1603}));
        QCOMPARE(thread.connectedPads(), QList<int>{1});
        QCOMPARE(thread.skipIdlePasses(), 0);
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
};

QTEST_GUILESS_MAIN(TestInputThread)
#include "test_input_thread.moc"
