#pragma once
// The editable model behind one shooting-program page: what the user typed, which values
// are inputs and which are calculated, whether they make a program, and the program itself.
// Three kinds: Astrophotography, Astro Time-lapse, and Regular-/Long-Exposure Time-lapse.

#include "TAVOParams.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace JEX {

class ITaskProfile : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool valid READ valid NOTIFY validChanged)
    // Empty, or a message key (translation context "tavo_profile") and its arguments.
    Q_PROPERTY(QStringList errorMessage READ errorMessage NOTIFY errorMessageChanged)
    // The program when valid, otherwise an invalid variant; announced whenever either changes.
    Q_PROPERTY(QVariant paramSet READ paramSet NOTIFY paramSetChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    // The quantities ticked as inputs that the solver did not take (the other inputs already
    // determine them, or they contradict them), by property name.
    Q_PROPERTY(QStringList refusedInputs READ refusedInputs NOTIFY refusedInputsChanged)
public:
    using QObject::QObject;

    virtual bool valid() const = 0;
    virtual QStringList errorMessage() const = 0;
    // The last program the profile made while valid.
    virtual TAVOParamSet paramSetValue() const = 0;
    virtual QVariant paramSet() const = 0;
    // Fills the profile from the program the mount is running.
    Q_INVOKABLE virtual void updateWithParamSet(JEX::TAVOParamSet param) = 0;
    // The quantities the user chose as inputs, by solver name, joined with ";".
    virtual QString selects() const = 0;
    virtual void setSelects(const QString& selects) = 0;
    virtual QString name() const = 0;
    virtual void setName(const QString& name) = 0;
    // A new profile of the same kind with equal fields, recomputed; the caller owns it.
    virtual std::unique_ptr<ITaskProfile> clone() const = 0;
    virtual QStringList refusedInputs() const = 0;
    // Between hold and release, changes wait for one recompute when the last holder lets go,
    // so that several given quantities and their flags reach the solver together.
    virtual void holdRecompute() = 0;
    virtual void releaseRecompute() = 0;

signals:
    void validChanged();
    void paramSetChanged();
    void errorMessageChanged();
    void nameChanged();
    void refusedInputsChanged();
};

// Holds a profile's recompute for the life of the scope.
class ProfileBatch {
public:
    explicit ProfileBatch(ITaskProfile& profile) : profile_(profile) { profile_.holdRecompute(); }
    ~ProfileBatch() { profile_.releaseRecompute(); }
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

private:
    ITaskProfile& profile_;
};

// Every value setter below ignores a value that is not a finite number of at least 0: none
// of these quantities can be negative, and the direction is a flag of its own. A frame rate
// below 1 is ignored too, and a swing range is whole degrees (rounded as the mount rounds it).

class ITaskProfile_AP : public ITaskProfile {
    Q_OBJECT
    Q_PROPERTY(double exposureSec READ exposureSec WRITE setExposureSec NOTIFY valueChanged)
    Q_PROPERTY(
        double photoIntervalSec READ photoIntervalSec WRITE setPhotoIntervalSec NOTIFY valueChanged)
    Q_PROPERTY(int photos READ photos WRITE setPhotos NOTIFY valueChanged)
    Q_PROPERTY(double trackingRateDegPerSec READ trackingRateDegPerSec WRITE
                   setTrackingRateDegPerSec NOTIFY valueChanged)
    Q_PROPERTY(double ditheringRangeArcMin READ ditheringRangeArcMin WRITE setDitheringRangeArcMin
                   NOTIFY valueChanged)
    Q_PROPERTY(bool input_photos READ input_photos WRITE setInput_photos NOTIFY valueChanged)
    Q_PROPERTY(bool input_ditheringRangeArcMin READ input_ditheringRangeArcMin WRITE
                   setInput_ditheringRangeArcMin NOTIFY valueChanged)
    // 0 when the photo count is unlimited.
    Q_PROPERTY(double totalTimeSec READ totalTimeSec NOTIFY valueChanged)
public:
    using ITaskProfile::ITaskProfile;

    virtual double exposureSec() const = 0;
    virtual double photoIntervalSec() const = 0;
    virtual int photos() const = 0;
    virtual double trackingRateDegPerSec() const = 0;
    virtual double ditheringRangeArcMin() const = 0;
    virtual bool input_photos() const = 0;
    virtual bool input_ditheringRangeArcMin() const = 0;
    virtual double totalTimeSec() const = 0;

    virtual void setExposureSec(double v) = 0;
    virtual void setPhotoIntervalSec(double v) = 0;
    virtual void setPhotos(int v) = 0;
    virtual void setTrackingRateDegPerSec(double v) = 0;
    virtual void setDitheringRangeArcMin(double v) = 0;
    virtual void setInput_photos(bool v) = 0;
    virtual void setInput_ditheringRangeArcMin(bool v) = 0;

signals:
    void valueChanged();
};

