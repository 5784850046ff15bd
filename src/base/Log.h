#pragma once
// The program's one diagnostic log: printf-style lines handed to registered sinks and then
// written to standard error. Safe to call from any thread.

#include <functional>

namespace JEX {

using LogSink = std::function<void(const char* line)>;

// Longest line a sink ever sees; longer output is cut.
inline constexpr int kLogLineMax = 4999;

void log(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Returns the new sink's id: 0 for the first sink, then 1, 2, ...; ids are never reused.
int addSink(LogSink sink);

// After it returns the sink is never called again: calls in progress on other threads are
// waited for, so an object may remove its sink in its destructor. An id that is not
// registered is ignored.
void removeSink(int id);

} // namespace JEX
