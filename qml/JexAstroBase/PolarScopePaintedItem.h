#pragma once
// The polar-scope reticle of the polar clock page with the reference stars where they must
// sit now: Polaris on a clock face in the north, the chain of four stars in the south.

#include "IAstroCalc.h"
#include "IKVStore.h"
#include "PersistedValue.h"

#include <QQuickPaintedItem>

#include <memory>

namespace JEX {

class PolarScopePaintedItem : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(bool north READ north WRITE setNorth NOTIFY northChanged)
    // Draws the rigorous apparent places instead of the simple formula; kept as "polar.precise".
    Q_PROPERTY(bool precise READ precise WRITE setPrecise NOTIFY preciseChanged)
public:
    // The store may be absent; the precise switch then starts off and is not kept.
    PolarScopePaintedItem(std::shared_ptr<IAstroCalc> calc, std::shared_ptr<IKVStore> store);

    bool north() const { return north_; }
    void setNorth(bool north);
    bool precise() const { return precise_.get(); }
    void setPrecise(bool precise);

    void paint(QPainter* painter) override;

signals:
    void northChanged();
    void preciseChanged();

private:
    void paintNorth(QPainter& p, double u);
    void paintSouth(QPainter& p, double u);

    std::shared_ptr<IAstroCalc> calc_;
    PersistedValue<bool> precise_;
    bool north_ = true;
};

} // namespace JEX
