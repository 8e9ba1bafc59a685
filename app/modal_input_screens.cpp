#include "input_screens.h"

#include "fill_load_screen.h"
#include "focus_point_screen.h"
#include "frm_main.h"
#include "soil_conditions_screen.h"

namespace nubera {

InputScreens MakeInputScreens() {
    InputScreens screens;
    screens.soil = [](FRM_Main& main) {
        const MainWindowServices& services = main.Services();
        FRM_土質条件入力 screen(main.Project(), main.Results(), services.messages,
                                services.appFolder, &main);
        screen.exec();
    };
    screens.fill = [](FRM_Main& main) {
        const MainWindowServices& services = main.Services();
        const ManualPointsLink points{
            [&main] { return main.ManualPlacementSelected(); },
            [&main] { main.SetPointsStatus(kStatusUnsetInitial); },
            [&main](bool enabled) { main.SetPointsButtonEnabled(enabled); }};
        FRM_盛土荷重入力 screen(main.Project(), services.messages, services.appFolder, points,
                                &main);
        screen.exec();
    };
    screens.points = [](FRM_Main& main) {
        FRM_着目点手動設定 screen(main.Project(), main.Services().messages, &main);
        screen.exec();
    };
    return screens;
}

}  // namespace nubera
