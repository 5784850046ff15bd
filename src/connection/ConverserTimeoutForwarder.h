#pragma once
// Offers QML whether the current link's converser has timed out, following the converser
// from one connection to the next.

#include "ConnectedObjContainer.h"
#include "IConverser.h"
#include "LiveGuard.h"

#include <QObject>

#include <memory>

namespace JEX {

class ConverserTimeoutForwarder : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool timedout READ timedout NOTIFY timedoutChanged_q)
public:
    explicit ConverserTimeoutForwarder(
        std::shared_ptr<ConnectedObjContainer_<IConverser>> container, QObject* parent = nullptr);
    ~ConverserTimeoutForwarder() override;

    // The current converser's timed-out flag; false without a connection.
    bool timedout() const;

signals:
    void timedoutChanged_q();

private:
    std::shared_ptr<ConnectedObjContainer_<IConverser>> container_;
    // The converser's and the container's lists keep their callbacks after this object.
    std::shared_ptr<LiveGuard<ConverserTimeoutForwarder>> guard_;
};

} // namespace JEX
