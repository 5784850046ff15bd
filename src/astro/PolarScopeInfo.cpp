#include "PolarScopeInfo.h"

#include "PolarBudget.h"

#include <cmath>

#include <QVariantMap>

#include <ctime>
#include <utility>

namespace JEX {

namespace {
// Sigma Octantis's place in the southern asterism's drawing order.
constexpr size_t kSigmaOctantis = 2;

QVariantMap entry(const QString& field, const std::string& value) {
    return {{QStringLiteral("field"), field},
            {QStringLiteral("fieldValue"), QString::fromStdString(value)}};
}
} // namespace

PolarScopeInfo::PolarScopeInfo(std::shared_ptr<IAstroCalc> calc,
                               std::shared_ptr<IAstroFormat> format,
                               std::shared_ptr<ILocation> location,
                               std::shared_ptr<IAstroClock> clock, std::shared_ptr<IKVStore> store)
    : calc_(std::move(calc)), format_(std::move(format)), location_(std::move(location)),
      clock_(std::move(clock)), precise_(store, "polar.precise", false),
      // A 50 mm lens on a sensor of 4.3 µm pixels, two minutes: a common wide-field start.
      focalLengthMm_(store, "polar.budget.focalMm", 50.0),
      pixelSizeUm_(store, "polar.budget.pixelUm", 4.3),
      exposureSec_(std::move(store), "polar.budget.exposureSec", 120.0) {
    update();
}

void PolarScopeInfo::setNorth(bool north) {
    if (north == north_)
        return;
    north_ = north;
    emit northChanged();
    update();
}

void PolarScopeInfo::setPrecise(bool precise) {
    if (!precise_.set(precise))
        return;
    emit preciseChanged();
    update();
}

void PolarScopeInfo::update() {
    const std::time_t now = static_cast<std::time_t>(clock_->unixSeconds());
    std::tm local{};
    localtime_r(&now, &local);
    const double hours = local.tm_hour + local.tm_min / 60.0;

    QVariantList list;
    list.append(entry(tr("Local longitude"), format_->longitude_00(location_->longitudeRad())));
    list.append(entry(tr("Local time"), format_->clockTime12(hours)));
    if (!north_) {
        // The clock reading of sigma Octantis, the brightest of the drawn asterism, as the
        // reticle shows it.
        const auto stars = precise_.get() ? calc_->southernStarsPrecise() : calc_->southernStars();
        list.append(entry(tr("Octans Position"),
                          stars.size() > kSigmaOctantis
                              ? format_->reticleClock(stars[kSigmaOctantis].positionAngle)
                              : std::string()));
    } else if (precise_.get())
        list.append(entry(tr("Polaris Position (precise) "),
                          format_->reticleClock(calc_->polarisPositionAnglePrecise())));
    else
        list.append(
            entry(tr("Polaris Position "), format_->reticleClock(calc_->polarisPositionAngle())));
    infoList_ = std::move(list);
    emit infoListChanged();
}

double PolarScopeInfo::budgetArcmin() const {
    return polarErrorBudgetArcmin(focalLengthMm(), pixelSizeUm(), exposureSec());
}

void PolarScopeInfo::setBudgetInput(PersistedValue<double>& input, double value) {
    if (!std::isfinite(value) || value < 0 || !input.set(value))
        return;
    emit budgetChanged();
}

} // namespace JEX
