#pragma once

#include <QString>

#include "app/screen_opener.h"
#include "input/soil_conditions_screen.h"

namespace nubera::widgets {
class MessageBox;
}  // namespace nubera::widgets

namespace nubera::app {

// The program's own input screens, each shown with exec().
class ModalScreenOpener : public ScreenOpener {
  public:
    // The screens' figures are looked for in `figureFolder` (the application folder).
    ModalScreenOpener(widgets::MessageBox& messages, QString figureFolder);

    bool EditSoilConditions(QWidget* owner, SoilConditions& conditions) override;
    bool EditFillLoads(QWidget* owner, FillLoads& loads, Placement placement, bool manualPointsSet,
                       const std::function<void(bool fillLoadsRemain)>& pointsDiscarded) override;
    bool EditFocusPoints(QWidget* owner, const std::optional<FillLoadTable>& fillLoads,
                         std::optional<FocusPointList>& points) override;

    // Lets the soil screen read layers from a boring file chosen here.
    void SetBoringFileChooser(input::SoilConditionsScreen::FileChooser choose) {
        chooseBoringFile_ = std::move(choose);
    }

  private:
    widgets::MessageBox& messages_;
    QString figureFolder_;
    input::SoilConditionsScreen::FileChooser chooseBoringFile_;
};

}  // namespace nubera::app
