#pragma once

#include <QMainWindow>
#include <QStringList>

#include "app/main_window_services.h"
#include "app/recent_files.h"
#include "app/session_views.h"
#include "app/workspace/workspace_change.h"
#include "model/placement.h"
#include "model/processing_mode.h"
#include "model/project_data.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QUndoStack;

namespace nubera::widgets {
class NumericField;
}  // namespace nubera::widgets

namespace nubera {
class ProjectSession;
struct LoadedProject;
}  // namespace nubera

namespace nubera::app {

class DesktopRun;
class ProjectFileCommands;
class ResultsPanel;

// The status texts of the three input buttons' labels.
inline const QString kStatusSet = QStringLiteral("設定されました");
inline const QString kStatusUnset = QStringLiteral("未設定です。");  // after a screen closes
// The text the window starts with; a loaded project and manual points
// discarded with new fill loads show it too.
inline const QString kStatusUnsetInitial = QStringLiteral("未設定です");

// The main window "ヌベラプログラム": the three input buttons with their status
// labels, the processing mode with Poisson's ratio, the placement of the
// points of interest, the run, the file commands and the menus, and beside
// them the results panel, recomputed on every committed change, with undo
// and redo of those changes. It works on the program's project session, shows whether the project
// changed since it was last loaded or saved (the title names the project file and marks unsaved
// changes), and offers to save them before the program ends. The run and the file commands see it
// only through their views.
class MainWindow : public QMainWindow, private RunView, private FileCommandsView {
    Q_OBJECT

  public:
    MainWindow(ProjectSession& session, MainWindowServices services);
    ~MainWindow() override;

    // Puts the window into its initial state (no soil, fill or point data,
    // settlement only, automatic placement, run disabled) and shows it centred.
    void Start();

    // A project file given from outside (the command line, a file manager,
    // a second copy of the program): loaded as the load command loads it.
    // While a screen, a question, a run or another command is open the file
    // waits, so that nothing open ever works on a project replaced under it;
    // it is opened once the window is idle again.
    void OpenProjectFile(const QString& name);
    // A screen, a question, a run or a command of this window is open.
    bool Busy() const;

    Placement SelectedPlacement() const override;
    // The processing-mode option and the placement option as if clicked:
    // selected, with their behaviour.
    void SelectProcessingMode(ProcessingMode mode);
    void SelectPlacement(Placement placement);

    // Validates the Poisson's-ratio box and stores the ratio (0.3 when the box
    // is empty). False, after a message with the focus back in the box, when
    // the entry is invalid.
    bool CheckPoissonRatio() override;

    // Puts the mouse pointer on the centre of the run button.
    void MoveCursorToRun();

    // The project files offered again in the file menu.
    RecentFiles& Recent() { return recent_; }
    ResultsPanel& ResultsView() { return *resultsPanel_; }
    // The committed changes since the project was started or loaded, for
    // undo and redo.
    QUndoStack& History() { return *history_; }

    // What the first status panel says.
    QString StatusText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Screen { Soil, Fill, Points };

    QWidget* Parent() override { return this; }
    void ShowLoadedProject(const LoadedProject& loaded) override;
    void MarkSaved(const QString& file) override;
    void ShowAmendedProject() override;
    // The first status panel's text; the window repaints before it returns
    // (user input waits until the caller returns to the event loop).
    void SetStatusText(const QString& text) override;
    // The project differs from what was last loaded or saved (or from the
    // empty project at start).
    bool Modified() const override;
    // The SHA-256 (hex) of the project file as loaded or saved while the
    // project is unchanged since; empty when the inputs are in no file.
    std::string SavedProjectDigest() const override;
    // The status line says that `file` was loaded (and what the run still
    // needs), replacing what it said of the previous project, such as the
    // workbook of its last run.
    void SayLoaded(const QString& file) override;
    // 新規 once unsaved changes were dealt with: an empty project in the
    // window's initial state, with a history of its own.
    void StartNewProject() override;
    void ForgetRecentFile(const QString& file) override;

    // Marks the window busy while it lives; when the last one ends, files
    // handed over meanwhile are opened.
    class BusyScope {
      public:
        explicit BusyScope(MainWindow& window);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        MainWindow& window_;
    };

    void BuildControls();
    QWidget* BuildInputs();
    QWidget* BuildInputButtons();
    QWidget* BuildModeFrame();
    QWidget* BuildPlacementFrame();
    void BuildMenus();
    void BuildFileMenu();
    void ShowRecentFiles();
    // The inputs' state of an empty project.
    void ShowNewProject();
    void ShowStatuses();
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

    // Recomputes the results panel from the project as it now stands (every
    // committed change calls it).
    void RefreshResults();
    // Keeps the panel's results for comparison, named by the time and the project file.
    void KeepResults();
    // The project and the window's own inputs as they stand.
    WorkspaceState CurrentState() const;
    // Puts the project and the window's inputs back as they were in `state`.
    void RestoreState(const WorkspaceState& state);
    // Puts the change since the last commit on the undo stack as `what`.
    void Commit(const QString& what);
    // A new or loaded project starts a history of its own.
    void ResetHistory();
    void SetPoissonBackground(bool enabled);
    void ShowVersion();
    void EditProjectDescription();
    // Opens the files handed over while the window was busy, one at a time,
    // once it is idle.
    void OpenWaitingFiles();
    void ScheduleWaitingFiles(int delayMs);

    ProjectSession& session_;
    ProjectData& project_;  // the session's
    MainWindowServices services_;
    std::unique_ptr<DesktopRun> run_;
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
    widgets::NumericField* poissonBox_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* endButton_ = nullptr;
    QLabel* runRequirement_ = nullptr;
    ResultsPanel* resultsPanel_ = nullptr;
    QUndoStack* history_ = nullptr;
    WorkspaceState committed_;
    QMenu* recentMenu_ = nullptr;
    RecentFiles recent_;
    int busy_ = 0;
    QStringList waitingFiles_;
};

}  // namespace nubera::app
