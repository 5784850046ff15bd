#pragma once
// The one mount rig of the tests: a simulated controller and the console's stack talking to
// it through the in-process endpoint (a raw converser that honours the simulated reply delay
// against a reply time-out and resends like the real transports, without sockets, and keeps
// the time the link would have taken, by which the operations' deadlines run), device,
// axis 1, parameter memory, task state, settings and the synchronisation, with a cancellable
// wait and a fault switch that turns a simulator fault on from a chosen request on. Helpers
// read the parameter-memory traffic back out of the simulator's transcript.

#include "EEPROMConverser.h"
#include "InProcessEndpoint.h"
#include "JexConverser.h"
#include "JexConverserEtal.h"
#include "JexDevice.h"
#include "JexMountAxis.h"
#include "Location.h"
#include "ManualClock.h"
#include "MemoryKVStore.h"
#include "SLConverser.h"
#include "TAVOSettings.h"
#include "TAVOSync.h"
#include "TAVOTaskState.h"
#include "Wire.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace JEX::Test {

class SimRawConverser : public IConverserRaw {
public:
    using Clock = std::chrono::steady_clock;

    SimRawConverser(std::shared_ptr<Sim::MotorController> controller, int resends = 2,
                    std::chrono::milliseconds timeout = std::chrono::milliseconds(200))
        : endpoint_(std::move(controller)), resends_(resends), timeout_(timeout) {}

    CmdResp<Bytes> converse(const Bytes& request) override { return exchange(request, resends_); }
    CmdResp<Bytes> converseOnce(const Bytes& request) override { return exchange(request, 0); }

    // The link's time: each reply's delay and each unanswered attempt's time-out, added up.
    Clock::time_point now() const { return Clock::time_point(Clock::duration(ticks_.load())); }

private:
    CmdResp<Bytes> exchange(const Bytes& request, int resends) {
        for (int attempt = 0; attempt <= resends; ++attempt) {
            const Sim::Response response = endpoint_(request);
            if (response.reply && response.delay <= timeout_) {
                ticks_ += Clock::duration(response.delay).count();
                if (response.delay.count() > 0)
                    std::this_thread::sleep_for(response.delay);
                return *response.reply;
            }
            ticks_ += Clock::duration(timeout_).count();
        }
        return CmdRetType::Timeout;
    }

    Sim::InProcessEndpoint endpoint_;
    int resends_;
    std::chrono::milliseconds timeout_;
    std::atomic<Clock::rep> ticks_{0};
};

// The busy waits' pauses on a token the test can cancel. Counts the pauses and the time they
// asked for, and runs the test's hook on the waiting thread before each pause (1 for the
// first): the hook may change the controller or cancel the token, so that a test acts at an
// exact point of the wait instead of racing it.
class TokenWaitable : public IWaitable {
public:
    explicit TokenWaitable(std::shared_ptr<ControlledCancellable> token)
        : token_(std::move(token)) {}
    bool wait(uint32_t ms) override {
        const int n = ++waits_;
        askedMs_ += ms;
        std::function<void(int)> hook;
        {
            std::lock_guard lock(mutex_);
            hook = hook_;
        }
        if (hook)
            hook(n);
        return token_->wait(ms);
    }
    void onWait(std::function<void(int)> hook) {
        std::lock_guard lock(mutex_);
        hook_ = std::move(hook);
    }
    int waits() const { return waits_.load(); }
    int64_t askedMs() const { return askedMs_.load(); }

private:
    std::shared_ptr<ControlledCancellable> token_;
    std::atomic<int> waits_{0};
    std::atomic<int64_t> askedMs_{0};
    std::mutex mutex_;
    std::function<void(int)> hook_;
};

// Forwards to the simulator's endpoint; from the chosen request on (0 = the next one), the
// simulator runs with the chosen faults, for good or for that one request (with its resends).
// A hook runs on the requesting thread before each request goes on: one that blocks holds
// the link there.
class FaultSwitchConverser : public IConverserRaw {
public:
    FaultSwitchConverser(std::shared_ptr<Sim::MotorController> sim,
                         std::shared_ptr<IConverserRaw> inner)
        : sim_(std::move(sim)), inner_(std::move(inner)) {}

