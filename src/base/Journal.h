#pragma once
// The session's journal: what happened to the link and the mount's program, one line each
// with the local date and time, kept in the data folder so that a user can read in the
// morning what went on during the night. Safe to call from any thread.

#include "CallbackList.h"

#include <QDateTime>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace JEX {

class Journal {
public:
    struct D {
        // The data folder; made when the first line is written.
        std::string folder;
        // The local time of a line; empty: the system's.
        std::function<QDateTime()> now = {};
        // Past this the file becomes "journal.txt.1", replacing the older one, and a new one
        // starts.
        std::int64_t maxBytes = kMaxBytes;
    };

    static constexpr std::int64_t kMaxBytes = 1 << 20;
    static constexpr const char* kFileName = "journal.txt";
    // What the journal's lines start with in the program log.
    static constexpr const char* kLogPrefix = "Journal: ";
    // How many of the lines already in the files are read at start.
    static constexpr size_t kEarlierLines = 200;
    // Longer lines are cut, in the file and when read back.
    static constexpr int kLineMaxChars = 1000;

    explicit Journal(D d);

    // Appends "yyyy-MM-dd HH:mm:ss line" to the file and the program log, then tells
    // addedList. A file that cannot be written is said once in the log; the lines still go
    // to the log and the listeners.
    void add(const std::string& line);

    // The last lines the files held when this object was made, oldest first, each as it was
    // written; unreadable bytes and control characters are replaced.
    const std::vector<std::string>& earlierLines() const { return earlier_; }

    std::string filePath() const;

    // Each added line with its time stamp, on the adding thread.
    CallbackList<void(const std::string&)> addedList;

private:
    // Under mutex_: errno of the failed step, or 0.
    int append(const std::string& bytes);

    const D d_;
    std::vector<std::string> earlier_;
    // One line at a time reaches the file, so that rotation and append see the same size.
    std::mutex mutex_;
    std::atomic<bool> failureSaid_{false};
};

} // namespace JEX
