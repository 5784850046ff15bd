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
    // The camera the polar-alignment budget is for, kept as "polar.budget.*": a value that is
    // not finite or below 0 is not taken.
    Q_PROPERTY(double focalLengthMm READ focalLengthMm WRITE setFocalLengthMm NOTIFY budgetChanged)
    Q_PROPERTY(double pixelSizeUm READ pixelSizeUm WRITE setPixelSizeUm NOTIFY budgetChanged)
    Q_PROPERTY(double exposureSec READ exposureSec WRITE setExposureSec NOTIFY budgetChanged)
    // The largest polar-axis error, in arc-minutes, that keeps a star's drift in one exposure
    // under half a pixel (0 while an input is 0).
    Q_PROPERTY(double budgetArcmin READ budgetArcmin NOTIFY budgetChanged)
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

    double focalLengthMm() const { return focalLengthMm_.get(); }
    void setFocalLengthMm(double mm) { setBudgetInput(focalLengthMm_, mm); }
    double pixelSizeUm() const { return pixelSizeUm_.get(); }
    void setPixelSizeUm(double um) { setBudgetInput(pixelSizeUm_, um); }
    double exposureSec() const { return exposureSec_.get(); }
    void setExposureSec(double sec) { setBudgetInput(exposureSec_, sec); }
    double budgetArcmin() const;

signals:
    void northChanged();
    void infoListChanged();
    void preciseChanged();
    void budgetChanged();

private:
    void setBudgetInput(PersistedValue<double>& input, double value);

    std::shared_ptr<IAstroCalc> calc_;
    std::shared_ptr<IAstroFormat> format_;
    std::shared_ptr<ILocation> location_;
    std::shared_ptr<IAstroClock> clock_;
    PersistedValue<bool> precise_;
    PersistedValue<double> focalLengthMm_;
    PersistedValue<double> pixelSizeUm_;
    PersistedValue<double> exposureSec_;
    bool north_ = true;
    QVariantList infoList_;
};

} // namespace JEX
