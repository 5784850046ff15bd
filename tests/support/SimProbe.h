#pragma once
// The demo mount's simulated controller as QML tests see it: what its axis does, what its
// memory holds, what it was asked, and switches that silence it or make it refuse everything.

#include "MotorController.h"

#include <QObject>
#include <QString>

#include <memory>

namespace JEX::Test {

class SimProbe : public QObject {
    Q_OBJECT
public:
    explicit SimProbe(std::shared_ptr<Sim::MotorController> controller)
        : controller_(std::move(controller)) {}

    // Signed steps per second of axis 1 (0 when it stands).
    Q_INVOKABLE double axisSpeed() {
        const auto a = controller_->axis(0);
        return a.running ? (a.backward ? -a.stepsPerSec : a.stepsPerSec) : 0.0;
    }
    Q_INVOKABLE double axisPosition() { return controller_->axis(0).positionSteps; }
    Q_INVOKABLE void setAxisPosition(double steps) { controller_->setAxisPosition(0, steps); }
    Q_INVOKABLE double memoryU32(int address) { return controller_->memoryU32(uint16_t(address)); }
    Q_INVOKABLE int memoryByte(int address) { return controller_->memoryByte(uint16_t(address)); }
    Q_INVOKABLE bool polarLightOn() const { return controller_->polarLightOn(); }
    Q_INVOKABLE void setSilent(bool silent) { controller_->setSilent(silent); }
    Q_INVOKABLE void setRefusing(bool refusing) {
        Sim::Faults faults = controller_->faults();
        faults.reject = refusing ? 1 : 0;
        controller_->setFaults(faults);
    }
    // Requests received so far with this command letter.
    Q_INVOKABLE int requests(const QString& letter) const {
        return int(controller_->transcript()->entriesFor(letter.toLatin1().at(0)).size());
    }

private:
    std::shared_ptr<Sim::MotorController> controller_;
};

} // namespace JEX::Test
