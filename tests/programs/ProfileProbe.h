#pragma once
// Task profiles by kind name, set and compared through their properties as QML sees them.

#include "ITaskProfile.h"
#include "TaskProfile_AP.h"
#include "TaskProfile_ATL.h"
#include "TaskProfile_RegLong.h"

#include <QMetaProperty>
#include <QStringList>

#include <memory>

namespace JEX::Test {

// "ap", "atl", "reg" or "long".
inline std::unique_ptr<ITaskProfile> makeProfile(const QString& kind,
                                                 std::shared_ptr<ILocation> location = {}) {
    if (kind == "ap")
        return std::make_unique<TaskProfile_AP>(location);
    if (kind == "atl")
        return std::make_unique<TaskProfile_ATL>(location);
    return std::make_unique<TaskProfile_RegLong>(kind == "reg");
}

// Sets "name=value" properties, separated by spaces, in order; the failures, named.
inline QString setAll(QObject& profile, const QString& settings) {
    QStringList failed;
    for (const QString& s : settings.split(' ', Qt::SkipEmptyParts))
        if (!profile.setProperty(qPrintable(s.section('=', 0, 0)), s.section('=', 1)))
            failed << s;
    return failed.join(", ");
}

// Every property that differs, with both values.
inline QString differences(const QObject& a, const QObject& b) {
    QStringList out;
    const QMetaObject* meta = a.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.read(&a) != p.read(&b))
            out << QString("%1: %2 vs %3")
                       .arg(p.name(), p.read(&a).toString(), p.read(&b).toString());
    }
    return out.join("; ");
}

} // namespace JEX::Test
