#pragma once
// The console's converser stack over the simulated controller's in-process endpoint: the
// raw converser honours the simulated reply delay against a reply time-out and resends
// like the real transports, without sockets.

#include "IConverser.h"
#include "InProcessEndpoint.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "SLConverser.h"

#include <QByteArray>

#include <memory>
#include <thread>

namespace JEX::Test {

class SimRawConverser : public IConverserRaw {
public:
    SimRawConverser(std::shared_ptr<Sim::MotorController> controller, int resends = 2,
                    std::chrono::milliseconds timeout = std::chrono::milliseconds(200))
        : endpoint_(std::move(controller)), resends_(resends), timeout_(timeout) {}

    CmdResp<Bytes> converse(const Bytes& request) override {
        for (int attempt = 0; attempt <= resends_; ++attempt) {
            const Sim::Response response = endpoint_(request);
            if (response.reply && response.delay <= timeout_) {
                if (response.delay.count() > 0)
                    std::this_thread::sleep_for(response.delay);
                return *response.reply;
            }
        }
        return CmdRetType::Timeout;
    }

private:
    Sim::InProcessEndpoint endpoint_;
    int resends_;
    std::chrono::milliseconds timeout_;
};

// A simulated controller and the console's stack talking to it.
struct SimStack {
    std::shared_ptr<Sim::MotorController> sim;
    std::shared_ptr<SLConverser> sl;
    std::shared_ptr<JexConverser> converser;
    std::shared_ptr<JexDevice> device;

    explicit SimStack(const Sim::Identity& identity, Sim::Behaviour behaviour = {}) {
        Sim::SimConfig config;
        config.identity = identity;
        config.behaviour = behaviour;
        sim = std::make_shared<Sim::MotorController>(config);
        sl = std::make_shared<SLConverser>(std::make_shared<SimRawConverser>(sim));
        converser = std::make_shared<JexConverser>(sl);
        device = std::make_shared<JexDevice>(converser);
    }
    explicit SimStack(std::string_view preset = "3.10-08")
        : SimStack(*Sim::presetIdentity(preset)) {}

    // The requests the controller received since the last clear, as text.
    QList<QByteArray> requests() const {
        QList<QByteArray> out;
        for (const auto& r : sim->transcript()->requests())
            out.push_back(QByteArray(reinterpret_cast<const char*>(r.data()), qsizetype(r.size())));
        return out;
    }
    void clearTranscript() { sim->transcript()->clear(); }
};

} // namespace JEX::Test
