#include "HandleControllerNative.h"

#include "InputThread.h"
#include "Log.h"

namespace JEX {

HandleControllerNative::HandleControllerNative(std::shared_ptr<IPadStateSource> source)
    : source_(std::move(source)) {}

HandleControllerNative::~HandleControllerNative() {
    stop();
}

QList<int> HandleControllerNative::connectedPads() const {
    return thread_ ? thread_->connectedPads() : QList<int>();
}

bool HandleControllerNative::running() const {
    return thread_ && thread_->running();
}

void HandleControllerNative::start() {
    stop();
    if (!source_->open()) {
        log("Failed to load XInput library %s", source_->libraryName());
        return;
    }
    thread_ = std::make_unique<InputThread>(source_);
    // Direct: the events leave on the polling thread; receivers on other threads queue them.
    connect(thread_.get(), &InputThread::dPadEvent, this,
            &IHandleControllerNative::triggerHandleDPadEvent, Qt::DirectConnection);
    connect(thread_.get(), &InputThread::gamePadEvent, this,
            &IHandleControllerNative::triggerHandleGamePadEvent, Qt::DirectConnection);
    connect(thread_.get(), &InputThread::joystickEvent, this,
            &IHandleControllerNative::triggerHandleJoystickEvent, Qt::DirectConnection);
    if (!thread_->start()) {
        thread_.reset();
        source_->close();
    }
}

void HandleControllerNative::stop() {
    if (!thread_)
        return;
    thread_->stop();
    thread_.reset();
    source_->close();
}

} // namespace JEX
