#pragma once
// A controller command before framing: axis, command letter and data characters.

#include "CmdResp.h"

#include <cstdint>
#include <utility>

namespace JEX {

struct Cmd {
    uint32_t axis = 0; // 0 is the first axis, any other value the second
    char letter = 0;
    Bytes data;
};

// The request bytes of a command: ':' letter axis-character data CR.
Bytes frame(const Cmd& cmd);

inline Cmd command(uint32_t axis, char letter, Bytes data = {}) {
    return Cmd{axis, letter, std::move(data)};
}

// a followed by b.
inline Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace JEX
