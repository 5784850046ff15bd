#pragma once
// How the connected link is doing, for the footer and the log: over its last hundred
// conversations, the share of requests that brought no reply and how long a conversation
// took, and whether the last one went unanswered.

#include "ConnectedObjContainer.h"
#include "IConverser.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace JEX {

class LinkHealth : public QObject {
    Q_OBJECT
    Q_PROPERTY(Level level READ level NOTIFY changed)
    // A few words for the footer; empty without a link.
    Q_PROPERTY(QString summary READ summary NOTIFY changed)
    // Every figure, for the log and a tool tip.
    Q_PROPERTY(QString details READ details NOTIFY changed)
public:
    enum class Level { None, Good, Poor, Lost };
    Q_ENUM(Level)

    explicit LinkHealth(std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers,
                        QObject* parent = nullptr);

    // Reads the current link's figures again; a timer does so every second.
    Q_INVOKABLE void refresh();

    Level level() const;
    QString summary() const;
    QString details() const;

signals:
    void changed();

private:
    std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers_;
    bool present_ = false;
    bool timedOut_ = false;
    LinkStats stats_;
    QTimer timer_;
};

} // namespace JEX
