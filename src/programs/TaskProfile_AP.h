#pragma once
// The Astrophotography profile: tracking at a chosen rate, photos of a given exposure with
// a pause between them, an optional photo count and optional dithering.

#include "TaskProfileBase.h"

namespace JEX {

class TaskProfile_AP : public TaskProfileBase<ITaskProfile_AP> {
public:
    // The location decides the direction (may be empty: clockwise).
    explicit TaskProfile_AP(std::shared_ptr<ILocation> location);

    void updateWithParamSet(TAVOParamSet param) override;
    QString selects() const override { return {}; }
    void setSelects(const QString&) override {}
    std::unique_ptr<ITaskProfile> clone() const override;

    double exposureSec() const override { return f_.exposureSec; }
    double photoIntervalSec() const override { return f_.photoIntervalSec; }
    int photos() const override { return f_.photos; }
    double trackingRateDegPerSec() const override { return f_.trackingRateDegPerSec; }
    double ditheringRangeArcMin() const override { return f_.ditheringRangeArcMin; }
    bool input_photos() const override { return f_.input_photos; }
    bool input_ditheringRangeArcMin() const override { return f_.input_ditheringRangeArcMin; }
    double totalTimeSec() const override { return totalTimeSec_; }

    void setExposureSec(double v) override { set(f_.exposureSec, v); }
    void setPhotoIntervalSec(double v) override { set(f_.photoIntervalSec, v); }
    void setPhotos(int v) override { set(f_.photos, v); }
    void setTrackingRateDegPerSec(double v) override { set(f_.trackingRateDegPerSec, v); }
    void setDitheringRangeArcMin(double v) override { set(f_.ditheringRangeArcMin, v); }
    void setInput_photos(bool v) override { set(f_.input_photos, v); }
    void setInput_ditheringRangeArcMin(bool v) override { set(f_.input_ditheringRangeArcMin, v); }

private:
    struct Fields {
        double exposureSec = 120;
        double photoIntervalSec = 1;
        int photos = 5;
        double trackingRateDegPerSec = Profile::kSiderealDps;
        double ditheringRangeArcMin = 0;
        bool input_photos = false;
        bool input_ditheringRangeArcMin = false;
    };

    template <typename T> void set(T& field, T value) {
        if (Profile::assign(field, value))
            changed();
    }
    // The program of the fields f and its message.
    TAVOParamSet programOf(const Fields& f, QStringList* errors) const;
    void recompute() override;

    const std::shared_ptr<ILocation> location_;
    Fields f_;
    double totalTimeSec_ = 0;
};

class TaskProfile_AP_Factory : public ITaskProfile_AP_Factory {
public:
    explicit TaskProfile_AP_Factory(std::shared_ptr<ILocation> location)
        : location_(std::move(location)) {}
    std::unique_ptr<ITaskProfile_AP> create() const override {
        return std::make_unique<TaskProfile_AP>(location_);
    }

private:
    std::shared_ptr<ILocation> location_;
};

} // namespace JEX
