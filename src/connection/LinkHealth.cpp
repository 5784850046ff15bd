#include "LinkHealth.h"

#include <QCoreApplication>

namespace JEX {

namespace {
// A link that loses one request in ten, or takes a quarter second to answer, is poor: a
// program start of a hundred conversations then takes half a minute or more.
constexpr int kPoorLossPercent = 10;
constexpr uint32_t kPoorMeanMs = 250;
} // namespace

LinkHealth::LinkHealth(std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers,
                       QObject* parent)
    : QObject(parent), conversers_(std::move(conversers)) {
    connect(&timer_, &QTimer::timeout, this, &LinkHealth::refresh);
    timer_.start(1000);
}

void LinkHealth::refresh() {
    const std::shared_ptr<IConverser> converser = conversers_->current();
    const bool present = converser != nullptr;
    const bool timedOut = present && converser->isTimedOut();
    const LinkStats stats = present ? converser->linkStats() : LinkStats{};
    if (present == present_ && timedOut == timedOut_ && stats == stats_)
        return;
    present_ = present;
    timedOut_ = timedOut;
    stats_ = stats;
    emit changed();
}

LinkHealth::Level LinkHealth::level() const {
    if (!present_)
        return Level::None;
    if (timedOut_)
        return Level::Lost;
    if (stats_.lostAttempts() * 100 >= stats_.attempts * kPoorLossPercent && stats_.attempts > 0)
        return Level::Poor;
    return stats_.meanMs >= kPoorMeanMs ? Level::Poor : Level::Good;
}

QString LinkHealth::summary() const {
    switch (level()) {
    case Level::None:
        return {};
    case Level::Lost:
        return QCoreApplication::translate("mount", "No reply");
    case Level::Poor:
        return QCoreApplication::translate("mount", "Poor link");
    case Level::Good:
        break;
    }
    return QCoreApplication::translate("mount", "%1 ms").arg(stats_.meanMs);
}

QString LinkHealth::details() const {
    if (!present_)
        return QCoreApplication::translate("mount", "No link");
    return QCoreApplication::translate("mount",
                                       "Last %1 exchanges: %2 without a reply, %3 of %4 requests "
                                       "lost; %5 ms on average, %6 ms at worst.")
        .arg(stats_.exchanges)
        .arg(stats_.unanswered)
        .arg(stats_.lostAttempts())
        .arg(stats_.attempts)
        .arg(stats_.meanMs)
        .arg(stats_.worstMs);
}

} // namespace JEX
