#pragma once

#include <QMainWindow>

#include "app/main_window_services.h"
#include "app/recent_files.h"
#include "app/workspace_change.h"
#include "model/calc_results.h"
#include "model/placement.h"
#include "model/processing_mode.h"
#include "model/project_data.h"
#include "projectfile/saved_project_state.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QUndoStack;

namespace nubera {

class NumericField;
class CalculationRun;
class ProjectFileCommands;
class ResultsPanel;
struct LoadedProject;

// The status texts of the three input buttons' labels.
inline const QString kStatusSet = QStringLiteral("設定されました");
inline const QString kStatusUnset = QStringLiteral("未設定です。");  // after a screen closes
// The text the window starts with; a loaded project and manual points
// discarded with new fill loads show it too.
inline const QString kStatusUnsetInitial = QStringLiteral("未設定です");

// The main window "ヌベラプログラム": the three input buttons with their status
// labels, the processing mode with Poisson's ratio, the placement of the
// points of interest, the run, the file commands and the menus. It works on
// the one project and the one set of results of the program, knows whether
// the project changed since it was last loaded or saved (the title names the
// project file and marks unsaved changes), and offers to save them before
// the program ends.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(ProjectData& project, CalcResults& results, MainWindowServices services);
    ~MainWindow() override;

    // 新規 once unsaved changes were dealt with: an empty project in the
    // window's initial state, with a history of its own.
    void StartNewProject();
    // The project files offered again in the file menu.
    RecentFiles& Recent() { return recent_; }

    // Puts the window into its initial state (no soil, fill or point data,
    // settlement only, automatic placement, run disabled) and shows it centred.
    void Start();

    // A project file given from outside (the command line, a file manager,
    // a second copy of the program): loaded as the load command loads it.
    void OpenProjectFile(const QString& name);

    ProjectData& Project() { return project_; }
    CalcResults& Results() { return results_; }
    const MainWindowServices& Services() const { return services_; }

    Placement SelectedPlacement() const;
    // The processing-mode option and the placement option as if clicked:
    // selected, with their behaviour.
    void SelectProcessingMode(ProcessingMode mode);
    void SelectPlacement(Placement placement);

    // Validates the Poisson's-ratio box and stores the ratio (0.3 when the box
    // is empty). False, after a message with the focus back in the box, when
    // the entry is invalid.
    bool CheckPoissonRatio();

    // Puts the mouse pointer on the centre of the run button.
    void MoveCursorToRun();

    // Shows the window's state of a successfully loaded project.
    void ShowLoadedProject(const LoadedProject& loaded);

    // The project as it is now is the one in `file` (just loaded or saved).
    void MarkSaved(const QString& file);
    // The project file last loaded or saved; empty for a new project.
    const QString& ProjectFile() const { return projectFile_; }
    // The project differs from what was last loaded or saved (or from the
    // empty project at start).
    bool Modified() const;

    // Recomputes the results panel from the project as it now stands (every
    // committed change calls it).
    void RefreshResults();
    ResultsPanel& ResultsView() { return *resultsPanel_; }

    // The committed changes since the project was started or loaded, for
    // undo and redo.
    QUndoStack& History() { return *history_; }
    // The project and the window's own inputs as they stand.
    WorkspaceState CurrentState() const;
    // Puts the project and the window's inputs back as they were in `state`.
    void RestoreState(const WorkspaceState& state);

    // The first status panel's text; the window repaints before it returns
    // (user input waits until the caller returns to the event loop).
    void SetStatusText(const QString& text);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Screen { Soil, Fill, Points };

    void BuildControls();
    QWidget* BuildInputs();
    // Keeps the panel's results for comparison, named by the time and the project file.
    void KeepResults();
    // Puts the change since the last commit on the undo stack as `what`.
    void Commit(const QString& what);
    // A new or loaded project starts a history of its own.
    void ResetHistory();
    void ShowStatuses();
    QWidget* BuildInputButtons();
    QWidget* BuildModeFrame();
    QWidget* BuildPlacementFrame();
    void BuildMenus();
    void BuildFileMenu();
    void ShowRecentFiles();
    // The inputs' state of an empty project.
    void ShowNewProject();
    // Shows the newest workbook of this project (a saved project's own
    // names, else this session's last run) without a new run.
    void OpenLastResult();
    void ConnectControls();
    void SetTabOrder();

    // Opens the screen on copies of its values and commits what it accepted.
    void OpenScreen(Screen screen);
    void AfterScreenClosed(Screen screen);
    // The points' status and button once a fill-load commit discards them.
    void ShowPointsDiscarded(bool fillLoadsRemain);
    // Enables the run button by the rule; when enabled it also takes the focus
    // and the pointer.
    void ApplyRunRule(Placement placement);
    // Enables the run button by the rule and says what it still needs, in its
    // tooltip and on the status line.
    void ShowRunState(Placement placement);
    void ShowModified();
    // Asks whether to save unsaved changes before the program ends; false when
    // the person withdrew, or the save did not happen.
    bool SaveBeforeClosing();
    void SetPoissonBackground(bool enabled);
    void ShowVersion();

    ProjectData& project_;
    CalcResults& results_;
    MainWindowServices services_;
    std::unique_ptr<CalculationRun> run_;
    std::unique_ptr<ProjectFileCommands> fileCommands_;

    QPushButton* soilButton_ = nullptr;
    QPushButton* fillButton_ = nullptr;
    QPushButton* pointsButton_ = nullptr;
    QLabel* soilStatus_ = nullptr;
    QLabel* fillStatus_ = nullptr;
    QLabel* pointsStatus_ = nullptr;
    QRadioButton* settlementOnlyOption_ = nullptr;
    QRadioButton* alsoLateralOption_ = nullptr;
    QRadioButton* automaticOption_ = nullptr;
    QRadioButton* manualOption_ = nullptr;
    NumericField* poissonBox_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* endButton_ = nullptr;
    QLabel* runRequirement_ = nullptr;
    ResultsPanel* resultsPanel_ = nullptr;
    QUndoStack* history_ = nullptr;
    WorkspaceState committed_;

    QMenu* recentMenu_ = nullptr;
    RecentFiles recent_;
    QString projectFile_;
    SavedProjectState saved_;
};

}  // namespace nubera