class ITaskProfile_ATL : public ITaskProfile {
    Q_OBJECT
    Q_PROPERTY(double exposureSec READ exposureSec WRITE setExposureSec NOTIFY valueChanged)
    Q_PROPERTY(double videoTimeSpanHour READ videoTimeSpanHour WRITE setVideoTimeSpanHour NOTIFY
                   valueChanged)
    Q_PROPERTY(
        double videoLengthSec READ videoLengthSec WRITE setVideoLengthSec NOTIFY valueChanged)
    Q_PROPERTY(int frameRateFps READ frameRateFps WRITE setFrameRateFps NOTIFY valueChanged)
    Q_PROPERTY(int photos READ photos WRITE setPhotos NOTIFY valueChanged)
    Q_PROPERTY(double trackingRateDegPerSec READ trackingRateDegPerSec WRITE
                   setTrackingRateDegPerSec NOTIFY valueChanged)
    Q_PROPERTY(bool input_videoTimeSpanHour READ input_videoTimeSpanHour WRITE
                   setInput_videoTimeSpanHour NOTIFY valueChanged)
    Q_PROPERTY(bool input_videoLengthSec READ input_videoLengthSec WRITE setInput_videoLengthSec
                   NOTIFY valueChanged)
    Q_PROPERTY(bool input_photos READ input_photos WRITE setInput_photos NOTIFY valueChanged)
    Q_PROPERTY(bool calc_videoTimeSpanHour READ calc_videoTimeSpanHour NOTIFY valueChanged)
    Q_PROPERTY(bool calc_videoLengthSec READ calc_videoLengthSec NOTIFY valueChanged)
    Q_PROPERTY(bool calc_photos READ calc_photos NOTIFY valueChanged)
public:
    using ITaskProfile::ITaskProfile;

    virtual double exposureSec() const = 0;
    virtual double videoTimeSpanHour() const = 0;
    virtual double videoLengthSec() const = 0;
    virtual int frameRateFps() const = 0;
    virtual int photos() const = 0;
    virtual double trackingRateDegPerSec() const = 0;
    virtual bool input_videoTimeSpanHour() const = 0;
    virtual bool input_videoLengthSec() const = 0;
    virtual bool input_photos() const = 0;
    virtual bool calc_videoTimeSpanHour() const = 0;
    virtual bool calc_videoLengthSec() const = 0;
    virtual bool calc_photos() const = 0;

    virtual void setExposureSec(double v) = 0;
    virtual void setVideoTimeSpanHour(double v) = 0;
    virtual void setVideoLengthSec(double v) = 0;
    virtual void setFrameRateFps(int v) = 0;
    virtual void setPhotos(int v) = 0;
    virtual void setTrackingRateDegPerSec(double v) = 0;
    virtual void setInput_videoTimeSpanHour(bool v) = 0;
    virtual void setInput_videoLengthSec(bool v) = 0;
    virtual void setInput_photos(bool v) = 0;

signals:
    void valueChanged();
};

class ITaskProfile_RegLong : public ITaskProfile {
    Q_OBJECT
    Q_PROPERTY(double exposureSec READ exposureSec WRITE setExposureSec NOTIFY valueChanged)
    Q_PROPERTY(double videoTimeSpanHour READ videoTimeSpanHour WRITE setVideoTimeSpanHour NOTIFY
                   valueChanged)
    Q_PROPERTY(
        double videoLengthSec READ videoLengthSec WRITE setVideoLengthSec NOTIFY valueChanged)
    Q_PROPERTY(int frameRateFps READ frameRateFps WRITE setFrameRateFps NOTIFY valueChanged)
    Q_PROPERTY(int photos READ photos WRITE setPhotos NOTIFY valueChanged)
    Q_PROPERTY(
        double framePeriodSec READ framePeriodSec WRITE setFramePeriodSec NOTIFY valueChanged)
    Q_PROPERTY(double swingRangeDeg READ swingRangeDeg WRITE setSwingRangeDeg NOTIFY valueChanged)
    Q_PROPERTY(int swingCount READ swingCount WRITE setSwingCount NOTIFY valueChanged)
    Q_PROPERTY(double speedDph READ speedDph WRITE setSpeedDph NOTIFY valueChanged)
    Q_PROPERTY(bool clockwise READ clockwise WRITE setClockwise NOTIFY valueChanged)
    Q_PROPERTY(bool input_videoTimeSpanHour READ input_videoTimeSpanHour WRITE
                   setInput_videoTimeSpanHour NOTIFY valueChanged)
    Q_PROPERTY(bool input_videoLengthSec READ input_videoLengthSec WRITE setInput_videoLengthSec
                   NOTIFY valueChanged)
    Q_PROPERTY(bool input_photos READ input_photos WRITE setInput_photos NOTIFY valueChanged)
    Q_PROPERTY(bool input_framePeriodSec READ input_framePeriodSec WRITE setInput_framePeriodSec
                   NOTIFY valueChanged)
    Q_PROPERTY(bool input_swingRangeDeg READ input_swingRangeDeg WRITE setInput_swingRangeDeg NOTIFY
                   valueChanged)
    Q_PROPERTY(bool input_speedDph READ input_speedDph WRITE setInput_speedDph NOTIFY valueChanged)
    Q_PROPERTY(bool calc_exposureSec READ calc_exposureSec NOTIFY valueChanged)
    Q_PROPERTY(bool calc_videoTimeSpanHour READ calc_videoTimeSpanHour NOTIFY valueChanged)
    Q_PROPERTY(bool calc_videoLengthSec READ calc_videoLengthSec NOTIFY valueChanged)
    Q_PROPERTY(bool calc_photos READ calc_photos NOTIFY valueChanged)
    Q_PROPERTY(bool calc_framePeriodSec READ calc_framePeriodSec NOTIFY valueChanged)
    Q_PROPERTY(bool calc_swingRangeDeg READ calc_swingRangeDeg NOTIFY valueChanged)
    Q_PROPERTY(bool calc_speedDph READ calc_speedDph NOTIFY valueChanged)
    Q_PROPERTY(bool block_input_swingRangeDeg READ block_input_swingRangeDeg NOTIFY valueChanged)
    Q_PROPERTY(bool enable_swingCount READ enable_swingCount NOTIFY valueChanged)
    Q_PROPERTY(bool invalidExposure READ invalidExposure NOTIFY valueChanged)
    Q_PROPERTY(bool invalidSpeed READ invalidSpeed NOTIFY valueChanged)
public:
    using ITaskProfile::ITaskProfile;

