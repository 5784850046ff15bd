#include "QAstroRate.h"

#include <QString>

#include <cmath>
#include <vector>

namespace JEX {

namespace {

constexpr double kSiderealRps = QAstroRate::kSiderealRps;
constexpr double kSolarRps = QAstroRate::kSolarRps;
constexpr double kLunarRps = QAstroRate::kLunarRps;

struct NamedRate {
    const char* name;
    double multiple;
    double rps;
};

// In search order: the first entry within tolerance wins.
const std::vector<NamedRate>& namedRates() {
    static const std::vector<NamedRate> table = [] {
        std::vector<NamedRate> t;
        for (double m : {0.0,  0.125, 0.25, 0.5,  0.75, 1.0,  2.0,  4.0,  6.0,  8.0,
                         12.0, 24.0,  45.0, 48.0, 51.0, 55.0, 60.0, 64.0, 72.0, 96.0})
            t.push_back({"sidereal", m, kSiderealRps * m});
        for (double m : {1.0, 6.0, 12.0, 45.0})
            t.push_back({"solar", m, kSolarRps * m});
        t.push_back({"lunar", 1.0, kLunarRps});
        return t;
    }();
    return table;
}

} // namespace

double QAstroRate::astroRateXToRps(const QVariantMap& arx_map) const {
    const QString rate = arx_map.value(QStringLiteral("rate")).toString();
    const double multiple = arx_map.value(QStringLiteral("multiple")).toDouble();
    double base = kSiderealRps;
    if (rate == QLatin1String("solar"))
        base = kSolarRps;
    else if (rate == QLatin1String("lunar"))
        base = kLunarRps;
    return base * multiple;
}

QVariant QAstroRate::rpsToAstroRateX(double rps) const {
    for (const NamedRate& r : namedRates()) {
        if (std::abs(r.rps - rps) <= 0.001 * r.rps)
            return QVariantMap{{QStringLiteral("rate"), QString::fromLatin1(r.name)},
                               {QStringLiteral("multiple"), r.multiple}};
    }
    return {};
}

} // namespace JEX
