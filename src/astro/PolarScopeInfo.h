#pragma once
// The polar clock page's text list: the observer's longitude, the local time and where the
// reference star sits on the reticle, for the northern or the southern hemisphere.

#include "IAstroCalc.h"
#include "IAstroClock.h"
#include "IAstroFormat.h"
#include "IKVStore.h"
#include "ILocation.h"
#include "PersistedValue.h"

#include <QObject>
#include <QVariantList>

#include <memory>

namespace JEX {

class PolarScopeInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool north READ north WRITE setNorth NOTIFY northChanged)
    Q_PROPERTY(QVariantList infoList READ infoList NOTIFY infoListChanged)
    // Lists the rigorous apparent place instead of the simple formula; kept as "polar.precise".
    Q_PROPERTY(bool precise READ precise WRITE setPrecise NOTIFY preciseChanged)
public:
    // The store may be absent; the precise switch then starts off and is not kept.
    PolarScopeInfo(std::shared_ptr<IAstroCalc> calc, std::shared_ptr<IAstroFormat> format,
                   std::shared_ptr<ILocation> location, std::shared_ptr<IAstroClock> clock,
                   std::shared_ptr<IKVStore> store);

    bool north() const { return north_; }
    void setNorth(bool north);
    bool precise() const { return precise_.get(); }
    void setPrecise(bool precise);
    // Maps with the members "field" (a translated label) and "fieldValue".
    QVariantList infoList() const { return infoList_; }

    Q_INVOKABLE void update();
    // The largest polar-axis error, in arc-minutes, that keeps a star's drift in one exposure
    // under half a pixel (0 for inputs that are not all positive).
    Q_INVOKABLE double polarBudgetArcmin(double focalLengthMm, double pixelSizeUm,
                                         double exposureSec) const;

signals:
    void northChanged();
    void infoListChanged();
    void preciseChanged();

private:
    std::shared_ptr<IAstroCalc> calc_;
    std::shared_ptr<IAstroFormat> format_;
    std::shared_ptr<ILocation> location_;
    std::shared_ptr<IAstroClock> clock_;
    PersistedValue<bool> precise_;
    bool north_ = true;
    QVariantList infoList_;
};

} // namespace JEX