    CmdResp<Bytes> converse(const Bytes& request) override {
        return pass([&] { return inner_->converse(request); });
    }
    CmdResp<Bytes> converseOnce(const Bytes& request) override {
        return pass([&] { return inner_->converseOnce(request); });
    }
    void faultFrom(uint64_t request, const Sim::Faults& faults) { arm(request, faults, false); }
    void faultAt(uint64_t request, const Sim::Faults& faults) { arm(request, faults, true); }
    void onRequest(std::function<void()> hook) {
        std::lock_guard lock(mutex_);
        hook_ = std::move(hook);
    }

private:
    template <typename F> CmdResp<Bytes> pass(F&& send) {
        bool clearAfter = false;
        std::function<void()> hook;
        {
            std::lock_guard lock(mutex_);
            if (from_ && count_ == *from_) {
                sim_->setFaults(faults_);
                clearAfter = once_;
            }
            ++count_;
            hook = hook_;
        }
        if (hook)
            hook();
        CmdResp<Bytes> reply = send();
        if (clearAfter)
            sim_->setFaults({});
        return reply;
    }
    void arm(uint64_t request, const Sim::Faults& faults, bool once) {
        std::lock_guard lock(mutex_);
        from_ = request + count_;
        faults_ = faults;
        once_ = once;
    }

    std::shared_ptr<Sim::MotorController> sim_;
    std::shared_ptr<IConverserRaw> inner_;
    std::mutex mutex_;
    uint64_t count_ = 0;
    std::optional<uint64_t> from_;
    Sim::Faults faults_;
    bool once_ = false;
    std::function<void()> hook_;
};

// A simulator fault by name: "reject", "reply-loss" or "silent".
inline Sim::Faults faultOf(const QString& kind) {
    Sim::Faults f;
    f.reject = kind == "reject" ? 1 : 0;
    f.replyLoss = kind == "reply-loss" ? 1 : 0;
    f.silent = kind == "silent";
    return f;
}

// The requests with each parameter-memory select joined to the read or write that follows
// it: "r 0090" for a byte read, "w 006C=01" for a byte write, anything else as sent without
// its CR (":e1").
inline QStringList memoryTraffic(const QList<QByteArray>& requests) {
    QStringList out;
    for (qsizetype i = 0; i < requests.size(); ++i) {
        const QByteArray r = requests[i].chopped(requests[i].endsWith('\r') ? 1 : 0);
        if (r.startsWith(":C1") && r.size() == 7 && i + 1 < requests.size()) {
            const QString address = QString::fromLatin1(r.mid(5, 2) + r.mid(3, 2));
            const QByteArray next = requests[i + 1].chopped(1);
            if (next == ":n1") {
                out.push_back("r " + address);
                ++i;
                continue;
            }
            if (next.startsWith(":N1") && next.size() == 5) {
                out.push_back("w " + address + "=" + QString::fromLatin1(next.mid(3)));
                ++i;
                continue;
            }
        }
        out.push_back(QString::fromLatin1(r));
    }
    return out;
}

struct MountRig {
    std::shared_ptr<Sim::MotorController> sim;
    std::shared_ptr<SimRawConverser> wire;
    std::shared_ptr<FaultSwitchConverser> raw;
    std::shared_ptr<SLConverser> sl;
    std::shared_ptr<JexConverser> converser;
    std::shared_ptr<JexDevice> device;
    std::shared_ptr<EEPROMConverser> eeprom;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>(1'700'000'123'456);
    // The per-thread token the axis and the mount tasks wait on, as the object graph has it.
    std::shared_ptr<TCCancellable> tc =
        std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    std::shared_ptr<MountAxisTimeContainer> positions = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<JexMountAxis> axis;
    std::shared_ptr<MemoryKVStore> store = std::make_shared<MemoryKVStore>();
    std::shared_ptr<TAVOSettings> settings = std::make_shared<TAVOSettings>(store);
    std::shared_ptr<TAVOTaskState> taskState = std::make_shared<TAVOTaskState>();
    std::shared_ptr<ControlledCancellable> token = std::make_shared<ControlledCancellable>();
    std::shared_ptr<TokenWaitable> waitable = std::make_shared<TokenWaitable>(token);
    std::shared_ptr<TAVOSync> sync;

