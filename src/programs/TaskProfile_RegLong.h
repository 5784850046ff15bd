#pragma once
// The Regular-Exposure and Long-Exposure Time-lapse profile: panning photos at a frame
// period, optionally swinging back and forth, with the photo count, time span, video
// length, range and speed tied together. The regular variant exposes for a fixed 0.5 s.

#include "TaskProfileBase.h"

#include <array>

namespace JEX {

class TaskProfile_RegLong : public TaskProfileBase<ITaskProfile_RegLong> {
public:
    explicit TaskProfile_RegLong(bool regularExposure);

    void updateWithParamSet(TAVOParamSet param) override;
    QString selects() const override { return Profile::selectsOf<Fields>(f_, kBindings); }
    void setSelects(const QString& selects) override;
    std::unique_ptr<ITaskProfile> clone() const override;
    bool isRegularExposure() const override { return regular_; }

    double exposureSec() const override { return f_.exposureSec; }
    double videoTimeSpanHour() const override { return f_.videoTimeSpanHour; }
    double videoLengthSec() const override { return f_.videoLengthSec; }
    int frameRateFps() const override { return f_.frameRateFps; }
    int photos() const override { return Profile::truncated(f_.photos); }
    double framePeriodSec() const override { return f_.framePeriodSec; }
    double swingRangeDeg() const override { return f_.swingRangeDeg; }
    int swingCount() const override { return f_.swingCount; }
    double speedDph() const override { return f_.speedDph; }
    bool clockwise() const override { return f_.clockwise; }
    bool input_videoTimeSpanHour() const override { return f_.input_videoTimeSpanHour; }
    bool input_videoLengthSec() const override { return f_.input_videoLengthSec; }
    bool input_photos() const override { return f_.input_photos; }
    bool input_framePeriodSec() const override { return f_.input_framePeriodSec; }
    bool input_swingRangeDeg() const override { return f_.input_swingRangeDeg; }
    bool input_speedDph() const override { return f_.input_speedDph; }
    bool calc_exposureSec() const override { return f_.calc_exposureSec; }
    bool calc_videoTimeSpanHour() const override { return f_.calc_videoTimeSpanHour; }
    bool calc_videoLengthSec() const override { return f_.calc_videoLengthSec; }
    bool calc_photos() const override { return f_.calc_photos; }
    bool calc_framePeriodSec() const override { return f_.calc_framePeriodSec; }
    bool calc_swingRangeDeg() const override { return f_.calc_swingRangeDeg; }
    bool calc_speedDph() const override { return f_.calc_speedDph; }
    bool block_input_swingRangeDeg() const override { return f_.block_input_swingRangeDeg; }
    bool enable_swingCount() const override { return f_.enable_swingCount; }
    bool invalidExposure() const override { return f_.invalidExposure; }
    bool invalidSpeed() const override { return f_.invalidSpeed; }

    void setExposureSec(double v) override { set(f_.exposureSec, v); }
    void setVideoTimeSpanHour(double v) override { set(f_.videoTimeSpanHour, v); }
    void setVideoLengthSec(double v) override { set(f_.videoLengthSec, v); }
    void setFrameRateFps(int v) override;
    void setPhotos(int v) override { set(f_.photos, double(v)); }
    void setFramePeriodSec(double v) override { set(f_.framePeriodSec, v); }
    // Whole degrees, as the mount keeps them.
    void setSwingRangeDeg(double v) override { set(f_.swingRangeDeg, Profile::nearestWhole(v)); }
    void setSwingCount(int v) override { set(f_.swingCount, v); }
    void setSpeedDph(double v) override { set(f_.speedDph, v); }
    void setClockwise(bool v) override { set(f_.clockwise, v); }
    void setInput_videoTimeSpanHour(bool v) override { set(f_.input_videoTimeSpanHour, v); }
    void setInput_videoLengthSec(bool v) override { set(f_.input_videoLengthSec, v); }
    void setInput_photos(bool v) override { set(f_.input_photos, v); }
    void setInput_framePeriodSec(bool v) override { set(f_.input_framePeriodSec, v); }
    void setInput_swingRangeDeg(bool v) override { set(f_.input_swingRangeDeg, v); }
    void setInput_speedDph(bool v) override { set(f_.input_speedDph, v); }

private:
    struct Fields {
        double exposureSec = 10;
        double videoTimeSpanHour = 1;
        double videoLengthSec = 10;
        int frameRateFps = 30;
        double photos = 300;
        double framePeriodSec = 30;
        double swingRangeDeg = 30;
        int swingCount = 1;
        double speedDph = 30;
        bool clockwise = true;
        bool input_videoTimeSpanHour = false;
        bool input_videoLengthSec = false;
        bool input_photos = false;
        bool input_framePeriodSec = false;
        bool input_swingRangeDeg = false;
        bool input_speedDph = false;
        bool calc_exposureSec = false;
        bool calc_videoTimeSpanHour = false;
        bool calc_videoLengthSec = false;
        bool calc_photos = false;
        bool calc_framePeriodSec = false;
        bool calc_swingRangeDeg = false;
        bool calc_speedDph = false;
        bool block_input_swingRangeDeg = false;
        bool enable_swingCount = false;
        bool invalidExposure = false;
        bool invalidSpeed = false;
    };

    // What the fields make: validity, message and program.
    struct Outcome {
        bool valid = false;
        QStringList errors;
        TAVOParamSet program;
        QStringList refused;
    };

    template <typename T> void set(T& field, T value) {
        if (Profile::assign(field, value))
            changed();
    }
    static const std::array<Profile::SolverBinding<Fields>, 6> kBindings;
    // True when the solver determined the period, the angle per cycle and the speed. Fills
    // the fields the page shows and, in used, the values the program is made of.
    bool solve(Fields* used, QStringList* refused);
    // Solves and fills the calculated fields; announces nothing.
    Outcome compute();
    void recompute() override;
    // The fields that make the running program with the user's ticks, as near as they can.
    void adopt(const TAVOParamSet& running);

    const bool regular_;
    Fields f_;
};

class TaskProfile_RegLong_Factory : public ITaskProfile_RegLong_Factory {
public:
    explicit TaskProfile_RegLong_Factory(bool regularExposure) : regular_(regularExposure) {}
    std::unique_ptr<ITaskProfile_RegLong> create() const override {
        return std::make_unique<TaskProfile_RegLong>(regular_);
    }

private:
    bool regular_;
};

} // namespace JEX
