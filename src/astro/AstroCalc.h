#pragma once
// The sky geometry of IAstroCalc from the observer's location and the astro clock; every
// call reads both afresh.

#include "IAstroCalc.h"
#include "IAstroClock.h"
#include "ILocation.h"

#include <memory>

namespace JEX {

class AstroCalc : public IAstroCalc {
public:
    AstroCalc(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroClock> clock);

    double gmst() const override;
    double lst() const override;
    HorizontalCoord equatorialToHorizontal(EquatorialCoord hourAngleDec) const override;
    EquatorialCoord horizontalToEquatorial(HorizontalCoord azAlt) const override;
    double altitudeOf(EquatorialCoord hourAngleDec) const override;

    StagedCoord convertAt(const StagedCoord& from, int32_t toStage,
                          double julianDate) const override;
    StagedCoord convertAfter(const StagedCoord& from, int32_t toStage,
                             int64_t offsetMs) const override;
    StagedCoord convertNow(const StagedCoord& from, int32_t toStage) const override;
    CoordStages allStages(const StagedCoord& from, int64_t offsetMs) const override;
    StagedCoord stage(const CoordStages& stages, int32_t index) const override;

    double polarisPositionAngle() const override;
    double polarisHourAngle() const override;
    std::vector<ReticleStar> southernStars() const override;
    double polarisPositionAnglePrecise() const override;
    std::vector<ReticleStar> southernStarsPrecise() const override;

private:
    CoordStages stagesAt(const StagedCoord& from, double julianDate) const;

    std::shared_ptr<ILocation> location_;
    std::shared_ptr<IAstroClock> clock_;
};

// The formulas behind AstroCalc, at an explicit Julian date, longitude (west positive) and
// latitude.
namespace AstroFormulas {

double gmstHours(double julianDate);
double gmst(double julianDate);
double lst(double julianDate, double longitude);
double hourAngle(double julianDate, double longitude, double rightAscension);
double yearsSinceJ2000(double julianDate);
EquatorialCoord precessed(EquatorialCoord j2000, double years);
// Inverse of precessed, found by iteration.
EquatorialCoord unprecessed(EquatorialCoord ofDate, double years);
HorizontalCoord equatorialToHorizontal(EquatorialCoord hourAngleDec, double latitude);
EquatorialCoord horizontalToEquatorial(HorizontalCoord azAlt, double latitude);
double altitudeOf(EquatorialCoord hourAngleDec, double latitude);
// Refraction in arcminutes at an apparent altitude in degrees.
double refractionArcmin(double apparentAltitudeDeg, double altitudeMeter,
                        double temperatureCelsius);
double trueFromApparentAltitude(double apparentAltitude, double altitudeMeter,
                                double temperatureCelsius);
double apparentFromTrueAltitude(double trueAltitude, double altitudeMeter,
                                double temperatureCelsius);
// Where a star at an hour angle is drawn on each reticle, clockwise from the top: the
// scope shows the sky turned half round, and the southern reticle is seen mirrored.
double northernReticleAngle(double hourAngle);
double southernReticleAngle(double hourAngle);

} // namespace AstroFormulas

} // namespace JEX
