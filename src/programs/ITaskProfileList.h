#pragma once
// The named profiles of one program page, in the user's order, and the page's unnamed
// working profile.

#include "ITaskProfile.h"

#include <QList>
#include <QObject>

namespace JEX {

class ITaskProfileList : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<QObject*> list READ list WRITE setList NOTIFY listChanged)
public:
    using QObject::QObject;

    virtual QList<QObject*> list() const = 0;
    // Keeps, in the given order, the saved profiles among the given objects.
    virtual void setList(const QList<QObject*>& list) = 0;
    // A copy of the saved profile at index, or null; the caller owns it (from QML, the
    // garbage collector).
    Q_INVOKABLE virtual JEX::ITaskProfile* load(int index) = 0;
    Q_INVOKABLE virtual void save(JEX::ITaskProfile* profile) = 0;
    // A copy of the unnamed profile; the caller owns it as with load.
    Q_INVOKABLE virtual JEX::ITaskProfile* unnamedProfile_load() = 0;
    Q_INVOKABLE virtual void unnamedProfile_save(JEX::ITaskProfile* profile) = 0;
    // Why a profile cannot be saved under the name (translated), or empty when it can.
    Q_INVOKABLE virtual QString nameRefusal(const QString& name) const = 0;

signals:
    void listChanged();
};

} // namespace JEX
