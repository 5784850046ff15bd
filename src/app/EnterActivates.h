#pragma once
// Enter and Return press the focused button, check box or switch, as Space does: a desktop
// user expects both keys to act on what has the focus.

#include <QObject>

namespace JEX {

class EnterActivates : public QObject {
    Q_OBJECT
public:
    // Watches every key that reaches an item of the application's windows.
    explicit EnterActivates(QObject* application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace JEX
