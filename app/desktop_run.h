#pragma once

#include <QString>
#include <filesystem>

#include "report/result_workbook.h"

namespace nubera {
class ProjectSession;
}  // namespace nubera

namespace nubera::app {

class RunView;
struct MainWindowServices;

// The names a run's workbook may take in `folder`: a saved project's own
// (<project>_即時沈下量計算結果.xlsx, then _2, _3…), an unsaved one's dated
// names of today.
report::ResultNaming ResultNamingFor(const QString& projectFile,
                                     const std::filesystem::path& folder);

// The run of the main window's 実行 button: the Poisson's-ratio check, the
// inputs' refusals, one question about what the run warns of (RunWarnings),
// where いいえ ends the run, the equivalent modulus Em, a free result-file name, the settlement
// (and lateral displacement) of every load at every point, the result workbook, whose pages are
// then shown in the print preview; the run ends when it is closed. A failure stops the run with a
// message saying what failed; the pointer and the status text are restored and the project is kept.
class DesktopRun {
  public:
    DesktopRun(ProjectSession& session, const MainWindowServices& services, RunView& view)
        : session_(session), services_(services), view_(view) {}

    void Execute();

    // The newest workbook of the session's project: a saved project's own
    // names in the result folder, an unsaved one's last run of this session;
    // empty when there is none.
    QString LastResult() const;
    // A new project has no last result of its own yet.
    void ForgetLastResult() { lastResult_.clear(); }
    // Shows a saved workbook's pages in the preview.
    void ShowResult(const QString& workbook);

  private:
    bool Runnable();
    bool WarningsAccepted();
    QString Produce(QString& resultPath);
    void Report(const QString& text);

    ProjectSession& session_;
    const MainWindowServices& services_;
    RunView& view_;
    QString lastResult_;
};

}  // namespace nubera::app
