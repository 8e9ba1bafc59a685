#pragma once

#include <functional>

namespace nubera {

class FRM_Main;

// Opens one input screen modally over the main window and returns when the
// screen has closed. The screen reaches the project, the results and the main
// window's few shared controls through the window it is given.
using ScreenOpener = std::function<void(FRM_Main&)>;

// The three input screens the main window's buttons open. An empty opener
// opens nothing (the button still refreshes its label and the run button).
struct InputScreens {
    ScreenOpener soil;    // FRM_土質条件入力
    ScreenOpener fill;    // FRM_盛土荷重入力
    ScreenOpener points;  // FRM_着目点手動設定
};

// The program's input screens; defined with the screens themselves.
InputScreens MakeInputScreens();

}  // namespace nubera
