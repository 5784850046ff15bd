#pragma once
// The connection dialog's model over the connectable helper: searches and connects through
// it, turns an opened link into the mount object, and disconnects on request.

#include "ConnectedObjContainer.h"
#include "IConnectable.h"
#include "IConnectableHelper.h"
#include "IConverser.h"
#include "ITAVOFactory.h"
#include "TAVOContainer.h"
#include "TryConnectSession.h"

#include <memory>

namespace JEX {

class TAVOConnectable : public IConnectable {
    Q_OBJECT
public:
    struct D {
        std::shared_ptr<IConnectableHelper> helper;
        std::shared_ptr<TAVOContainer> container;
        std::shared_ptr<ITAVOFactory> factory;
        std::shared_ptr<TryConnectSession> session;
        // May be null: the link's converser is then followed by no one.
        std::shared_ptr<ConnectedObjContainer_<IConverser>> converserContainer;
    };

    explicit TAVOConnectable(D d, QObject* parent = nullptr);
    ~TAVOConnectable() override;

    // The mount models this console drives: board ids 8 and 10.
    static bool acceptsMountModel(uint8_t boardId);

    ConnectableState_::E state() const override;
    bool busy() const override;
    QString statusText() const override;
    QString statusDetailText() const override;
    QVariant devicesList() const override;
    QString nextActionText() const override;
    QString connectedEndpoint() const override;
    // The firmware of the mount connected last ("3.10.08"), empty before the first.
    QString firmwareText() const;
    void startSession(SessionRequest request) override;
    Q_INVOKABLE void startSession() override;
    void startQuietSession() override;
    void reconnect(std::function<void(ReconnectOutcome)> done) override;
    bool canReconnect() const override;
    Q_INVOKABLE void startNextAction() override;
    Q_INVOKABLE void selectDevice(int deviceIndex) override;
    Q_INVOKABLE void cancelSession() override;

private:
    // Everything the helper's callbacks and the connect and disconnect threads use; they
    // hold it, so that this object may go while they still run.
    struct Core;
    std::shared_ptr<Core> core_;
};

} // namespace JEX
