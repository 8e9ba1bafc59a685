#include "app/modal_input_screens.h"

#include <QDialog>
#include <utility>

#include "input/fill_load_screen.h"
#include "input/focus_point_screen.h"
#include "input/soil_conditions_screen.h"

namespace nubera {
namespace {

// Runs the screen; when the person accepted, its values replace `values`.
template <typename Screen, typename Values>
bool Edit(Screen& screen, Values& values, const Values& (Screen::*accepted)() const) {
    if (screen.exec() != QDialog::Accepted) return false;
    values = (screen.*accepted)();
    return true;
}

}  // namespace

ModalInputScreens::ModalInputScreens(MessageBox& messages, QString figureFolder)
    : messages_(messages), figureFolder_(std::move(figureFolder)) {}

bool ModalInputScreens::EditSoilConditions(QWidget* owner, SoilConditions& conditions) {
    SoilConditionsScreen screen(conditions, messages_, figureFolder_, owner);
    if (chooseBoringFile_) screen.SetBoringFileChooser(chooseBoringFile_);
    return Edit(screen, conditions, &SoilConditionsScreen::Conditions);
}

bool ModalInputScreens::EditFillLoads(
    QWidget* owner, FillLoads& loads, Placement placement, bool manualPointsSet,
    const std::function<void(bool fillLoadsRemain)>& pointsDiscarded) {
    FillLoadScreen screen(loads, placement, manualPointsSet, messages_, figureFolder_, owner);
    QObject::connect(&screen, &FillLoadScreen::ManualPointsDiscarded, &screen, pointsDiscarded);
    return Edit(screen, loads, &FillLoadScreen::Loads);
}

bool ModalInputScreens::EditFocusPoints(QWidget* owner,
                                        const std::optional<FillLoadTable>& fillLoads,
                                        std::optional<FocusPointList>& points) {
    FocusPointScreen screen(fillLoads, points, messages_, owner);
    return Edit(screen, points, &FocusPointScreen::Points);
}

}  // namespace nubera
