#pragma once
// Game pads through SDL2's game-controller API, read in the state shape of the polling
// thread. SDL is started with its game-controller subsystem only: no window, no video, no
// signal handlers. A pad sits at the user index SDL gives it as its player index.

#include "IPadStateSource.h"

#include <array>
#include <cstdint>

struct _SDL_GameController;

namespace JEX {

class SdlPadSource : public IPadStateSource {
public:
    // Starts SDL subsystems, SDL's convention: 0 on success. Tests pass one that fails.
    using InitFn = int (*)(uint32_t subsystems);

    explicit SdlPadSource(InitFn init = nullptr);
    ~SdlPadSource() override;
    SdlPadSource(const SdlPadSource&) = delete;
    SdlPadSource& operator=(const SdlPadSource&) = delete;

    const char* libraryName() const override { return "SDL2"; }
    bool open() override;
    bool read(int userIndex, PadState& state) override;
    void close() override;

private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        PadState last;
        uint32_t packetNumber = 0;
    };

    InitFn init_;
    bool open_ = false;
    std::array<Pad, 4> pads_;
};

} // namespace JEX
