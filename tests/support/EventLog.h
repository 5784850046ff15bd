#pragma once
// What happened, in order, recorded from any thread: a snapshot to compare, counts, and waits
// with a bound for an event or for a number of events. A worker that waits for an event the
// test adds ("release") is held until the test lets it go.

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace JEX::Test {

class EventLog {
public:
    void add(const QString& event) {
        {
            std::lock_guard lock(mutex_);
            events_.push_back(event);
        }
        changed_.notify_all();
    }
    QStringList all() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    int count(const QString& event) const {
        std::lock_guard lock(mutex_);
        return int(events_.count(event));
    }
    void clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }
    // True once the event has been recorded, false when the bound passed first.
    bool waitFor(const QString& event,
                 std::chrono::milliseconds bound = std::chrono::seconds(30)) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, bound, [&] { return events_.contains(event); });
    }
    // True once at least n events in all, or n of the one given, have been recorded.
    bool waitForCount(qsizetype n, const QString& event = {},
                      std::chrono::milliseconds bound = std::chrono::seconds(30)) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, bound, [&] {
            return (event.isEmpty() ? events_.size() : events_.count(event)) >= n;
        });
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    QStringList events_;
};

} // namespace JEX::Test
