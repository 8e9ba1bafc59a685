#pragma once

#include <functional>
#include <optional>

#include "model/placement.h"
#include "model/project_data.h"
#include "screenrules/fill_loads.h"
#include "screenrules/soil_conditions.h"

class QWidget;

namespace nubera::app {

// The three input screens the main window's buttons open. Each opens modally
// over `owner` on the values it is given and returns once it has closed:
// true, with the accepted values in place of the given ones, when the person
// accepted them; false, with the values untouched, otherwise. The caller
// commits accepted values.
class ScreenOpener {
  public:
    virtual ~ScreenOpener() = default;

    virtual bool EditSoilConditions(QWidget* owner, SoilConditions& conditions) = 0;

    // `pointsDiscarded` runs while the screen is still open, as soon as the
    // accepted loads discard the manual points (with manual placement
    // selected); it is told whether fill loads remain to set points on.
    virtual bool EditFillLoads(
        QWidget* owner, FillLoads& loads, Placement placement, bool manualPointsSet,
        const std::function<void(bool fillLoadsRemain)>& pointsDiscarded) = 0;

    // The points are placed across `fillLoads`, which the screen only shows.
    virtual bool EditFocusPoints(QWidget* owner, const std::optional<FillLoadTable>& fillLoads,
                                 std::optional<FocusPointList>& points) = 0;
};

}  // namespace nubera::app
