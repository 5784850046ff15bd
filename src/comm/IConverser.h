#pragma once
// The converser stack's interfaces, top to bottom: the protocol converser that frames
// commands and classifies replies, the per-link serialising converser, and the raw
// transport converser (UDP or serial) with its resends and time-outs.

#include "CallbackList.h"
#include "Cmd.h"
#include "CmdResp.h"

#include <cstdint>

namespace JEX {

class IConverserRaw {
public:
    virtual ~IConverserRaw() = default;
    // Sends the framed bytes and waits for a reply, resending as configured. Ok carries the
    // raw reply bytes unclassified; Timeout and Cancel carry nothing.
    virtual CmdResp<Bytes> converse(const Bytes& request) = 0;
};

class IConverser {
public:
    virtual ~IConverser() = default;
    virtual CmdResp<Bytes> converse(const Bytes& request) = 0;
    // Whether the last conversation ended in Timeout.
    virtual bool isTimedOut() const = 0;
    // Mean duration of the last three conversations.
    virtual uint32_t averageResponseMs() const = 0;

    // Listeners receive the new timed-out flag each time it changes.
    CallbackList<void(bool)> timedOutList;
};

class IJexConverser {
public:
    virtual ~IJexConverser() = default;
    virtual CmdResp<Bytes> converse(const Bytes& request) = 0;
    virtual CmdResp<Bytes> converse(const Cmd& cmd) = 0;
    // An accepted reply of 2, 4 or 6 digits, little-endian.
    virtual CmdResp<uint32_t> converseU32(const Cmd& cmd) = 0;
    // An accepted reply of exactly 8 digits, big-endian.
    virtual CmdResp<uint32_t> converseU32BE(const Bytes& request) = 0;
    virtual CmdResp<uint32_t> converseU32BE(const Cmd& cmd) = 0;
};

} // namespace JEX
