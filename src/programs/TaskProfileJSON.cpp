#include "TaskProfileJSON.h"

#include <cmath>
#include <limits>

namespace JEX {
namespace {

// Calls set with the value under key when it is there with the right type. Counts are the
// number truncated; a count beyond the range of int is a value of the wrong kind.
template <typename P> class Reader {
public:
    Reader(const QJsonObject& json, P& profile) : json_(json), p_(profile) {}

    void number(const char* key, void (P::*set)(double)) {
        const QJsonValue v = json_.value(QLatin1String(key));
        if (v.isDouble())
            (p_.*set)(v.toDouble());
    }
    void count(const char* key, void (P::*set)(int)) {
        const QJsonValue v = json_.value(QLatin1String(key));
        if (!v.isDouble())
            return;
        const double t = std::trunc(v.toDouble());
        if (t >= std::numeric_limits<int>::min() && t <= std::numeric_limits<int>::max())
            (p_.*set)(int(t));
    }
    void flag(const char* key, void (P::*set)(bool)) {
        const QJsonValue v = json_.value(QLatin1String(key));
        if (v.isBool())
            (p_.*set)(v.toBool());
    }
    void text(const char* key, void (P::*set)(const QString&)) {
        const QJsonValue v = json_.value(QLatin1String(key));
        if (v.isString())
            (p_.*set)(v.toString());
    }

private:
    const QJsonObject& json_;
    P& p_;
};

} // namespace

std::shared_ptr<ITaskProfile> TaskProfileJSON_AP::fromJson(const QJsonObject& json) const {
    std::shared_ptr<ITaskProfile_AP> p = factory_->create();
    // The stored values and inputs reach the solver together, as they were saved.
    const ProfileBatch batch(*p);
    Reader<ITaskProfile_AP> r(json, *p);
    r.text("name", &ITaskProfile::setName);
    r.number("exp", &ITaskProfile_AP::setExposureSec);
    r.number("ixi", &ITaskProfile_AP::setPhotoIntervalSec);
    r.count("pics", &ITaskProfile_AP::setPhotos);
    r.number("track", &ITaskProfile_AP::setTrackingRateDegPerSec);
    r.number("dithering_amin", &ITaskProfile_AP::setDitheringRangeArcMin);
    r.flag("input_pics", &ITaskProfile_AP::setInput_photos);
    r.flag("dithering", &ITaskProfile_AP::setInput_ditheringRangeArcMin);
    return p;
}

QJsonObject TaskProfileJSON_AP::toJson(const ITaskProfile& profile) const {
    const auto* p = qobject_cast<const ITaskProfile_AP*>(&profile);
    if (!p)
        return {};
    QJsonObject o;
    o.insert("name", p->name());
    o.insert("exp", p->exposureSec());
    o.insert("ixi", p->photoIntervalSec());
    o.insert("pics", p->photos());
    o.insert("track", p->trackingRateDegPerSec());
    o.insert("dithering_amin", p->ditheringRangeArcMin());
    o.insert("input_pics", p->input_photos());
    o.insert("dithering", p->input_ditheringRangeArcMin());
    return o;
}

std::shared_ptr<ITaskProfile> TaskProfileJSON_ATL::fromJson(const QJsonObject& json) const {
    std::shared_ptr<ITaskProfile_ATL> p = factory_->create();
    // The stored values and inputs reach the solver together, as they were saved.
    const ProfileBatch batch(*p);
    Reader<ITaskProfile_ATL> r(json, *p);
    r.text("name", &ITaskProfile::setName);
    r.number("exp", &ITaskProfile_ATL::setExposureSec);
    r.number("T_Total_H", &ITaskProfile_ATL::setVideoTimeSpanHour);
    r.number("T_Video", &ITaskProfile_ATL::setVideoLengthSec);
    r.count("Fps", &ITaskProfile_ATL::setFrameRateFps);
    r.count("pics", &ITaskProfile_ATL::setPhotos);
    r.number("track", &ITaskProfile_ATL::setTrackingRateDegPerSec);
    r.text("selects", &ITaskProfile::setSelects);
    return p;
}

QJsonObject TaskProfileJSON_ATL::toJson(const ITaskProfile& profile) const {
    const auto* p = qobject_cast<const ITaskProfile_ATL*>(&profile);
    if (!p)
        return {};
    QJsonObject o;
    o.insert("name", p->name());
    o.insert("exp", p->exposureSec());
    o.insert("T_Total_H", p->videoTimeSpanHour());
    o.insert("T_Video", p->videoLengthSec());
    o.insert("Fps", p->frameRateFps());
    o.insert("pics", p->photos());
    o.insert("track", p->trackingRateDegPerSec());
    o.insert("selects", p->selects());
    return o;
}

std::shared_ptr<ITaskProfile> TaskProfileJSON_RegLong::fromJson(const QJsonObject& json) const {
    std::shared_ptr<ITaskProfile_RegLong> p = factory_->create();
    // The stored values and inputs reach the solver together, as they were saved.
    const ProfileBatch batch(*p);
    Reader<ITaskProfile_RegLong> r(json, *p);
    r.text("name", &ITaskProfile::setName);
    r.number("T_Exposure", &ITaskProfile_RegLong::setExposureSec);
    r.number("T_Total_H", &ITaskProfile_RegLong::setVideoTimeSpanHour);
    r.number("T_Video", &ITaskProfile_RegLong::setVideoLengthSec);
    r.count("Fps", &ITaskProfile_RegLong::setFrameRateFps);
    r.count("N_Cycles", &ITaskProfile_RegLong::setPhotos);
    r.number("T_Cycle", &ITaskProfile_RegLong::setFramePeriodSec);
    r.number("A_Range", &ITaskProfile_RegLong::setSwingRangeDeg);
    r.count("N_Swings", &ITaskProfile_RegLong::setSwingCount);
    r.number("V_Total_Dph", &ITaskProfile_RegLong::setSpeedDph);
    r.flag("dir", &ITaskProfile_RegLong::setClockwise);
    r.text("selects", &ITaskProfile::setSelects);
    return p;
}

QJsonObject TaskProfileJSON_RegLong::toJson(const ITaskProfile& profile) const {
    const auto* p = qobject_cast<const ITaskProfile_RegLong*>(&profile);
    if (!p)
        return {};
    QJsonObject o;
    o.insert("name", p->name());
    if (!p->isRegularExposure())
        o.insert("T_Exposure", p->exposureSec());
    o.insert("T_Total_H", p->videoTimeSpanHour());
    o.insert("T_Video", p->videoLengthSec());
    o.insert("Fps", p->frameRateFps());
    o.insert("N_Cycles", p->photos());
    o.insert("T_Cycle", p->framePeriodSec());
    o.insert("A_Range", p->swingRangeDeg());
    o.insert("N_Swings", p->swingCount());
    o.insert("V_Total_Dph", p->speedDph());
    o.insert("dir", p->clockwise());
    o.insert("selects", p->selects());
    return o;
}

} // namespace JEX
