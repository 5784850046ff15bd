#pragma once
// Collects the program log's lines while it is alive.

#include "Log.h"

#include <QStringList>

#include <memory>
#include <mutex>

namespace JEX::Test {

class LogCapture {
public:
    LogCapture() : state_(std::make_shared<State>()) {
        // The sink owns the state: a thread that logs while the capture goes away stays safe.
        id_ = addSink([state = state_](const char* line) {
            std::lock_guard lock(state->mutex);
            state->lines.push_back(QString::fromUtf8(line));
        });
    }
    ~LogCapture() { removeSink(id_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const {
        std::lock_guard lock(state_->mutex);
        return state_->lines;
    }
    bool contains(const QString& line) const { return lines().contains(line); }

private:
    struct State {
        std::mutex mutex;
        QStringList lines;
    };
    std::shared_ptr<State> state_;
    int id_;
};

} // namespace JEX::Test
