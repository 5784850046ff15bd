#include "QAstroFormat.h"

#include "AstroMath.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <sstream>
#include <utility>

namespace JEX {

namespace {

// A number with a fixed count of decimals, left-padded with "0" until the part before the
// decimal point is at least minWidth long.
std::string fixed(double value, int decimals, int minWidth) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    const size_t point = text.find('.');
    const size_t whole = point == std::string::npos ? text.size() : point;
    if (whole < static_cast<size_t>(minWidth))
        text.insert(0, static_cast<size_t>(minWidth) - whole, '0');
    return text;
}

double roundTo(double value, double step) {
    return std::round(value / step) * step;
}

std::string latitudeLetter(int sign) {
    if (sign > 0)
        return QCoreApplication::translate("latitude_longitude", "N").toStdString();
    if (sign < 0)
        return QCoreApplication::translate("latitude_longitude", "S").toStdString();
    return {};
}

// Longitude is west positive.
std::string longitudeLetter(int sign) {
    if (sign > 0)
        return QCoreApplication::translate("latitude_longitude", "W").toStdString();
    if (sign < 0)
        return QCoreApplication::translate("latitude_longitude", "E").toStdString();
    return {};
}

// Eight sectors of 45° centred on the directions, from north through east.
constexpr const char* kCardinal[] = {
    QT_TRANSLATE_NOOP("cardinal_direction", "N"), QT_TRANSLATE_NOOP("cardinal_direction", "NE"),
    QT_TRANSLATE_NOOP("cardinal_direction", "E"), QT_TRANSLATE_NOOP("cardinal_direction", "SE"),
    QT_TRANSLATE_NOOP("cardinal_direction", "S"), QT_TRANSLATE_NOOP("cardinal_direction", "SW"),
    QT_TRANSLATE_NOOP("cardinal_direction", "W"), QT_TRANSLATE_NOOP("cardinal_direction", "NW"),
};

std::string cardinalDirection(double azimuth) {
    const double a = normalizeZeroTwoPi(azimuth);
    const double k = std::floor((a + 0.39269908169872414) / 0.7853981633974483);
    const int sector = k >= 1.0 && k <= 7.0 ? static_cast<int>(k) : 0;
    return QCoreApplication::translate("cardinal_direction", kCardinal[sector]).toStdString();
}

// Fills a translated pattern's %1, %2, ... in one pass, whatever their order in it.
template <typename... Texts> std::string fill(const QString& pattern, const Texts&... texts) {
    return pattern.arg(QString::fromStdString(texts)...).toStdString();
}

} // namespace

namespace AngleSplit {

Parts split(double angle, Unit unit, int mode) {
    Parts p;
    p.sign = angle > 0.0 ? 1 : (angle < 0.0 ? -1 : 0);
    const double x = std::abs(angle) * (unit == Unit::Degrees ? 180.0 : 12.0) / kPi;
    const double m = (x - std::trunc(x)) * 60.0;
    const double s = (m - std::trunc(m)) * 60.0;

    int unitDecimals = 0;
    int minuteDecimals = 0;
    int secondDecimals = 0;
    bool hasMinutes = true;
    bool hasSeconds = true;
    switch (mode) {
    case 0:
    case 1:
    case 2: {
        secondDecimals = 2 - mode;
        p.unit = std::trunc(x);
        p.minutes = std::trunc(m);
        p.seconds = roundTo(s, std::pow(10.0, -secondDecimals));
        break;
    }
    case 3:
    case 4:
        minuteDecimals = mode == 3 ? 1 : 0;
        hasSeconds = false;
        p.unit = std::trunc(x);
        p.minutes = roundTo(m, mode == 3 ? 0.1 : 1.0);
        break;
    default:
        unitDecimals = mode == 5 ? 1 : 0;
        hasMinutes = hasSeconds = false;
        p.unit = roundTo(x, mode == 5 ? 0.1 : 1.0);
        break;
    }

    if (std::abs(p.seconds - 60.0) < 0.001) {
        p.seconds = 0.0;
        p.minutes += 1.0;
    }
    if (std::abs(p.minutes - 60.0) < 0.001) {
        p.minutes = 0.0;
        p.unit += 1.0;
    }

    p.unitText = fixed(p.unit, unitDecimals, 0);
    if (hasMinutes)
        p.minutesText = fixed(p.minutes, minuteDecimals, 2);
    if (hasSeconds)
        p.secondsText = fixed(p.seconds, secondDecimals, 2);
    return p;
}

} // namespace AngleSplit

using AngleSplit::Unit;

QAstroFormat::QAstroFormat(std::shared_ptr<ILanguageManager> languageManager,
                           std::shared_ptr<PersistedValue<bool>> secondsPrecision)
    : languageManager_(std::move(languageManager)), secondsPrecision_(std::move(secondsPrecision)) {
}

std::string QAstroFormat::clock(double hours, bool withAmPm) const {
    const AngleSplit::Parts p =
        AngleSplit::split(normalizeZeroTwoPi(hours * 0.2617993877991494), Unit::Hours, 4);
    // Minutes that round up to the next hour can carry 23:59.6 to 24:00, which is midnight.
    const double h = p.unit >= 24.0 ? p.unit - 24.0 : p.unit;
    double shown = h;
    if (h == 0.0 || h == 12.0)
        shown = 12.0;
    else if (h > 12.0)
        shown = h - 12.0;
    const std::string suffix = !withAmPm ? "" : (h < 12.0 ? " AM" : " PM");
    return QStringLiteral("%1:%2%3")
        .arg(QString::fromStdString(fixed(shown, 0, 2)), QString::fromStdString(p.minutesText),
             QString::fromStdString(suffix))
        .toStdString();
}

