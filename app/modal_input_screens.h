#pragma once

#include <QString>

#include "app/input_screens.h"
#include "input/soil_conditions_screen.h"

namespace nubera {

class MessageBox;

// The program's own input screens, each shown with exec().
class ModalInputScreens : public InputScreens {
  public:
    // The screens' figures are looked for in `figureFolder` (the application folder).
    ModalInputScreens(MessageBox& messages, QString figureFolder);

    bool EditSoilConditions(QWidget* owner, SoilConditions& conditions) override;
    bool EditFillLoads(QWidget* owner, FillLoads& loads, Placement placement, bool manualPointsSet,
                       const std::function<void(bool fillLoadsRemain)>& pointsDiscarded) override;
    bool EditFocusPoints(QWidget* owner, const std::optional<FillLoadTable>& fillLoads,
                         std::optional<FocusPointList>& points) override;

    // Lets the soil screen read layers from a boring file chosen here.
    void SetBoringFileChooser(SoilConditionsScreen::FileChooser choose) {
        chooseBoringFile_ = std::move(choose);
    }

  private:
    MessageBox& messages_;
    QString figureFolder_;
    SoilConditionsScreen::FileChooser chooseBoringFile_;
};

}  // namespace nubera
