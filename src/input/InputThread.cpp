#include "InputThread.h"

#include "HandleController.h"
#include "Log.h"

#include <QMetaEnum>

#include <algorithm>
#include <cmath>
#include <system_error>
#include <utility>

namespace JEX {

namespace {

using Key = HandleController::HandleControllerKey;

struct ButtonKey {
    uint16_t bit;
    Key key;
};

const ButtonKey kDPad[] = {
    {PadButton::DPadUp, HandleController::DPAD_UP},
    {PadButton::DPadDown, HandleController::DPAD_DOWN},
    {PadButton::DPadLeft, HandleController::DPAD_LEFT},
    {PadButton::DPadRight, HandleController::DPAD_RIGHT},
};

const ButtonKey kGamePad[] = {
    {PadButton::Start, HandleController::GAMEPAD_START},
    {PadButton::Back, HandleController::GAMEPAD_SELECT},
    {PadButton::LeftShoulder, HandleController::GAMEPAD_L1},
    {PadButton::RightShoulder, HandleController::GAMEPAD_R1},
    {PadButton::LeftThumb, HandleController::JOYSTICK_THUMB_L},
    {PadButton::RightThumb, HandleController::JOYSTICK_THUMB_R},
    {PadButton::A, HandleController::GAMEPAD_A},
    {PadButton::B, HandleController::GAMEPAD_B},
    {PadButton::X, HandleController::GAMEPAD_X},
    {PadButton::Y, HandleController::GAMEPAD_Y},
};

// Stick travel inside these radii is resting play, reported as the centre.
constexpr double kLeftDeadZone = 7849;
constexpr double kRightDeadZone = 8689;
// A trigger byte below this is resting play; the travel above it spans 0 to 1.
constexpr int kTriggerThreshold = 31;

const char* keyName(int key) {
    const char* name = QMetaEnum::fromType<Key>().valueToKey(key);
    return name ? name : "?";
}

} // namespace

InputThread::InputThread(std::shared_ptr<IPadStateSource> source) : source_(std::move(source)) {}

InputThread::~InputThread() {
    stop();
}

bool InputThread::start() {
    if (running())
        return true;
    try {
        thread_ = std::thread([this] { run(); });
        return true;
    } catch (const std::system_error& e) {
        log("InputThread: cannot start a thread: %s", e.what());
        return false;
    }
}

void InputThread::stop() {
    if (!running())
        return;
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void InputThread::run() {
    std::unique_lock lock(mutex_);
    while (!std::exchange(stopRequested_, false)) {
        lock.unlock();
        pollOnce();
        const int idle = skipIdlePasses();
        lock.lock();
        wake_.wait_for(lock, kPassPeriod * (1 + idle), [this] { return stopRequested_; });
    }
}

QList<int> InputThread::connectedPads() const {
    std::lock_guard lock(mutex_);
    return connected_;
}

void InputThread::pollOnce() {
    for (int id = 0; id < kPadSlots; ++id) {
        Pad& pad = pads_[size_t(id)];
        if (readOnce_ && !pad.connected && pad.pollCounter++ < kEmptySlotSkips)
            continue;
        pad.pollCounter = 0;
        readOnce_ = true;

        PadState state;
        if (!source_->read(id, state)) {
            if (pad.connected) {
                // A pad that is gone sends no release: whatever it held (a slew on the D-pad
                // or a stick) is let go here, as if every button and stick had come back.
                process(id, pad, PadState{});
                pad.connected = false;
                std::lock_guard lock(mutex_);
                connected_.removeAll(id);
            }
            continue;
        }
        if (pad.connected) {
            if (state.packetNumber == pad.packetNumber)
                continue;
        } else {
            pad.connected = true;
            std::lock_guard lock(mutex_);
            if (!connected_.contains(id))
                connected_.append(id);
        }
        pad.packetNumber = state.packetNumber;
        process(id, pad, state);
    }
}

int InputThread::skipIdlePasses() {
    if (!readOnce_)
        return 0;
    int idle = kEmptySlotSkips;
    for (const Pad& pad : pads_) {
        if (pad.connected)
            return 0;
        idle = std::min(idle, kEmptySlotSkips - pad.pollCounter);
    }
    for (Pad& pad : pads_)
        pad.pollCounter += idle;
    return idle;
}

void InputThread::process(int id, Pad& pad, const PadState& state) {
    for (const ButtonKey& b : kDPad) {
        if (((state.buttons ^ pad.buttons) & b.bit) == 0)
            continue;
        pad.buttons ^= b.bit;
        const int pressed = (state.buttons & b.bit) ? 1 : 0;
        log("ID: %d KEY: %s ACTION: %d", id, keyName(b.key), pressed);
        emit dPadEvent(id, b.key, pressed);
    }
    for (const ButtonKey& b : kGamePad) {
        if (((state.buttons ^ pad.buttons) & b.bit) == 0)
            continue;
        pad.buttons ^= b.bit;
        const int pressed = (state.buttons & b.bit) ? 1 : 0;
        log("ID: %d KEY: %s ACTION: %d", id, keyName(b.key), pressed);
        emit gamePadEvent(id, b.key, pressed);
    }
    trigger(id, state.leftTrigger, pad.leftTrigger, HandleController::GAMEPAD_L2);
    trigger(id, state.rightTrigger, pad.rightTrigger, HandleController::GAMEPAD_R2);
    stick(id, state.thumbLX, state.thumbLY, kLeftDeadZone, pad.leftStick,
          HandleController::JOYSTICK_LEFT_X, HandleController::JOYSTICK_LEFT_Y);
    stick(id, state.thumbRX, state.thumbRY, kRightDeadZone, pad.rightStick,
          HandleController::JOYSTICK_RIGHT_X, HandleController::JOYSTICK_RIGHT_Y);
}

void InputThread::trigger(int id, uint8_t raw, uint8_t& cached, int key) {
    if (raw == cached)
        return;
    cached = raw;
    const double value = raw < kTriggerThreshold ? 0.0 : (raw - 30) / 225.0;
    const int pressed = value > 1e-12 ? 1 : 0;
    log("ID: %d KEY: %s ACTION: %d", id, keyName(key), pressed);
    emit gamePadEvent(id, key, pressed);
}

void InputThread::stick(int id, int16_t x, int16_t y, double deadZone, double (&cached)[2],
                        int keyX, int keyY) {
    double scaled[2] = {0, 0};
    if (std::hypot(double(x), double(y)) > deadZone) {
        scaled[0] = (2.0 * x + 65536) / 65535 - 1;
        // Screen sense: pushing up gives a negative value.
        scaled[1] = 2.0 * (32768 - y) / 65535 - 1;
    }
    const int keys[2] = {keyX, keyY};
    for (int axis = 0; axis < 2; ++axis) {
        if (scaled[axis] == cached[axis])
            continue;
        cached[axis] = scaled[axis];
        log("ID: %d KEY: %s ACTION: %g", id, keyName(keys[axis]), scaled[axis]);
        emit joystickEvent(id, keys[axis], scaled[axis]);
    }
}

} // namespace JEX
