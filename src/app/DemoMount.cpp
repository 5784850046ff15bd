#include "DemoMount.h"

#include "InProcessEndpoint.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "SLConverser.h"

#include <algorithm>

namespace JEX {
// In real time, answering after a few milliseconds as over a good Wi-Fi link. It keeps
// answering when a program switches its Wi-Fi off: a demo that fell silent would only puzzle.
std::shared_ptr<Sim::MotorController> DemoConnectableHelper::makeController() {
    return makeController({}, nullptr);
}

std::shared_ptr<Sim::MotorController>
DemoConnectableHelper::makeController(std::string_view faultSpec, std::string* error) {
    Sim::SimConfig config;
    config.identity = *Sim::presetIdentity("3.10-08");
    config.behaviour.honourWifiOff = false;
    config.faults.fixedDelayMs = 8;
    config.faults.randomDelayMs = 4;
    if (!faultSpec.empty()) {
        if (auto reason = Sim::applyFaultSpec(faultSpec, config.faults, config.seed)) {
            if (error)
                *error = std::move(*reason);
            return nullptr;
        }
    }
    return std::make_shared<Sim::MotorController>(config);
}

SimEndpointConverser::SimEndpointConverser(std::shared_ptr<Sim::MotorController> controller,
                                           std::shared_ptr<IConnectionSettings> settings,
                                           std::shared_ptr<ICancellable> cancellable)
    : controller_(std::move(controller)), settings_(std::move(settings)),
      cancellable_(std::move(cancellable)) {}

CmdResp<Bytes> SimEndpointConverser::converse(const Bytes& request) {
    return exchange(request, std::max(0, settings_->maxRetryCount()));
}

CmdResp<Bytes> SimEndpointConverser::converseOnce(const Bytes& request) {
    return exchange(request, 0);
}

CmdResp<Bytes> SimEndpointConverser::exchange(const Bytes& request, int resends) {
    const Sim::InProcessEndpoint endpoint(controller_, Sim::Channel::Wifi);
    const auto timeoutMs = uint32_t(std::max(1, settings_->readTimeoutMs_other()));
    attempts_ = 0;
    for (int attempt = 0;; ++attempt) {
        if (cancellable_->isCancelled())
            return CmdRetType::Cancel;
        attempts_ = attempt + 1;
        const Sim::Response response = endpoint(request);
        const auto delayMs = uint32_t(std::max<int64_t>(0, response.delay.count()));
        if (response.reply && delayMs <= timeoutMs) {
            if (delayMs > 0 && cancellable_->wait(delayMs))
                return CmdRetType::Cancel;
            return *response.reply;
        }
        if (cancellable_->wait(timeoutMs))
            return CmdRetType::Cancel;
        if (attempt >= resends)
            return CmdRetType::Timeout;
    }
}

DemoConnectableHelper::DemoConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                             std::shared_ptr<ICancellable> cancellable,
                                             std::shared_ptr<Sim::MotorController> controller)
    : settings_(std::move(settings)), cancellable_(std::move(cancellable)),
      controller_(controller ? std::move(controller) : makeController()) {}

DemoConnectableHelper::~DemoConnectableHelper() = default;

void DemoConnectableHelper::startConnect() {
    auto self = weak_from_this().lock();
    if (!self) {
        log("DemoConnectableHelper: not held by a shared pointer, nothing started");
        return;
    }
    work_.start([self] { self->bg_connect(); }, "DemoConnectableHelper");
}

void DemoConnectableHelper::setOnConnected(OnConnected callback) {
    std::lock_guard lock(mutex_);
    onConnected_ = std::move(callback);
}

void DemoConnectableHelper::bg_connect() {
    statusList(Status{Status::Connecting, {}});
    auto sl = std::make_shared<SLConverser>(
        std::make_shared<SimEndpointConverser>(controller_, settings_, cancellable_));
    auto converser = std::make_shared<JexConverser>(sl);
    auto device = std::make_shared<JexDevice>(converser);
    OnConnected onConnected;
    {
        std::lock_guard lock(mutex_);
        onConnected = onConnected_;
    }
    if (onConnected)
        onConnected(JexConverserEtal{device, converser, sl, kEndpointName, nullptr});
}

} // namespace JEX
