#include "TAVOConnectable.h"

#include "DetachedThread.h"
#include "LiveGuard.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <optional>

namespace JEX {

using State = ConnectableState_::E;

struct TAVOConnectable::Core : std::enable_shared_from_this<Core> {
    explicit Core(D deps, TAVOConnectable* owner)
        : d(std::move(deps)), guard(std::make_shared<LiveGuard<TAVOConnectable>>(owner)) {}

    const D d;
    const std::shared_ptr<LiveGuard<TAVOConnectable>> guard;
    // The GUI thread reads these while the helper's and the disconnect thread set them.
    mutable std::mutex mutex;
    State state = State::NotShown;
    QString detail;
    std::optional<SessionRequest> request;
    // What the background work reported last: a dialog reopened while it runs shows that.
    State background = State::Searching;
    QString backgroundDetail;
    // One link build and one disconnect at a time: there is never more than one mount object.
    bool building = false;
    bool disconnecting = false;
    // The endpoint of the link the connected mount came over.
    QString endpoint;
    // A quiet session has not been shown yet: the dialog opens only when a state needs the
    // user (a choice, a failure) or the user asks for it.
    bool quiet = false;
    // The mount connected last and the endpoint it came over, for a reconnect.
    std::optional<MountIdentity> identity;
    std::string identityEndpoint;
    // A reconnect runs: the helper's reports are not the dialog's.
    std::function<void(ReconnectOutcome)> reconnectDone;

    bool reconnecting() const {
        std::lock_guard lock(mutex);
        return bool(reconnectDone);
    }

    void finishReconnect(ReconnectOutcome outcome) {
        std::function<void(ReconnectOutcome)> done;
        {
            std::lock_guard lock(mutex);
            done = std::exchange(reconnectDone, nullptr);
        }
        if (done)
            done(outcome);
    }

    // A mount renamed by the console (a Wi-Fi change) comes back under its new name.
    void noteDeviceName(const std::string& name) {
        std::lock_guard lock(mutex);
        if (!identity || name.empty())
            return;
        std::vector<std::string>& names = identity->deviceNames;
        if (std::find(names.begin(), names.end(), name) != names.end())
            return;
        if (names.size() > 1)
            names.pop_back();
        names.push_back(name);
    }

    // A search, connect or link build still runs; new ones are not started meanwhile.
    bool inFlight() const {
        {
            std::lock_guard lock(mutex);
            if (building)
                return true;
        }
        return d.helper->busy();
    }

    void setBackgroundState(State next, const QString& nextDetail) {
        {
            std::lock_guard lock(mutex);
            background = next;
            backgroundDetail = nextDetail;
        }
        setState(next, nextDetail);
    }

    bool connected() const { return d.container->get() != nullptr; }

    // The dialog is open (or a quiet session waits to open it).
    bool shown() const {
        std::lock_guard lock(mutex);
        return state != State::NotShown;
    }

    template <typename F> void emitOn(F&& f) { guard->with(std::forward<F>(f)); }

    void setState(State next, const QString& nextDetail) {
        bool started = false;
        bool done = false;
        std::optional<SessionRequest> finished;
        {
            std::lock_guard lock(mutex);
            if (next == state)
                return;
            if (quiet && (next == State::SearchListPopulated || next == State::Failed)) {
                quiet = false;
                started = true;
            } else {
                started = state == State::NotShown && !quiet;
            }
            state = next;
            detail = nextDetail;
            if (next == State::NotShown) {
                done = true;
                quiet = false;
                finished = std::exchange(request, std::nullopt);
            }
        }
        if (started)
            emitOn([](TAVOConnectable& c) { emit c.sessionStarted(); });
        if (done) {
            emitOn([](TAVOConnectable& c) { emit c.sessionDone(); });
            if (finished && finished->done)
                finished->done(connected());
        }
        emitOn([](TAVOConnectable& c) { emit c.statusChanged(); });
    }

    void startSearch() {
        if (inFlight()) {
            // The dialog was closed while the work went on: show it again as it stands.
            State last;
            QString lastDetail;
            {
                std::lock_guard lock(mutex);
                last = background;
                lastDetail = backgroundDetail;
            }
            setState(last, lastDetail);
            return;
        }
        takeHelperLinks();
        d.helper->startConnect();
    }

    void takeHelperLinks() {
        d.helper->setDeviceFilter(&TAVOConnectable::acceptsMountModel);
        // Held weakly by the helper, which this object holds; the handler takes a strong
        // hold for as long as it runs.
        std::weak_ptr<Core> weak = weak_from_this();
        d.helper->setOnConnected([weak](const JexConverserEtal& link) {
            if (const auto core = weak.lock())
                core->linkOpened(link);
        });
    }

