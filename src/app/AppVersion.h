#pragma once
// The application's name and version as the window title and the settings page show them.

#include <QObject>
#include <QString>

namespace JEX {

class AppVersion : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString string READ string CONSTANT)
    Q_PROPERTY(QString appName READ appName CONSTANT)
public:
    using QObject::QObject;

    QString string() const;
    // Translated in the context "mount".
    QString appName() const;
};

} // namespace JEX
