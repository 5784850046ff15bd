#pragma once
// The composition root: every long-lived object of the console, made once in a fixed order
// with its collaborators handed in, and the ones QML uses published as inj_* names.

#include "IClock.h"
#include "QtLocationSensor.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QQmlEngine;

namespace JEX {

namespace Sim {
class MotorController;
}

struct GraphOptions {
    // Connect to the built-in demo mount in this run, whatever connection type is stored.
    bool demo = false;
    // Where the location sensor gets its positions; empty: the platform's default source.
    QtLocationSensor::SourceFactory locationSource;
    // The demo mount's controller; empty: one made for this run.
    std::shared_ptr<Sim::MotorController> demoController;
    // Makes the mount side's and the astronomy side's real-time clocks (one each); empty:
    // the system clock.
    std::function<std::shared_ptr<IClock>()> makeClock;
};

// Publishes 28 objects on the engine's root context and appends each to keepAlive, in the
// order they are published, then the suspend watcher; every other object lives through them. The
// engine never owns them: keepAlive must outlive it.
void dependencyInjectToQml(QQmlEngine& engine, QList<std::shared_ptr<QObject>>& keepAlive,
                           const GraphOptions& options = {});

} // namespace JEX
