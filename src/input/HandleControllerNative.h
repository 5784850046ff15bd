#pragma once
// The hand controller's native side on a pad-state source (SDL2 in the console): opens the
// source and runs the polling thread between start() and stop().

#include "IHandleControllerNative.h"
#include "IPadStateSource.h"

#include <memory>

namespace JEX {

class InputThread;

class HandleControllerNative : public IHandleControllerNative {
    Q_OBJECT
public:
    explicit HandleControllerNative(std::shared_ptr<IPadStateSource> source);
    ~HandleControllerNative() override;

    QList<int> connectedPads() const override;
    // A second start() restarts: the running thread is stopped before a new one begins.
    void start() override;
    void stop() override;

    // True while the polling thread runs.
    bool running() const;

private:
    std::shared_ptr<IPadStateSource> source_;
    std::unique_ptr<InputThread> thread_;
};

} // namespace JEX
