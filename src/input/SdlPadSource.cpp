#include "SdlPadSource.h"

#include "Log.h"

#include <SDL2/SDL.h>

#include <utility>

namespace JEX {

namespace {

const std::pair<SDL_GameControllerButton, uint16_t> kButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::DPadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::DPadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::DPadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::DPadRight},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PadButton::LeftThumb},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PadButton::RightThumb},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::LeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::RightShoulder},
    {SDL_CONTROLLER_BUTTON_A, PadButton::A},
    {SDL_CONTROLLER_BUTTON_B, PadButton::B},
    {SDL_CONTROLLER_BUTTON_X, PadButton::X},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::Y},
};

// SDL reports a trigger from 0 to 32767; a pad reports a byte.
uint8_t triggerByte(int16_t value) {
    return value <= 0 ? 0 : uint8_t((int32_t(value) * 255 + 16383) / 32767);
}

// SDL's vertical stick axes grow downwards; a pad's grow upwards.
int16_t upPositive(int16_t value) {
    return value == INT16_MIN ? INT16_MAX : int16_t(-value);
}

PadState sample(SDL_GameController* c) {
    PadState s;
    for (const auto& [button, bit] : kButtons) {
        if (SDL_GameControllerGetButton(c, button))
            s.buttons |= bit;
    }
    s.leftTrigger = triggerByte(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    s.rightTrigger = triggerByte(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    s.thumbLX = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    s.thumbLY = upPositive(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
    s.thumbRX = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_RIGHTX);
    s.thumbRY = upPositive(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_RIGHTY));
    return s;
}

SDL_GameController* openAt(int userIndex) {
    const int count = SDL_NumJoysticks();
    for (int device = 0; device < count; ++device) {
        if (SDL_IsGameController(device) && SDL_JoystickGetDevicePlayerIndex(device) == userIndex)
            return SDL_GameControllerOpen(device);
    }
    return nullptr;
}

} // namespace

SdlPadSource::SdlPadSource(InitFn init) : init_(init ? init : &SDL_InitSubSystem) {}

SdlPadSource::~SdlPadSource() {
    close();
}

bool SdlPadSource::open() {
    if (open_)
        return true;
    // Ctrl-C and SIGTERM stay the console's; pads are read whether or not a window has focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (init_(SDL_INIT_GAMECONTROLLER) != 0) {
        log("SDL2 game controllers: %s", SDL_GetError());
        return false;
    }
    // Pads are polled; SDL's event queue would only fill up with events nobody takes.
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_GameControllerEventState(SDL_IGNORE);
    open_ = true;
    return true;
}

bool SdlPadSource::read(int userIndex, PadState& state) {
    if (!open_ || userIndex < 0 || userIndex >= int(pads_.size()))
        return false;
    // Also where SDL notices pads plugged in or pulled out.
    SDL_GameControllerUpdate();
    Pad& pad = pads_[size_t(userIndex)];
    if (pad.controller && !SDL_GameControllerGetAttached(pad.controller)) {
        SDL_GameControllerClose(pad.controller);
        pad.controller = nullptr;
    }
    if (!pad.controller)
        pad.controller = openAt(userIndex);
    if (!pad.controller)
        return false;
    const PadState now = sample(pad.controller);
    if (pad.packetNumber == 0 || now != pad.last) {
        ++pad.packetNumber;
        pad.last = now;
    }
    state = now;
    state.packetNumber = pad.packetNumber;
    return true;
}

void SdlPadSource::close() {
    if (!open_)
        return;
    for (Pad& pad : pads_) {
        if (pad.controller)
            SDL_GameControllerClose(pad.controller);
        pad.controller = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    open_ = false;
}

} // namespace JEX
