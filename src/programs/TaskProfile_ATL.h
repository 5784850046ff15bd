#pragma once
// The Astro Time-lapse profile: tracking photos of a given exposure, the photo count, the
// time span and the video length tied together through the frame rate.

#include "TaskProfileBase.h"

#include <array>

namespace JEX {

class TaskProfile_ATL : public TaskProfileBase<ITaskProfile_ATL> {
public:
    // The location decides the direction (may be empty: clockwise).
    explicit TaskProfile_ATL(std::shared_ptr<ILocation> location);

    // The photo cycle the mount needs for an exposure at a tracking rate (rad/s): the
    // exposure, the time to move back what tracking gained during it, and the fixed
    // settling and camera times.
    static double cycleSec(double exposureSec, double trackingRps);

    void updateWithParamSet(TAVOParamSet param) override;
    QString selects() const override { return Profile::selectsOf<Fields>(f_, kBindings); }
    void setSelects(const QString& selects) override;
    std::unique_ptr<ITaskProfile> clone() const override;

    double exposureSec() const override { return f_.exposureSec; }
    double videoTimeSpanHour() const override { return f_.videoTimeSpanHour; }
    double videoLengthSec() const override { return f_.videoLengthSec; }
    int frameRateFps() const override { return f_.frameRateFps; }
    int photos() const override { return Profile::truncated(f_.photos); }
    double trackingRateDegPerSec() const override { return f_.trackingRateDegPerSec; }
    bool input_videoTimeSpanHour() const override { return f_.input_videoTimeSpanHour; }
    bool input_videoLengthSec() const override { return f_.input_videoLengthSec; }
    bool input_photos() const override { return f_.input_photos; }
    bool calc_videoTimeSpanHour() const override { return f_.calc_videoTimeSpanHour; }
    bool calc_videoLengthSec() const override { return f_.calc_videoLengthSec; }
    bool calc_photos() const override { return f_.calc_photos; }

    void setExposureSec(double v) override { set(f_.exposureSec, v); }
    void setVideoTimeSpanHour(double v) override { set(f_.videoTimeSpanHour, v); }
    void setVideoLengthSec(double v) override { set(f_.videoLengthSec, v); }
    void setFrameRateFps(int v) override;
    void setPhotos(int v) override { set(f_.photos, double(v)); }
    void setTrackingRateDegPerSec(double v) override { set(f_.trackingRateDegPerSec, v); }
    void setInput_videoTimeSpanHour(bool v) override { set(f_.input_videoTimeSpanHour, v); }
    void setInput_videoLengthSec(bool v) override { set(f_.input_videoLengthSec, v); }
    void setInput_photos(bool v) override { set(f_.input_photos, v); }

private:
    struct Fields {
        double exposureSec = 120;
        double videoTimeSpanHour = 1;
        double videoLengthSec = 10;
        int frameRateFps = 30;
        double photos = 150;
        double trackingRateDegPerSec = Profile::kSiderealDps;
        bool input_videoTimeSpanHour = false;
        bool input_videoLengthSec = false;
        bool input_photos = false;
        bool calc_videoTimeSpanHour = false;
        bool calc_videoLengthSec = false;
        bool calc_photos = false;
    };

    template <typename T> void set(T& field, T value) {
        if (Profile::assign(field, value))
            changed();
    }
    static const std::array<Profile::SolverBinding<Fields>, 3> kBindings;
    // Solves the fields f, fills their calculated quantities, and gives their program.
    TAVOParamSet programOf(Fields& f, QStringList* refused) const;
    void recompute() override;

    const std::shared_ptr<ILocation> location_;
    Fields f_;
};

class TaskProfile_ATL_Factory : public ITaskProfile_ATL_Factory {
public:
    explicit TaskProfile_ATL_Factory(std::shared_ptr<ILocation> location)
        : location_(std::move(location)) {}
    std::unique_ptr<ITaskProfile_ATL> create() const override {
        return std::make_unique<TaskProfile_ATL>(location_);
    }

private:
    std::shared_ptr<ILocation> location_;
};

} // namespace JEX
