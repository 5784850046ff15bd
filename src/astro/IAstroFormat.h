#pragma once
// Angles, geographic coordinates, clock times and sky coordinates as the user reads them.

#include "IAstroCalc.h"

#include <QObject>
#include <QString>

#include <ctime>
#include <string>

namespace JEX {

class IAstroFormat : public QObject {
    Q_OBJECT
public:
    // 12-hour clock with " AM" or " PM", from hours since midnight.
    virtual std::string clockTime12(double hours) const = 0;
    // "%T" and "%T GMT%z" of a moment, local time, in the current language's locale.
    virtual std::string timeOfDay(std::time_t time) const = 0;
    virtual std::string timeOfDayGmt(std::time_t time) const = 0;
    // Hours, minutes and seconds of a duration, "1:02:05".
    virtual std::string sec_hms(double seconds) const = 0;
    // The polar-scope reticle's clock reading of an angle (clockwise from the top).
    virtual std::string reticleClock(double angle) const = 0;
    virtual std::string oneDecimal(float value) const = 0;
    // Degrees and minutes, unsigned.
    virtual std::string rad_deg00(double angle) const = 0;

    // Sky coordinate pairs: right ascension or hour angle as hours, declination and altitude
    // signed, azimuth with its compass direction.
    virtual std::string raDec(EquatorialCoord raDec) const = 0;
    virtual std::string raDecOfDate(EquatorialCoord raDec) const = 0;
    virtual std::string hourAngleDec(EquatorialCoord hourAngleDec) const = 0;
    virtual std::string azAlt(HorizontalCoord azAlt) const = 0;
    virtual std::string azAltApparent(HorizontalCoord azAlt) const = 0;
    virtual std::string hourAngleDecApparent(EquatorialCoord hourAngleDec) const = 0;
    // Any staged coordinate, in the form of its stage.
    virtual std::string stagedCoord(const StagedCoord& coord) const = 0;

    // Longitude west positive, latitude north positive.
    virtual std::string longitude_00(double longitude) const = 0;
    virtual std::string longitude_000(double longitude) const = 0;
    virtual std::string latitude_00(double latitude) const = 0;
    virtual std::string latitude_000(double latitude) const = 0;

    Q_INVOKABLE QString sec_hms_q(double sec) const { return q(sec_hms(sec)); }
    Q_INVOKABLE QString rad_deg00_q(double rad) const { return q(rad_deg00(rad)); }
    Q_INVOKABLE QString longitude_00_q(double rad) const { return q(longitude_00(rad)); }
    Q_INVOKABLE QString longitude_000_q(double rad) const { return q(longitude_000(rad)); }
    Q_INVOKABLE QString latitude_00_q(double rad) const { return q(latitude_00(rad)); }
    Q_INVOKABLE QString latitude_000_q(double rad) const { return q(latitude_000(rad)); }

private:
    static QString q(const std::string& s) { return QString::fromStdString(s); }
};

} // namespace JEX
