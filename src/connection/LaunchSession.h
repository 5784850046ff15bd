#pragma once
// What the console does about a mount when it starts: connects on its own when the user asked
// for that (or the run is bound to the demo mount), remembers the mount it last reached, and
// until one was ever reached says how to find one.

#include "IConnectable.h"
#include "IConnectionSettings.h"
#include "ITAVOConnector.h"

#include <QObject>
#include <QString>

#include <memory>

namespace JEX {

class LaunchSession : public QObject {
    Q_OBJECT
    // How to reach a mount, while none was ever connected and none is now; empty otherwise.
    Q_PROPERTY(QString hint READ hint NOTIFY hintChanged)
public:
    struct D {
        std::shared_ptr<IConnectionSettings> settings;
        std::shared_ptr<IConnectable> connectable;
        std::shared_ptr<ITAVOConnector> connector;
        // The run is bound to the demo mount: it connects at launch, and it is not the mount
        // this console is set up for, so it is not remembered.
        bool demoRun = false;
    };

    explicit LaunchSession(D d, QObject* parent = nullptr);

    // Called once the window is up, so that a dialog the session needs has somewhere to open.
    void start();
    QString hint() const;

signals:
    void hintChanged();

private:
    void connectorChanged();

    const D d_;
};

} // namespace JEX