    explicit MountRig(const Sim::Identity& identity, Sim::Behaviour behaviour = {}) {
        Sim::SimConfig config;
        config.identity = identity;
        config.behaviour = behaviour;
        build(std::make_shared<Sim::MotorController>(config));
    }
    explicit MountRig(std::string_view preset = "3.10-08", Sim::Behaviour behaviour = {})
        : MountRig(*Sim::presetIdentity(preset), behaviour) {}
    // A new link, as a reconnect makes it, to a controller another rig talks to.
    explicit MountRig(std::shared_ptr<Sim::MotorController> controller) {
        build(std::move(controller));
    }

    void build(std::shared_ptr<Sim::MotorController> controller) {
        sim = std::move(controller);
        wire = std::make_shared<SimRawConverser>(sim);
        raw = std::make_shared<FaultSwitchConverser>(sim, wire);
        sl = std::make_shared<SLConverser>(raw);
        converser = std::make_shared<JexConverser>(sl);
        device = std::make_shared<JexDevice>(converser);
        eeprom = std::make_shared<EEPROMConverser>(converser);
        axis = std::make_shared<JexMountAxis>(
            converser, device, tc, clock, positions,
            std::make_shared<Location>(std::make_shared<MemoryKVStore>()),
            std::make_shared<NullPerMountData>());
        sync = std::make_shared<TAVOSync>(TAVOSync::D{clock, waitable, taskState, settings,
                                                      converser, device, axis, eeprom,
                                                      [w = wire] { return w->now(); }});
    }

    // Identifies the controller and prepares axis 1 without the rest of the connect sequence.
    bool initDevice() {
        return device->init(true, 1) == CmdRetType::Ok && axis->prepare() == CmdRetType::Ok;
    }
    // The link a connectable helper would hand over for this controller.
    JexConverserEtal link() const {
        return JexConverserEtal{device, converser, sl, "in-process", nullptr};
    }

    QList<QByteArray> requests() const { return requestsOf(*sim->transcript()); }
    void clearTranscript() { sim->transcript()->clear(); }
    // The requests so far as memoryTraffic writes them; the transcript starts again.
    QStringList traffic() {
        const QStringList t = memoryTraffic(requests());
        clearTranscript();
        return t;
    }
    // Fills bytes with a marker no write of the tests produces.
    void fillMarker(int address, int count) {
        for (int i = 0; i < count; ++i)
            sim->setMemoryByte(uint16_t(address + i), 0xEE);
    }
    // Parameter-memory bytes as lower-case hex pairs: "c4 09 00 00".
    QString memoryHex(int from, int count) const {
        const auto memory = sim->memory();
        QStringList out;
        for (int i = 0; i < count; ++i)
            out.push_back(QString("%1").arg(memory[from + i], 2, 16, QChar('0')));
        return out.join(' ');
    }
};

inline QString upperHex(int value, int digits) {
    return QString("%1").arg(value, digits, 16, QChar('0')).toUpper();
}

// Traffic entries for reading or writing consecutive bytes, as memoryTraffic writes them.
inline QStringList reads(int address, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.push_back("r " + upperHex(address + i, 4));
    return out;
}
inline QStringList writes(int address, const QByteArray& bytes) {
    QStringList out;
    for (int i = 0; i < bytes.size(); ++i)
        out.push_back("w " + upperHex(address + i, 4) + "=" + upperHex(uint8_t(bytes[i]), 2));
    return out;
}
inline QStringList writeU32(int address, uint32_t value) {
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.push_back(char(value >> (8 * i)));
    return writes(address, bytes);
}

} // namespace JEX::Test
