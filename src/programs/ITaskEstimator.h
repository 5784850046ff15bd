#pragma once
// Progress of the running program for the progress dialog and the pages.

#include "Nullable.h"
#include "TaskProgressInfo.h"

#include <QObject>
#include <QVariant>

namespace JEX {

class ITaskEstimator : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Empty when no program has been read from or written to the mount.
    virtual Nullable<TaskProgressInfo> estimate() const = 0;
    // A TaskProgressInfo, or an invalid variant.
    Q_INVOKABLE virtual QVariant estimate_q() const = 0;
};

} // namespace JEX
