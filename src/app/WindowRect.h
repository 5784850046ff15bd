#pragma once
// The main window's saved geometry, kept under the ui.winrect.* keys and brought back
// onto a screen when it would open out of sight.

#include "IKVStore.h"

#include <QObject>
#include <QRectF>

#include <memory>

namespace JEX {

class WindowRect : public QObject {
    Q_OBJECT
public:
    explicit WindowRect(std::shared_ptr<IKVStore> store);

    // The saved rectangle (defVal's members where nothing is saved), at least 50 × 50 and at
    // most the size of the screen it is on; moved to (0, 0), on the primary screen, when no
    // more than a 10-unit strip of it would be on any screen.
    Q_INVOKABLE QRectF loadRect(const QRectF& defVal) const;
    Q_INVOKABLE void saveRect(const QRectF& val);

private:
    std::shared_ptr<IKVStore> store_;
};

} // namespace JEX
