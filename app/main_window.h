#pragma once

#include <QMainWindow>
#include <array>

#include "calc_results.h"
#include "main_window_services.h"
#include "placement.h"
#include "project_data.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace nubera {

class NumericField;
class CalculationRun;
class ProjectFileCommands;
struct LoadedProject;

// The status texts of the three input buttons' labels.
inline const QString kStatusSet = QStringLiteral("設定されました");
inline const QString kStatusUnset = QStringLiteral("未設定です。");  // after a screen closes
// The text the window starts with; the project loader and the fill-load
// screen use it too.
inline const QString kStatusUnsetInitial = QStringLiteral("未設定です");

// The main window "ヌベラプログラム": the three input buttons with their status
// labels, the processing mode with Poisson's ratio, the placement of the
// points of interest, the run, the file commands and the menus. It works on
// the one project and the one set of results of the program.
class FRM_Main : public QMainWindow {
    Q_OBJECT

  public:
    FRM_Main(ProjectData& project, CalcResults& results, MainWindowServices services);
    ~FRM_Main() override;

    // Puts the window into its initial state (no soil, fill or point data,
    // settlement only, automatic placement, run disabled) and shows it centred.
    void Start();

    ProjectData& Project() { return project_; }
    CalcResults& Results() { return results_; }
    const MainWindowServices& Services() const { return services_; }

    // What the fill-load screen reaches on its commit in manual mode.
    bool ManualPlacementSelected() const;
    void SetPointsStatus(const QString& text);
    void SetPointsButtonEnabled(bool enabled);

    Placement SelectedPlacement() const;
    // The processing-mode option (0 settlement only, 1 with lateral
    // displacement) and the placement option (0 automatic, 1 manual) as if
    // clicked: selected, with their behaviour.
    void SelectProcessingMode(int index);
    void SelectPlacement(int index);

    // Validates the Poisson's-ratio box and stores the ratio (0.3 when the box
    // is empty). False, after a message with the focus back in the box, when
    // the entry is invalid.
    bool CheckPoissonRatio();

    // Puts the mouse pointer on the centre of the run button.
    void MoveCursorToRun();

    // Shows the window's state of a successfully loaded project.
    void ShowLoadedProject(const LoadedProject& loaded);

    // The first status panel's text; the window repaints before it returns
    // (user input waits until the caller returns to the event loop).
    void SetStatusText(const QString& text);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Screen { Soil, Fill, Points };

    void BuildControls();
    QWidget* BuildInputButtons();
    QWidget* BuildModeFrame();
    QWidget* BuildPlacementFrame();
    void BuildMenus();
    void ConnectControls();
    void SetTabOrder();

    void OpenScreen(Screen screen);
    void AfterScreenClosed(Screen screen);
    // Enables the run button by the rule; when enabled it also takes the focus
    // and the pointer.
    void ApplyRunRule(Placement placement);
    void SetPoissonBackground(bool enabled);
    void ShowVersion();

    ProjectData& project_;
    CalcResults& results_;
    MainWindowServices services_;
    std::unique_ptr<CalculationRun> run_;
    std::unique_ptr<ProjectFileCommands> fileCommands_;

    QPushButton* CMD_土質条件 = nullptr;
    QPushButton* CMD_盛土荷重 = nullptr;
    QPushButton* CMD_着目点 = nullptr;
    QLabel* LBL_土質条件 = nullptr;
    QLabel* LBL_盛土荷重 = nullptr;
    QLabel* LBL_着目点 = nullptr;
    std::array<QRadioButton*, 2> OPT_Select{};
    std::array<QRadioButton*, 2> OPT_Tyaku{};
    NumericField* TXT_Poa = nullptr;
    QPushButton* CMD_Exec = nullptr;
    QPushButton* CMD_Cancel = nullptr;
};

}  // namespace nubera
