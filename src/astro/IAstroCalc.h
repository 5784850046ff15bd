#pragma once
// Sidereal time, coordinate conversions and the polar-scope reference stars at the clock's
// time and the observer's location. Angles in radians, longitude west positive.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace JEX {

// (right ascension or hour angle, declination)
using EquatorialCoord = std::pair<double, double>;
// (azimuth from north through east, altitude)
using HorizontalCoord = std::pair<double, double>;

// How far a coordinate has been carried from the catalogue towards what the observer sees.
namespace CoordStage {
inline constexpr int32_t Catalogue = 0;          // (α, δ), J2000 mean place
inline constexpr int32_t OfDate = 1;             // (α, δ), precessed to the date
inline constexpr int32_t HourAngle = 2;          // (H in [0, 2π), δ)
inline constexpr int32_t TrueHorizontal = 3;     // (A, h)
inline constexpr int32_t ApparentHorizontal = 4; // (A, h raised by refraction)
inline constexpr int32_t ApparentEquatorial = 5; // (H in [0, 2π), δ) of the apparent place
inline constexpr int32_t Count = 6;
} // namespace CoordStage

struct StagedCoord {
    int32_t stage = CoordStage::Catalogue;
    std::pair<double, double> value{0.0, 0.0};

    bool operator==(const StagedCoord&) const = default;
};

// One coordinate at every stage that could be reached from the input.
class CoordStages {
public:
    bool has(int32_t stage) const {
        return stage >= 0 && stage < CoordStage::Count && stages_[stage].has_value();
    }
    // Throws std::logic_error "Read null Nullable" for a stage that was not computed.
    StagedCoord at(int32_t stage) const {
        if (!has(stage))
            throw std::logic_error("Read null Nullable");
        return StagedCoord{stage, *stages_[stage]};
    }
    void set(int32_t stage, std::pair<double, double> value) { stages_.at(stage) = value; }

private:
    std::array<std::optional<std::pair<double, double>>, CoordStage::Count> stages_;
};

// One southern reference star as the southern reticle draws it.
struct ReticleStar {
    double positionAngle = 0.0; // unnormalised
    double polarDistance = 0.0; // from the south celestial pole
};

class IAstroCalc {
public:
    virtual ~IAstroCalc() = default;

    // Greenwich mean sidereal time; negative before the J2000 epoch's sidereal zero.
    virtual double gmst() const = 0;
    // Local sidereal time in [0, 2π).
    virtual double lst() const = 0;
    virtual HorizontalCoord equatorialToHorizontal(EquatorialCoord hourAngleDec) const = 0;
    // The hour angle comes back in [-π, π).
    virtual EquatorialCoord horizontalToEquatorial(HorizontalCoord azAlt) const = 0;
    virtual double altitudeOf(EquatorialCoord hourAngleDec) const = 0;

    // The staged converter: carry a coordinate to another stage at a Julian date, at an
    // offset from now, or now; all stages at an offset from now; one stage of a result.
    // An input or requested stage outside 0..5 has no value: reading it throws
    // std::logic_error "Read null Nullable".
    virtual StagedCoord convertAt(const StagedCoord& from, int32_t toStage,
                                  double julianDate) const = 0;
    virtual StagedCoord convertAfter(const StagedCoord& from, int32_t toStage,
                                     int64_t offsetMs) const = 0;
    virtual StagedCoord convertNow(const StagedCoord& from, int32_t toStage) const = 0;
    virtual CoordStages allStages(const StagedCoord& from, int64_t offsetMs) const = 0;
    virtual StagedCoord stage(const CoordStages& stages, int32_t index) const = 0;

    // Where Polaris sits on the northern reticle: π minus its hour angle, unnormalised.
    virtual double polarisPositionAngle() const = 0;
    // Polaris's hour angle in [-π, π).
    virtual double polarisHourAngle() const = 0;
    // The four southern reference stars, in their fixed order.
    virtual std::vector<ReticleStar> southernStars() const = 0;

    // The same two readings from each star's rigorous apparent place for the observer
    // (IAU 2006/2000A precession-nutation, proper motion, aberration, light deflection) in
    // place of the linear precession above, which falls behind by several dial minutes
    // within decades.
    virtual double polarisPositionAnglePrecise() const = 0;
    virtual std::vector<ReticleStar> southernStarsPrecise() const = 0;
};

} // namespace JEX