    virtual double exposureSec() const = 0;
    virtual double videoTimeSpanHour() const = 0;
    virtual double videoLengthSec() const = 0;
    virtual int frameRateFps() const = 0;
    virtual int photos() const = 0;
    virtual double framePeriodSec() const = 0;
    virtual double swingRangeDeg() const = 0;
    virtual int swingCount() const = 0;
    virtual double speedDph() const = 0;
    virtual bool clockwise() const = 0;
    virtual bool input_videoTimeSpanHour() const = 0;
    virtual bool input_videoLengthSec() const = 0;
    virtual bool input_photos() const = 0;
    virtual bool input_framePeriodSec() const = 0;
    virtual bool input_swingRangeDeg() const = 0;
    virtual bool input_speedDph() const = 0;
    virtual bool calc_exposureSec() const = 0;
    virtual bool calc_videoTimeSpanHour() const = 0;
    virtual bool calc_videoLengthSec() const = 0;
    virtual bool calc_photos() const = 0;
    virtual bool calc_framePeriodSec() const = 0;
    virtual bool calc_swingRangeDeg() const = 0;
    virtual bool calc_speedDph() const = 0;
    virtual bool block_input_swingRangeDeg() const = 0;
    virtual bool enable_swingCount() const = 0;
    virtual bool invalidExposure() const = 0;
    virtual bool invalidSpeed() const = 0;

    virtual void setExposureSec(double v) = 0;
    virtual void setVideoTimeSpanHour(double v) = 0;
    virtual void setVideoLengthSec(double v) = 0;
    virtual void setFrameRateFps(int v) = 0;
    virtual void setPhotos(int v) = 0;
    virtual void setFramePeriodSec(double v) = 0;
    virtual void setSwingRangeDeg(double v) = 0;
    virtual void setSwingCount(int v) = 0;
    virtual void setSpeedDph(double v) = 0;
    virtual void setClockwise(bool v) = 0;
    virtual void setInput_videoTimeSpanHour(bool v) = 0;
    virtual void setInput_videoLengthSec(bool v) = 0;
    virtual void setInput_photos(bool v) = 0;
    virtual void setInput_framePeriodSec(bool v) = 0;
    virtual void setInput_swingRangeDeg(bool v) = 0;
    virtual void setInput_speedDph(bool v) = 0;

    // The regular-exposure variant, fixed at creation; otherwise long exposure.
    virtual bool isRegularExposure() const = 0;

signals:
    void valueChanged();
};

// Fresh profiles with the defaults of their kind.
class ITaskProfile_AP_Factory {
public:
    virtual ~ITaskProfile_AP_Factory() = default;
    virtual std::unique_ptr<ITaskProfile_AP> create() const = 0;
};

class ITaskProfile_ATL_Factory {
public:
    virtual ~ITaskProfile_ATL_Factory() = default;
    virtual std::unique_ptr<ITaskProfile_ATL> create() const = 0;
};

class ITaskProfile_RegLong_Factory {
public:
    virtual ~ITaskProfile_RegLong_Factory() = default;
    virtual std::unique_ptr<ITaskProfile_RegLong> create() const = 0;
};

} // namespace JEX
