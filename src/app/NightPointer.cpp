#include "NightPointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace JEX {

namespace {

// An arrow of the usual shape in reds alone (green and blue at most a quarter of red), with a
// darker rim that keeps it visible over the red controls. It overrides every other shape (the
// text cursor of a field included): none of the desktop's own may show at night.
QCursor redArrow() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 19.0);
    arrow.lineTo(6.0, 14.5);
    arrow.lineTo(9.5, 22.0);
    arrow.lineTo(12.5, 20.5);
    arrow.lineTo(9.0, 13.5);
    arrow.lineTo(15.0, 13.5);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x40, 0x00, 0x00), 1.5));
    painter.setBrush(QColor(0xE0, 0x18, 0x08));
    painter.drawPath(arrow);
    painter.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace

NightPointer::~NightPointer() {
    setRed(false);
}

void NightPointer::setRed(bool red) {
    if (red == red_)
        return;
    red_ = red;
    // The console's own windows only; a program without a GUI (the tests) has no pointer.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (red_)
            QGuiApplication::setOverrideCursor(redArrow());
        else
            QGuiApplication::restoreOverrideCursor();
    }
    emit redChanged();
}

} // namespace JEX
