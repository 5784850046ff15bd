#pragma once
// The polling of up to four game pads: a connected pad is read on every pass, an empty slot
// once every 801 passes (slot 0 on the first pass, slots 1 to 3 after 800 skipped ones),
// and every change of a button, trigger or stick becomes one event. Runs on a thread of its
// own, a pass every 5 ms; tests drive pollOnce() with the thread not running. A pad that
// disappears releases everything it held.

#include "IPadStateSource.h"

#include <QList>
#include <QObject>

#include <array>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace JEX {

class InputThread : public QObject {
    Q_OBJECT
public:
    static constexpr int kPadSlots = 4;
    static constexpr std::chrono::milliseconds kPassPeriod{5};
    // An empty slot is skipped this many passes between two looks: looking is the costly call.
    static constexpr int kEmptySlotSkips = 800;

    explicit InputThread(std::shared_ptr<IPadStateSource> source);
    ~InputThread() override;

    // False (with a log line) when no thread could be started.
    bool start();
    // Asks the thread to end and waits for it; does nothing when it does not run.
    void stop();
    bool running() const { return thread_.joinable(); }

    // One pass over the four slots.
    void pollOnce();
    // With no pad connected, the passes before the next look at an empty slot do nothing but
    // count: counts them off at once and returns how many, so that the thread can sleep
    // through them. 0 when a pad is connected or nothing was read yet.
    int skipIdlePasses();

    // Any thread.
    QList<int> connectedPads() const;

signals:
    // Emitted on the polling thread. key is a HandleController::HandleControllerKey.
    void dPadEvent(int id, int key, int pressed);
    void gamePadEvent(int id, int key, int pressed);
    void joystickEvent(int id, int key, double value);

private:
    struct Pad {
        bool connected = false;
        int pollCounter = 0;
        uint32_t packetNumber = 0;
        uint16_t buttons = 0;
        uint8_t leftTrigger = 0;
        uint8_t rightTrigger = 0;
        double leftStick[2] = {0, 0};
        double rightStick[2] = {0, 0};
    };

    void run();
    void process(int id, Pad& pad, const PadState& state);
    void trigger(int id, uint8_t raw, uint8_t& cached, int key);
    void stick(int id, int16_t x, int16_t y, double deadZone, double (&cached)[2], int keyX,
               int keyY);

    std::shared_ptr<IPadStateSource> source_;
    // Touched by the polling thread only (or by pollOnce() while no thread runs).
    std::array<Pad, kPadSlots> pads_;
    bool readOnce_ = false;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    QList<int> connected_;
    bool stopRequested_ = false;

    std::thread thread_;
};

} // namespace JEX
