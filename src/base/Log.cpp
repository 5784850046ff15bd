#include "Log.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace JEX {
namespace {

struct Registry {
    std::mutex mutex;
    std::map<int, std::shared_ptr<const LogSink>> sinks;
    int nextId = 0;
};

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

    // Sinks run outside the lock so that a sink may itself log, add or remove sinks.
    std::vector<std::shared_ptr<const LogSink>> sinks;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        sinks.reserve(r.sinks.size());
        for (const auto& [id, sink] : r.sinks)
            sinks.push_back(sink);
    }
    for (const auto& sink : sinks)
        (*sink)(line);

    line[n] = '\n';
    std::fwrite(line, 1, static_cast<size_t>(n) + 1, stderr);
}

int addSink(LogSink sink) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const int id = r.nextId++;
    r.sinks.emplace(id, std::make_shared<const LogSink>(std::move(sink)));
    return id;
}

void removeSink(int id) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.sinks.erase(id);
}

} // namespace JEX
