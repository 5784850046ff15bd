#pragma once
// A UDP socket bound to one interface (or any) and aimed at one mount.

#include "CmdResp.h"

namespace JEX {

class IUDP {
public:
    virtual ~IUDP() = default;
    virtual bool isOpen() const = 0;
    // One datagram of exactly these bytes to the mount.
    virtual bool write(const Bytes& bytes) = 0;
    // One datagram from the mount, waiting at most the receive time-out; empty on time-out,
    // on error, and for a zero-length datagram.
    virtual Bytes read() = 0;
    // Discards every datagram already queued.
    virtual void clearReadBuffer() = 0;
    // Closes the socket if open and opens a new one on a fresh local port.
    virtual bool reopen() = 0;
};

} // namespace JEX
