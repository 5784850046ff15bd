#pragma once
// Every exchange the simulated controller took part in: when, over which link, the request,
// the reply (or none) and the faults applied. Tests read it back; the command writes it as
// JSON lines.

#include "SimTypes.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace JEX::Sim {

struct Exchange {
    uint64_t seq = 0;   // 1 for the first exchange of the transcript's life
    int64_t unixMs = 0; // wall clock when the request was handled
    double simSec = 0;  // controller time then
    Channel channel = Channel::Wifi;
    std::string peer;
    Bytes request;
    std::optional<Bytes> reply;
    int64_t delayMs = 0;
    int copies = 1;
    std::vector<std::string> faults; // injected: "reply-loss", "late", ...
    std::string note;                // why a request went unanswered without a fault

    // The command letter, or 0 when the request had no ':' followed by a letter.
    char letter() const;
    bool hasFault(std::string_view name) const;
};

// One JSON object on one line, without the line break. Byte strings are JSON strings in
// which every byte is one character (\r, \u0000 and so on for the unprintable ones).
std::string toJsonLine(const Exchange& exchange);
std::string jsonBytes(const Bytes& bytes);

class Transcript {
public:
    explicit Transcript(size_t limit = 100000);
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // Assigns the sequence number, keeps the exchange (dropping the oldest beyond the limit)
    // and writes it to the file, if one is open.
    void append(Exchange exchange);

    std::vector<Exchange> entries() const;
    std::vector<Exchange> entriesFor(char letter) const;
    std::optional<Exchange> last() const;
    size_t size() const;
    size_t count(const std::function<bool(const Exchange&)>& predicate) const;
    // The requests in order, as sent.
    std::vector<Bytes> requests() const;
    void clear();
    // Waits until at least n exchanges are kept; false when the time-out passed first.
    bool waitForSize(size_t n, std::chrono::milliseconds timeout) const;

    // Appends JSON lines to path (flushed after each line); false with a message on failure.
    bool openFile(const std::string& path, std::string* error);
    void closeFile();

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Exchange> entries_;
    size_t limit_;
    uint64_t nextSeq_ = 1;
    std::FILE* file_ = nullptr;
};

} // namespace JEX::Sim