    void reconnect(std::function<void(ReconnectOutcome)> done) {
        std::string endpointToOpen;
        {
            std::lock_guard lock(mutex);
            const bool possible = identity && !identityEndpoint.empty() && !reconnectDone &&
                                  !building && !d.container->get();
            if (possible) {
                reconnectDone = std::move(done);
                endpointToOpen = identityEndpoint;
                // What a dialog opened meanwhile shows.
                background = State::Connecting;
                backgroundDetail.clear();
            }
        }
        if (endpointToOpen.empty()) {
            if (done)
                done(ReconnectOutcome::Failed);
            return;
        }
        if (d.helper->busy()) {
            finishReconnect(ReconnectOutcome::Failed);
            return;
        }
        takeHelperLinks();
        d.helper->reopen(endpointToOpen);
    }

    void linkOpened(const JexConverserEtal& link) {
        {
            std::lock_guard lock(mutex);
            if (building || d.container->get()) {
                log("TAVOConnectable: a mount is connected or being connected, link dropped");
                return;
            }
            building = true;
        }
        struct Built {
            Core& core;
            ~Built() {
                std::lock_guard lock(core.mutex);
                core.building = false;
            }
        } built{*this};
        std::optional<MountIdentity> expected;
        {
            std::lock_guard lock(mutex);
            if (reconnectDone)
                expected = identity;
        }
        if (d.converserContainer)
            d.converserContainer->setPending(link.slConverser);
        if (!expected)
            setBackgroundState(State::Connecting, QString());
        std::shared_ptr<ITAVO> tavo = d.factory->create(link.converser, link.device);
        if (const QCoreApplication* app = QCoreApplication::instance())
            tavo->moveToThread(app->thread());
        const CmdRet result = tavo->syncOnConnect(expected ? &*expected : nullptr);
        if (result.type != CmdRetType::Ok) {
            log("TAVOConnectable: the mount did not take the connection: %s",
                qUtf8Printable(cmdRetTypeText(result.type)));
            const bool otherMount =
                expected && result.type == CmdRetType::Other && link.device->isInitialised() &&
                !expected->matches(link.device->firmware(0), tavo->deviceName().toStdString());
            tavo.reset();
            d.session->fire(false);
            if (expected)
                finishReconnect(otherMount ? ReconnectOutcome::OtherMount
                                           : ReconnectOutcome::Failed);
            // A dialog the user opened while a reconnect ran says how it ended.
            if (!expected || shown())
                setBackgroundState(State::Failed, cmdRetTypeText(result.type));
            return;
        }
        {
            std::lock_guard lock(mutex);
            endpoint = QString::fromStdString(link.endpoint);
            identityEndpoint = link.endpoint;
            std::vector<std::string> names{tavo->deviceName().toStdString()};
            if (expected && expected->firmware == link.device->firmware(0))
                for (const std::string& name : expected->deviceNames)
                    if (name != names.front())
                        names.push_back(name);
            identity = MountIdentity{link.device->firmware(0), std::move(names)};
        }
        std::weak_ptr<Core> weak = weak_from_this();
        QObject::connect(tavo.get(), &ITAVO::propertyChanged, tavo.get(), [weak, raw = tavo.get()] {
            if (const auto core = weak.lock())
                core->noteDeviceName(raw->deviceName().toStdString());
        });
        d.container->set(std::move(tavo));
        d.session->fire(true);
        if (expected)
            finishReconnect(ReconnectOutcome::Connected);
        setState(State::NotShown, QString());
    }

    void disconnect() {
        if (std::shared_ptr<ITAVO> tavo = d.container->get())
            tavo->prepareDisconnect();
        d.container->set(nullptr);
        d.session->fire(false);
        {
            std::lock_guard lock(mutex);
            disconnecting = false;
        }
        setState(State::NotShown, QString());
    }

