#pragma once
// Where the polling thread reads game pads from: up to four pads by user index (0 to 3).

#include "PadState.h"

namespace JEX {

class IPadStateSource {
public:
    virtual ~IPadStateSource() = default;

    // The platform library's name for the warning when it cannot be used.
    virtual const char* libraryName() const = 0;

    // Prepares the platform library; false when it cannot be used. Called before the
    // polling thread starts.
    virtual bool open() = 0;

    // True with the state of the pad at userIndex; false when no pad is there or it cannot be
    // read. Called on the polling thread only, between open() and close().
    virtual bool read(int userIndex, PadState& state) = 0;

    // Releases the platform library; called after the polling thread has ended.
    virtual void close() = 0;
};

} // namespace JEX
