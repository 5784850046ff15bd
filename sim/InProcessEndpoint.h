#pragma once
// The controller as a plain function, with no sockets: request bytes in, reply and delay
// out. For unit tests and the built-in demo mount.

#include "MotorController.h"

#include <memory>

namespace JEX::Sim {

class InProcessEndpoint {
public:
    explicit InProcessEndpoint(std::shared_ptr<MotorController> controller,
                               Channel channel = Channel::Wifi)
        : controller_(std::move(controller)), channel_(channel) {}

    Response operator()(const Bytes& request) const {
        RequestContext context;
        context.channel = channel_;
        context.peer = "in-process";
        return controller_->handle(request, context);
    }

    const std::shared_ptr<MotorController>& controller() const { return controller_; }
    Channel channel() const { return channel_; }

private:
    std::shared_ptr<MotorController> controller_;
    Channel channel_;
};

} // namespace JEX::Sim
