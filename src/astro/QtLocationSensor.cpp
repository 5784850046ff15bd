#include "QtLocationSensor.h"

#include "Log.h"

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>

#include <cmath>
#include <numbers>
#include <utility>

namespace JEX {

class QtLocationSensor::D : public QObject {
    Q_OBJECT
public:
    explicit D(QtLocationSensor* owner) : QObject(owner), owner_(owner) {
        setObjectName(QStringLiteral("D"));
    }

    // Owned as a child; absent while the sensor is inactive.
    QGeoPositionInfoSource* source = nullptr;
    LocationSensorReading lastReading;
    bool hasReading = false;
    LocationSensorState_::E state = LocationSensorState_::E::NoSignalForNow;

    void dropSource() {
        disconnect(source, nullptr, this, nullptr);
        source->stopUpdates();
        // Deactivation often happens inside a handler of this source's own signal (QML
        // switches the sensor off once the first fix arrives), so the source may still be
        // on the stack: it goes when control is back in the event loop, or with this object.
        source->deleteLater();
        source = nullptr;
        hasReading = false;
        lastReading = {};
        state = LocationSensorState_::E::NoSignalForNow;
    }

public slots:
    void error(QGeoPositionInfoSource::Error positioningError) {
        using S = LocationSensorState_::E;
        S next = state;
        switch (positioningError) {
        case QGeoPositionInfoSource::AccessError:
            next = S::NoPermission;
            break;
        case QGeoPositionInfoSource::ClosedError:
            next = S::NoSensor;
            break;
        case QGeoPositionInfoSource::NoError:
            break;
        case QGeoPositionInfoSource::UpdateTimeoutError:
            next = S::NoSignalForNow;
            break;
        default:
            next = S::NoSignalAlways;
            break;
        }
        if (next == state)
            return;
        state = next;
        emit owner_->changed();
    }

    void positionUpdated(const QGeoPositionInfo& update) {
        const QGeoCoordinate coordinate = update.coordinate();
        if (!coordinate.isValid()) {
            // A fix without a usable position must not overwrite the observer's location.
            log("Location sensor: ignoring a fix without a valid coordinate");
            return;
        }
        const double altitude = coordinate.altitude();
        lastReading.longitudeRad = -coordinate.longitude() / 180.0 * std::numbers::pi;
        lastReading.latitudeRad = coordinate.latitude() / 180.0 * std::numbers::pi;
        lastReading.altitudeMeter = std::isnan(altitude) ? 0.0 : altitude;
        hasReading = true;
        state = LocationSensorState_::E::HasSignal;
        emit owner_->changed();
    }

private:
    QtLocationSensor* owner_;
};

QtLocationSensor::QtLocationSensor(SourceFactory makeSource)
    : makeSource_(std::move(makeSource)), d_(new D(this)) {
    if (!makeSource_)
        makeSource_ = [] {
            return std::unique_ptr<QGeoPositionInfoSource>(
                QGeoPositionInfoSource::createDefaultSource(nullptr));
        };
}

QtLocationSensor::~QtLocationSensor() {
    // Nobody may be told about a change while this object is half destroyed.
    if (d_->source)
        d_->dropSource();
}

bool QtLocationSensor::active() const {
    return d_->source != nullptr;
}

void QtLocationSensor::setActive(bool active) {
    if (active == this->active())
        return;
    if (active) {
        std::unique_ptr<QGeoPositionInfoSource> source = makeSource_();
        if (source) {
            d_->source = source.release();
            d_->source->setParent(d_);
            connect(d_->source, &QGeoPositionInfoSource::errorOccurred, d_, &D::error);
            connect(d_->source, &QGeoPositionInfoSource::positionUpdated, d_, &D::positionUpdated);
            d_->source->startUpdates();
        } else {
            log("Location sensor: no position source on this system");
        }
    } else {
        d_->dropSource();
    }
    emit changed();
}

LocationSensorState_::E QtLocationSensor::state() const {
    return d_->state;
}

std::optional<LocationSensorReading> QtLocationSensor::reading() const {
    if (!d_->hasReading)
        return std::nullopt;
    return d_->lastReading;
}

} // namespace JEX

#include "QtLocationSensor.moc"
