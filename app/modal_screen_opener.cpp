#include "app/modal_screen_opener.h"

#include <QDialog>
#include <utility>

#include "input/fill_load_screen.h"
#include "input/focus_point_screen.h"
#include "input/soil_conditions_screen.h"

namespace nubera::app {
namespace {

// Runs the screen; when the person accepted, its values replace `values`.
template <typename Screen, typename Values>
bool Edit(Screen& screen, Values& values, const Values& (Screen::*accepted)() const) {
    if (screen.exec() != QDialog::Accepted) return false;
    values = (screen.*accepted)();
    return true;
}

}  // namespace

ModalScreenOpener::ModalScreenOpener(widgets::MessageBox& messages, QString figureFolder)
    : messages_(messages), figureFolder_(std::move(figureFolder)) {}

bool ModalScreenOpener::EditSoilConditions(QWidget* owner, SoilConditions& conditions) {
    input::SoilConditionsScreen screen(conditions, messages_, figureFolder_, owner);
    if (chooseBoringFile_) screen.SetBoringFileChooser(chooseBoringFile_);
    return Edit(screen, conditions, &input::SoilConditionsScreen::Conditions);
}

bool ModalScreenOpener::EditFillLoads(
    QWidget* owner, FillLoads& loads, Placement placement, bool manualPointsSet,
    const std::function<void(bool fillLoadsRemain)>& pointsDiscarded) {
    input::FillLoadScreen screen(loads, placement, manualPointsSet, messages_, figureFolder_,
                                 owner);
    QObject::connect(&screen, &input::FillLoadScreen::ManualPointsDiscarded, &screen,
                     pointsDiscarded);
    return Edit(screen, loads, &input::FillLoadScreen::Loads);
}

bool ModalScreenOpener::EditFocusPoints(QWidget* owner,
                                        const std::optional<FillLoadTable>& fillLoads,
                                        std::optional<FocusPointList>& points) {
    input::FocusPointScreen screen(fillLoads, points, messages_, owner);
    return Edit(screen, points, &input::FocusPointScreen::Points);
}

}  // namespace nubera::app
