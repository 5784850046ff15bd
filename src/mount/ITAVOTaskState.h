#pragma once
// The console's latest knowledge of the mount's program: the last status reading and the
// last program read from or written to the mount, and whether a program is running.

#include "Nullable.h"
#include "TAVOParams.h"

#include <QObject>
#include <QVariant>

namespace JEX {

// Written from worker threads, read from the GUI thread; valueChanged reaches QML queued.
class ITAVOTaskState : public QObject {
    Q_OBJECT
    // A TAVOStatus, or invalid before the first reading.
    Q_PROPERTY(QVariant status READ status_q NOTIFY valueChanged)
    // The TAVOParamSet of the last program, or invalid.
    Q_PROPERTY(QVariant paramSet READ paramSet_q NOTIFY valueChanged)
    // The whole ReadTAVOParamSet, or invalid.
    Q_PROPERTY(QVariant readParamSet READ readParamSet_q NOTIFY valueChanged)
    // A bool, or invalid when it cannot be told.
    Q_PROPERTY(QVariant isRunningTask READ isRunningTask_q NOTIFY valueChanged)
public:
    using QObject::QObject;

    virtual Nullable<TAVOStatus> status() const = 0;
    virtual QVariant status_q() const = 0;
    virtual Nullable<ReadTAVOParamSet> readParamSet() const = 0;
    virtual QVariant readParamSet_q() const = 0;
    virtual QVariant paramSet_q() const = 0;
    virtual void setStatus(const TAVOStatus& status) = 0;
    virtual void setReadParamSet(const ReadTAVOParamSet& readParamSet) = 0;
    virtual Nullable<bool> isRunningTask() const = 0;
    virtual QVariant isRunningTask_q() const = 0;

signals:
    void valueChanged();
};

} // namespace JEX
