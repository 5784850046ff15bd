#include "Twilight.h"

#include "AstroMath.h"

#include <erfa.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace JEX {

namespace {

constexpr qint64 kMsPerDay = 86400000;
constexpr double kRadToDeg = 180.0 / kPi;
// Ten minutes: the Sun's altitude changes by at most 2.5° in a step, so only a dip below the
// depth shorter than a step could be missed; bisection then takes about ten halvings to 1 s.
constexpr qint64 kStepMs = 10 * 60 * 1000;
constexpr qint64 kResolutionMs = 1000;

// The Sun's CIRS place (α, δ) for the observer, with the context that turns it into an
// observed place.
struct SunPlace {
    double ri = 0.0;
    double di = 0.0;
    eraASTROM astrom{};
};

// ERFA route: eraApco13 takes UTC to TT (leap seconds through eraDat), reads the Earth's
// ephemeris (eraEpv00) and the precession-nutation and fills the observer's context; pressure
// 0 leaves out refraction. The context's heliocentric direction of the observer, reversed,
// is the Sun's topocentric geometric direction; eraAb adds annual and diurnal aberration and
// the bias-precession-nutation matrix takes it to CIRS. The Sun's own motion during the 8-minute
// light time (a hundredth of an arc-second) is left out.
std::optional<SunPlace> sunPlace(double latRad, double lonRad, qint64 unixMs) {
    const SplitJulianDate utc = splitJulianDate(unixMs);
    SunPlace place;
    double equationOfOrigins = 0.0;
    // Status +1 (a date beyond the leap-second table) still gives a usable place.
    if (eraApco13(utc.day, utc.fraction, 0.0, lonRad, latRad, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                  &place.astrom, &equationOfOrigins) < 0)
        return std::nullopt;
    double geometric[3], apparent[3], cirs[3];
    eraSxp(-1.0, place.astrom.eh, geometric);
    eraAb(geometric, place.astrom.v, place.astrom.em, place.astrom.bm1, apparent);
    eraRxp(place.astrom.bpn, apparent, cirs);
    eraC2s(cirs, &place.ri, &place.di);
    return place;
}

// The altitude of a CIRS place with the Earth rotated to the given moment (UT1 = UTC).
double observedAltitudeDeg(double ri, double di, eraASTROM astrom, qint64 unixMs) {
    const SplitJulianDate ut1 = splitJulianDate(unixMs);
    eraAper13(ut1.day, ut1.fraction, &astrom);
    double azimuth = 0.0, zenithDistance = 0.0, hourAngle = 0.0, declination = 0.0,
           rightAscension = 0.0;
    eraAtioq(ri, di, &astrom, &azimuth, &zenithDistance, &hourAngle, &declination, &rightAscension);
    return 90.0 - zenithDistance * kRadToDeg;
}

// The Sun's altitude over the days around a moment, cheap enough to step and bisect with: the
// rigorous place (some 70 µs, mostly the ephemeris and nutation) only at whole days from the
// moment, the place linearly between them (the Sun's curved path departs from a straight
// line by a few arc-seconds in a day) and the Earth's rotation exact at every sample.
class SunTrack {
public:
    SunTrack(double latRad, double lonRad, qint64 originMs)
        : latRad_(latRad), lonRad_(lonRad), originMs_(originMs) {}

    // NaN when ERFA refuses a date.
    double altitudeDeg(qint64 unixMs) {
        const qint64 offsetMs = unixMs - originMs_;
        qint64 day = offsetMs / kMsPerDay - (offsetMs % kMsPerDay < 0 ? 1 : 0);
        day = std::clamp<qint64>(day, kFirstDay, kLastDay - 1);
        const std::optional<SunPlace>& from = anchor(day);
        const std::optional<SunPlace>& to = anchor(day + 1);
        if (!from || !to)
            return std::numeric_limits<double>::quiet_NaN();
        const double f = static_cast<double>(offsetMs - day * kMsPerDay) / kMsPerDay;
        const double ri = from->ri + f * normalizeMinusPiPi(to->ri - from->ri);
        const double di = from->di + f * (to->di - from->di);
        return observedAltitudeDeg(ri, di, from->astrom, unixMs);
    }

private:
    static constexpr qint64 kFirstDay = -1;
    static constexpr qint64 kLastDay = 2;

    const std::optional<SunPlace>& anchor(qint64 day) {
        const auto i = static_cast<std::size_t>(day - kFirstDay);
        if (!computed_[i]) {
            anchors_[i] = sunPlace(latRad_, lonRad_, originMs_ + day * kMsPerDay);
            computed_[i] = true;
        }
        return anchors_[i];
    }

    double latRad_;
    double lonRad_;
    qint64 originMs_;
    std::array<std::optional<SunPlace>, kLastDay - kFirstDay + 1> anchors_;
    std::array<bool, kLastDay - kFirstDay + 1> computed_{};
};

// Steps from startMs by stepMs (either sign), at most a day, to the first moment whose
// darkness differs from that at startMs, and bisects to the crossing: the moment on the far
// side of it, within a second. 0 when there is none.
qint64 findCrossing(SunTrack& track, double depthDeg, qint64 startMs, qint64 stepMs) {
    const auto deep = [&](qint64 t) { return track.altitudeDeg(t) < -depthDeg; };
    const bool startDeep = deep(startMs);
    qint64 same = startMs;
    for (qint64 travelled = 0; travelled < kMsPerDay; travelled += std::abs(stepMs)) {
        qint64 other = same + stepMs;
        if (deep(other) == startDeep) {
            same = other;
            continue;
        }
        while (std::abs(other - same) > kResolutionMs) {
            const qint64 middle = same + (other - same) / 2;
            (deep(middle) == startDeep ? same : other) = middle;
        }
        return other;
    }
    return 0;
}

} // namespace

double sunAltitudeDeg(double latRad, double lonRad, qint64 unixMs) {
    const std::optional<SunPlace> place = sunPlace(latRad, lonRad, unixMs);
    if (!place)
        return std::numeric_limits<double>::quiet_NaN();
    return observedAltitudeDeg(place->ri, place->di, place->astrom, unixMs);
}

TwilightNight twilightNight(double latRad, double lonRad, qint64 fromMs, double depthDeg) {
    SunTrack track(latRad, lonRad, fromMs);
    TwilightNight night;
    if (track.altitudeDeg(fromMs) < -depthDeg) {
        night.duskMs = findCrossing(track, depthDeg, fromMs, -kStepMs);
        night.dawnMs = findCrossing(track, depthDeg, fromMs, kStepMs);
        return night;
    }
    // The dusk found is already dark, so the dawn search starts in the night.
    night.duskMs = findCrossing(track, depthDeg, fromMs, kStepMs);
    if (night.duskMs != 0)
        night.dawnMs = findCrossing(track, depthDeg, night.duskMs, kStepMs);
    return night;
}

} // namespace JEX
