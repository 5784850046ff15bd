#pragma once
// The observer's location, kept in the settings store under the loc.* keys.

#include "IKVStore.h"
#include "ILocation.h"

#include <memory>
#include <mutex>

namespace JEX {

class Location : public ILocation {
    Q_OBJECT
public:
    // Loads the stored location at once; without a store the defaults stay in memory only.
    explicit Location(std::shared_ptr<IKVStore> store);

    CLocation location() const override;
    // Stores all five keys, whatever changed, then tells every observer.
    void setLocation(const CLocation& location) override;
    double longitudeRad() const override;
    double latitudeRad() const override;
    bool mockLatitude() const override;
    double altitudeMeter() const override;
    double temperatureCelsius() const override;
    bool known() const override;

private:
    void notify();

    std::shared_ptr<IKVStore> store_;
    // The mount's worker threads read the latitude while the GUI thread may change it.
    mutable std::mutex mutex_;
    CLocation location_;
    bool known_ = false;
};

} // namespace JEX
