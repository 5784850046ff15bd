#include "Log.h"

#include <algorithm>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace JEX {
namespace {

struct Entry {
    explicit Entry(LogSink s) : sink(std::move(s)) {}
    const LogSink sink;
    // Both under the registry's mutex: calls handed out and not yet finished, and whether the
    // sink was removed (then the calls not yet made are skipped).
    int calls = 0;
    bool removed = false;
};

struct Registry {
    std::mutex mutex;
    std::condition_variable callEnded;
    std::map<int, std::shared_ptr<Entry>> sinks;
    int nextId = 0;
};

// The sinks this thread is calling now, so that a sink may remove itself while it runs.
thread_local std::vector<const Entry*> callingHere;

Registry& registry() {
    // Never destroyed: worker threads may still log while static objects are torn down.
    static Registry* r = new Registry;
    return *r;
}

} // namespace

void log(const char* format, ...) {
    char line[kLogLineMax + 2];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(line, kLogLineMax + 1, format, args);
    va_end(args);
    if (n < 0) {
        line[0] = '\0';
        n = 0;
    }
    if (n > kLogLineMax)
        n = kLogLineMax;

    // Sinks run outside the lock so that a sink may itself log, add or remove sinks; each call
    // is counted, so that removeSink can wait for the calls in progress.
    Registry& r = registry();
    std::vector<std::shared_ptr<Entry>> sinks;
    {
        std::lock_guard lock(r.mutex);
        sinks.reserve(r.sinks.size());
        for (const auto& [id, entry] : r.sinks) {
            ++entry->calls;
            sinks.push_back(entry);
        }
    }
    for (const auto& entry : sinks) {
        bool removed = false;
        {
            std::lock_guard lock(r.mutex);
            removed = entry->removed;
        }
        if (!removed) {
            callingHere.push_back(entry.get());
            entry->sink(line);
            callingHere.pop_back();
        }
        {
            std::lock_guard lock(r.mutex);
            --entry->calls;
        }
        r.callEnded.notify_all();
    }

    line[n] = '\n';
    std::fwrite(line, 1, static_cast<size_t>(n) + 1, stderr);
}

int addSink(LogSink sink) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const int id = r.nextId++;
    r.sinks.emplace(id, std::make_shared<Entry>(std::move(sink)));
    return id;
}

void removeSink(int id) {
    Registry& r = registry();
    std::unique_lock lock(r.mutex);
    const auto found = r.sinks.find(id);
    if (found == r.sinks.end())
        return;
    const std::shared_ptr<Entry> entry = found->second;
    r.sinks.erase(found);
    entry->removed = true;
    // Calls of this sink that this very thread is making (a sink removing itself) cannot end
    // before we return; every other call in progress is waited for.
    const auto own = std::count(callingHere.begin(), callingHere.end(), entry.get());
    r.callEnded.wait(lock, [&] { return entry->calls <= own; });
}

} // namespace JEX
