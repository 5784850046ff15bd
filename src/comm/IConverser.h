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
    // Sends the framed bytes once and waits one time-out for the reply, for a request the
    // mount acts on each time it arrives: Timeout when no reply came.
    virtual CmdResp<Bytes> converseOnce(const Bytes& request) = 0;
    // How many times the last conversation's request went out (resends included).
    virtual int lastAttempts() const { return 1; }
};

// What the last conversations of a link (at most a hundred) came to.
struct LinkStats {
    int exchanges = 0;
    int unanswered = 0;  // ended without a reply after every resend
    int attempts = 0;    // requests sent for them, resends included
    uint32_t meanMs = 0; // duration of an answered conversation, resends included
    uint32_t worstMs = 0;
    // Requests that went out without bringing a reply.
    int lostAttempts() const { return attempts - (exchanges - unanswered); }
    bool operator==(const LinkStats&) const = default;
};

class IConverser {
public:
    virtual ~IConverser() = default;
    virtual CmdResp<Bytes> converse(const Bytes& request) = 0;
    // The request goes out once, without the raw converser's resends.
    virtual CmdResp<Bytes> converseOnce(const Bytes& request) = 0;
    // Whether the last conversation ended in Timeout.
    virtual bool isTimedOut() const = 0;
    // Mean duration of the last three conversations.
    virtual uint32_t averageResponseMs() const = 0;
    virtual LinkStats linkStats() const { return {}; }

    // Listeners receive the new timed-out flag each time it changes.
    CallbackList<void(bool)> timedOutList;
};

class IJexConverser {
public:
    virtual ~IJexConverser() = default;
    virtual CmdResp<Bytes> converse(const Bytes& request) = 0;
    virtual CmdResp<Bytes> converse(const Cmd& cmd) = 0;
    // The command goes out once, without resends, and its reply is classified as usual.
    virtual CmdResp<Bytes> converseOnce(const Cmd& cmd) = 0;
    // An accepted reply of 2, 4 or 6 digits, little-endian.
    virtual CmdResp<uint32_t> converseU32(const Cmd& cmd) = 0;
    // An accepted reply of exactly 8 digits, big-endian.
    virtual CmdResp<uint32_t> converseU32BE(const Bytes& request) = 0;
    virtual CmdResp<uint32_t> converseU32BE(const Cmd& cmd) = 0;
};

} // namespace JEX
