#pragma once
// Opens the platform's location settings. The desktop has none to open: permission and the
// service always count as given.

#include <QObject>

namespace JEX {

class OpenLocationSetting : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isPermission READ isPermission CONSTANT)
    Q_PROPERTY(bool enable READ enable CONSTANT)
public:
    Q_INVOKABLE void open() {}
    bool isPermission() const { return true; }
    bool enable() const { return true; }
};

} // namespace JEX
