#pragma once
// The console's formatter of angles, coordinates and times: how an angle is split into
// degrees or hours, minutes and seconds, rounded and padded, and which letters mark the
// hemisphere. Shared by the location page and the polar-scope page.

#include "IAstroFormat.h"
#include "ILanguageManager.h"
#include "PersistedValue.h"

#include <memory>
#include <string>

namespace JEX {

// The split of an angle into a whole unit (hours or degrees), minutes and seconds.
namespace AngleSplit {

enum class Unit { Hours, Degrees };

// Precision modes: 0-2 seconds to 0.01, 0.1 and 1; 3-4 minutes to 0.1 and 1; 5-6 the unit
// to 0.1 and 1. Parts a mode does not fill are 0 with an empty text.
struct Parts {
    int sign = 0; // of the input: +1, -1 or 0
    double unit = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    std::string unitText;
    std::string minutesText;
    std::string secondsText;
};

Parts split(double angle, Unit unit, int mode);

} // namespace AngleSplit

class QAstroFormat : public IAstroFormat {
    Q_OBJECT
public:
    // Without a seconds-precision setting the signed form shows whole seconds.
    QAstroFormat(std::shared_ptr<ILanguageManager> languageManager,
                 std::shared_ptr<PersistedValue<bool>> secondsPrecision);

    std::string clockTime12(double hours) const override;
    std::string timeOfDay(std::time_t time) const override;
    std::string timeOfDayGmt(std::time_t time) const override;
    std::string sec_hms(double seconds) const override;
    std::string reticleClock(double angle) const override;
    std::string oneDecimal(float value) const override;
    std::string rad_deg00(double angle) const override;

    std::string raDec(EquatorialCoord raDec) const override;
    std::string raDecOfDate(EquatorialCoord raDec) const override;
    std::string hourAngleDec(EquatorialCoord hourAngleDec) const override;
    std::string azAlt(HorizontalCoord azAlt) const override;
    std::string azAltApparent(HorizontalCoord azAlt) const override;
    std::string hourAngleDecApparent(EquatorialCoord hourAngleDec) const override;
    std::string stagedCoord(const StagedCoord& coord) const override;

    std::string longitude_00(double longitude) const override;
    std::string longitude_000(double longitude) const override;
    std::string latitude_00(double latitude) const override;
    std::string latitude_000(double latitude) const override;

private:
    std::string timeWithPattern(std::time_t time, const char* pattern) const;
    std::string clock(double hours, bool withAmPm) const;
    std::string signedDegrees(double angle) const;
    std::string hoursMinutesSeconds(double angle) const;
    std::string azimuth(double angle) const;

    std::shared_ptr<ILanguageManager> languageManager_;
    std::shared_ptr<PersistedValue<bool>> secondsPrecision_;
};

} // namespace JEX