std::string QAstroFormat::clockTime12(double hours) const {
    return clock(hours, true);
}

std::string QAstroFormat::reticleClock(double angle) const {
    return clock(angle * 1.909859317102744, false);
}

std::string QAstroFormat::timeWithPattern(std::time_t time, const char* pattern) const {
    std::tm local{};
    localtime_r(&time, &local);
    std::ostringstream out;
    out.imbue(languageManager_ ? languageManager_->locale() : std::locale::classic());
    out << std::put_time(&local, pattern);
    return out.str();
}

std::string QAstroFormat::timeOfDay(std::time_t time) const {
    return timeWithPattern(time, "%T");
}

std::string QAstroFormat::timeOfDayGmt(std::time_t time) const {
    return timeWithPattern(time, "%T GMT%z");
}

std::string QAstroFormat::sec_hms(double seconds) const {
    const AngleSplit::Parts p = AngleSplit::split(seconds / 86400.0 * kTwoPi, Unit::Hours, 2);
    return p.unitText + ":" + p.minutesText + ":" + p.secondsText;
}

std::string QAstroFormat::oneDecimal(float value) const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(value));
    return buffer;
}

std::string QAstroFormat::rad_deg00(double angle) const {
    const AngleSplit::Parts p = AngleSplit::split(angle, Unit::Degrees, 2);
    return p.unitText + "°" + p.minutesText + "′";
}

std::string QAstroFormat::signedDegrees(double angle) const {
    const bool fine = secondsPrecision_ && secondsPrecision_->get();
    const AngleSplit::Parts p = AngleSplit::split(angle, Unit::Degrees, fine ? 0 : 2);
    const char* sign = p.sign > 0 ? "+" : (p.sign < 0 ? "-" : " ");
    return sign + p.unitText + "°" + p.minutesText + "′" + p.secondsText + "″";
}

std::string QAstroFormat::hoursMinutesSeconds(double angle) const {
    const AngleSplit::Parts p = AngleSplit::split(normalizeZeroTwoPi(angle), Unit::Hours, 2);
    return p.unitText + "h" + p.minutesText + "m" + p.secondsText + "s";
}

std::string QAstroFormat::azimuth(double angle) const {
    const AngleSplit::Parts p = AngleSplit::split(normalizeZeroTwoPi(angle), Unit::Degrees, 2);
    return p.unitText + "°" + p.minutesText + "′" + p.secondsText + "″" + cardinalDirection(angle);
}

std::string QAstroFormat::raDec(EquatorialCoord c) const {
    return hoursMinutesSeconds(c.first) + " " + signedDegrees(c.second);
}

std::string QAstroFormat::raDecOfDate(EquatorialCoord c) const {
    return raDec(c);
}

std::string QAstroFormat::hourAngleDec(EquatorialCoord c) const {
    return raDec(c);
}

std::string QAstroFormat::azAlt(HorizontalCoord c) const {
    return azimuth(c.first) + " " + signedDegrees(c.second);
}

std::string QAstroFormat::azAltApparent(HorizontalCoord c) const {
    return azAlt(c);
}

std::string QAstroFormat::hourAngleDecApparent(EquatorialCoord c) const {
    return raDec(c);
}

std::string QAstroFormat::stagedCoord(const StagedCoord& coord) const {
    switch (coord.stage) {
    case CoordStage::Catalogue:
        return raDec(coord.value);
    case CoordStage::OfDate:
        return raDecOfDate(coord.value);
    case CoordStage::HourAngle:
        return hourAngleDec(coord.value);
    case CoordStage::TrueHorizontal:
        return azAlt(coord.value);
    case CoordStage::ApparentHorizontal:
        return azAltApparent(coord.value);
    case CoordStage::ApparentEquatorial:
        return hourAngleDecApparent(coord.value);
    default:
        return {};
    }
}

std::string QAstroFormat::longitude_00(double longitude) const {
    const AngleSplit::Parts p = AngleSplit::split(longitude, Unit::Degrees, 4);
    return fill(QCoreApplication::translate("latitude_longitude", "%1°%2′%3"), p.unitText,
                p.minutesText, longitudeLetter(p.sign));
}

std::string QAstroFormat::longitude_000(double longitude) const {
    const AngleSplit::Parts p = AngleSplit::split(longitude, Unit::Degrees, 2);
    return fill(QCoreApplication::translate("latitude_longitude", "%1°%2′%3″%4"), p.unitText,
                p.minutesText, p.secondsText, longitudeLetter(p.sign));
}

std::string QAstroFormat::latitude_00(double latitude) const {
    const AngleSplit::Parts p = AngleSplit::split(latitude, Unit::Degrees, 4);
    return fill(QCoreApplication::translate("latitude_longitude", "%1°%2′%3"), p.unitText,
                p.minutesText, latitudeLetter(p.sign));
}

std::string QAstroFormat::latitude_000(double latitude) const {
    const AngleSplit::Parts p = AngleSplit::split(latitude, Unit::Degrees, 2);
    return fill(QCoreApplication::translate("latitude_longitude", "%1°%2′%3″%4"), p.unitText,
                p.minutesText, p.secondsText, latitudeLetter(p.sign));
}

} // namespace JEX
