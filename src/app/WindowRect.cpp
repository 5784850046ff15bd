#include "WindowRect.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace JEX {

namespace {
constexpr const char* kX = "ui.winrect.x";
constexpr const char* kY = "ui.winrect.y";
constexpr const char* kWidth = "ui.winrect.width";
constexpr const char* kHeight = "ui.winrect.height";
constexpr double kMinSize = 50.0;
constexpr double kMargin = 10.0;
} // namespace

WindowRect::WindowRect(std::shared_ptr<IKVStore> store) : store_(std::move(store)) {}

QRectF WindowRect::loadRect(const QRectF& defVal) const {
    QRectF r = defVal;
    if (store_)
        r = QRectF(store_->getDouble(kX, defVal.x()), store_->getDouble(kY, defVal.y()),
                   store_->getDouble(kWidth, defVal.width()),
                   store_->getDouble(kHeight, defVal.height()));
    r.setWidth(std::max(r.width(), kMinSize));
    r.setHeight(std::max(r.height(), kMinSize));

    // Never larger than the screen it opens on (a stored 1e9-pixel width included).
    const auto fit = [&r](const QScreen* screen) {
        if (!screen)
            return;
        const QRectF bounds(screen->geometry());
        r.setWidth(std::clamp(r.width(), kMinSize, std::max(kMinSize, bounds.width())));
        r.setHeight(std::clamp(r.height(), kMinSize, std::max(kMinSize, bounds.height())));
    };
    // What must be on a screen for the window to count as in view.
    const auto probe = [](const QRectF& w) {
        return QRectF(w.x() + kMargin, w.y() + kMargin, std::max(0.0, w.width() - 2 * kMargin),
                      std::max(0.0, w.height() - 2 * kMargin));
    };
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRectF bounds(screen->geometry());
        if (!probe(r).intersects(bounds))
            continue;
        fit(screen);
        // Cut to the screen's size, a window that reached far beyond it may now lie beside
        // it (saved across two stacked monitors, one since removed): it moves onto it.
        if (!probe(r).intersects(bounds))
            r.moveTo(std::clamp(r.x(), bounds.left(), bounds.x() + bounds.width() - r.width()),
                     std::clamp(r.y(), bounds.top(), bounds.y() + bounds.height() - r.height()));
        return r;
    }
    r.moveTo(0.0, 0.0);
    fit(QGuiApplication::primaryScreen());
    return r;
}

void WindowRect::saveRect(const QRectF& val) {
    if (!store_)
        return;
    store_->setDouble(kX, val.x());
    store_->setDouble(kY, val.y());
    store_->setDouble(kWidth, val.width());
    store_->setDouble(kHeight, val.height());
}

} // namespace JEX
