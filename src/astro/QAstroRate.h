#pragma once
// Tracking rates between radians per second and the user's named rate times a multiple
// ({"rate": "sidereal" | "solar" | "lunar", "multiple": number}).

#include <QObject>
#include <QVariant>
#include <QVariantMap>

namespace JEX {

class QAstroRate : public QObject {
    Q_OBJECT
public:
    // The sky's apparent rotation, the Sun's and the Moon's, in radians per second.
    static constexpr double kSiderealRps = 7.292115845221407e-5;
    static constexpr double kSolarRps = 7.27220521664304e-5;
    static constexpr double kLunarRps = 7.023457754504344e-5;

    using QObject::QObject;

    // Any rate name other than "solar" or "lunar" counts as sidereal.
    Q_INVOKABLE double astroRateXToRps(const QVariantMap& arx_map) const;
    // The first named rate within 0.1 % of rps, or an empty variant when none is.
    Q_INVOKABLE QVariant rpsToAstroRateX(double rps) const;
};

} // namespace JEX