    void helperReported(const IConnectableHelper::Status& status) {
        if (reconnecting()) {
            if (status.kind != IConnectableHelper::Status::Failed)
                return;
            finishReconnect(ReconnectOutcome::Failed);
            if (!shown())
                return;
        }
        State next = State::Searching;
        switch (status.kind) {
        case IConnectableHelper::Status::SearchListPopulated:
            next = State::SearchListPopulated;
            break;
        case IConnectableHelper::Status::Connecting:
            next = State::Connecting;
            break;
        case IConnectableHelper::Status::Failed:
            next = State::Failed;
            break;
        default:
            break;
        }
        setBackgroundState(next, QString::fromStdString(status.detail));
    }
};

TAVOConnectable::TAVOConnectable(D d, QObject* parent)
    : IConnectable(parent), core_(std::make_shared<Core>(std::move(d), this)) {
    std::weak_ptr<Core> weak = core_;
    core_->d.helper->statusList.append([weak](const IConnectableHelper::Status& status) {
        if (const auto core = weak.lock())
            core->helperReported(status);
    });
    core_->d.helper->devicesListChangedList.append([weak] {
        if (const auto core = weak.lock())
            core->emitOn([](TAVOConnectable& c) { emit c.devicesListChanged(); });
    });
}

TAVOConnectable::~TAVOConnectable() {
    core_->guard->reset();
}

bool TAVOConnectable::acceptsMountModel(uint8_t boardId) {
    return boardId == 0x08 || boardId == 0x0A;
}

ConnectableState_::E TAVOConnectable::state() const {
    std::lock_guard lock(core_->mutex);
    return core_->state;
}

bool TAVOConnectable::busy() const {
    const State s = state();
    return s == State::Searching || s == State::Connecting || s == State::Disconnecting;
}

QString TAVOConnectable::statusText() const {
    switch (state()) {
    case State::Searching:
        return QCoreApplication::translate("mount", "Searching");
    case State::SearchListPopulated:
        return QCoreApplication::translate("mount", "Search finished");
    case State::Connecting:
        return QCoreApplication::translate("mount", "Connecting");
    case State::Failed:
        return QCoreApplication::translate("mount", "Cannot Connect");
    case State::Connected:
        return QCoreApplication::translate("mount", "Connected");
    case State::Disconnecting:
        return QCoreApplication::translate("mount", "Disconnecting");
    case State::NotShown:
        break;
    }
    return QString();
}

QString TAVOConnectable::connectedEndpoint() const {
    if (!core_->connected())
        return {};
    std::lock_guard lock(core_->mutex);
    return core_->endpoint;
}

QString TAVOConnectable::firmwareText() const {
    std::lock_guard lock(core_->mutex);
    return core_->identity ? QString::fromStdString(core_->identity->firmware.text()) : QString();
}

QString TAVOConnectable::statusDetailText() const {
    std::lock_guard lock(core_->mutex);
    return core_->detail;
}

QVariant TAVOConnectable::devicesList() const {
    return core_->d.helper->devicesList();
}

QString TAVOConnectable::nextActionText() const {
    return core_->connected() ? QCoreApplication::translate("mount", "Disconnect")
                              : QCoreApplication::translate("mount", "Connect");
}

void TAVOConnectable::startSession(SessionRequest request) {
    {
        std::lock_guard lock(core_->mutex);
        core_->request = std::move(request);
    }
    if (!core_->connected()) {
        startSession();
        return;
    }
    std::optional<SessionRequest> finished;
    {
        std::lock_guard lock(core_->mutex);
        finished = std::exchange(core_->request, std::nullopt);
    }
    if (finished && finished->done)
        finished->done(true);
}

void TAVOConnectable::startSession() {
    bool show = false;
    {
        std::lock_guard lock(core_->mutex);
        show = std::exchange(core_->quiet, false) && core_->state != State::NotShown;
    }
    if (show) {
        emit sessionStarted();
        emit statusChanged();
        return;
    }
    if (core_->connected())
        core_->setState(State::Connected, QString());
    else
        core_->startSearch();
}

void TAVOConnectable::startQuietSession() {
    if (core_->connected())
        return;
    {
        std::lock_guard lock(core_->mutex);
        if (core_->state != State::NotShown)
            return;
        core_->quiet = true;
    }
    core_->startSearch();
}

void TAVOConnectable::reconnect(std::function<void(ReconnectOutcome)> done) {
    core_->reconnect(std::move(done));
}

bool TAVOConnectable::canReconnect() const {
    std::lock_guard lock(core_->mutex);
    return core_->identity.has_value();
}

void TAVOConnectable::startNextAction() {
    if (!core_->connected()) {
        core_->startSearch();
        return;
    }
    {
        std::lock_guard lock(core_->mutex);
        if (std::exchange(core_->disconnecting, true))
            return;
    }
    core_->setState(State::Disconnecting, QString());
    if (!startDetached([core = core_] { core->disconnect(); }, "TAVOConnectable"))
        core_->disconnect();
}

void TAVOConnectable::selectDevice(int deviceIndex) {
    if (!core_->connected() && !core_->inFlight())
        core_->d.helper->selectDevice(deviceIndex);
}

void TAVOConnectable::cancelSession() {
    core_->setState(State::NotShown, QString());
}

} // namespace JEX
