#include "EnterActivates.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace JEX {

EnterActivates::EnterActivates(QObject* application) {
    if (application)
        application->installEventFilter(this);
}

bool EnterActivates::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // With a modifier the key means something else (a shortcut); keypad Enter is Enter.
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Every button kind of Qt Quick Controls derives from this class; a button's own handler
    // of Return (if any) is left to it.
    if (!watched->inherits("QQuickAbstractButton"))
        return false;
    QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                    key->isAutoRepeat(), 1);
    QCoreApplication::sendEvent(watched, &space);
    return true;
}

} // namespace JEX
