#pragma once
// When the darkest hours of a night begin and end at a place: the Sun's altitude from the IAU's
// standard routines (ERFA) and the times at which its centre crosses a chosen depth.

#include <QtGlobal>

namespace JEX {

// The Sun's centre crossing a depth below the horizon (no refraction): when a night that
// dark begins and ends at a place.
struct TwilightNight {
    // Unix ms of the evening crossing (dusk) and of the following morning crossing (dawn);
    // both 0 when the Sun does not get that deep below the horizon in this night.
    qint64 duskMs = 0;
    qint64 dawnMs = 0;
    bool reached() const { return duskMs != 0 && dawnMs != 0; }
};

// The Sun's geometric altitude of its centre, in degrees, at the place (latitude and
// east-positive longitude in radians) and time (UTC, Unix ms): ERFA's Earth ephemeris and
// observed-place routines, no refraction, UT1 = UTC, no polar motion. NaN for a moment outside
// ERFA's calendar.
double sunAltitudeDeg(double latRad, double lonRad, qint64 unixMs);

// The night at or after fromMs: when the Sun is already deeper than depthDeg at fromMs, the
// night under way (its dusk before fromMs); otherwise the next one (the first dusk after
// fromMs, then the dawn after it). Crossings found to better than a few seconds. A night
// whose Sun never reaches the depth within 24 h of fromMs has duskMs = dawnMs = 0.
// Near a pole, where the Sun can stay deeper for more than a day, a crossing more than 24 h
// from fromMs (dusk) or from the dusk (dawn) is not searched for and stays 0.
TwilightNight twilightNight(double latRad, double lonRad, qint64 fromMs, double depthDeg);

} // namespace JEX
