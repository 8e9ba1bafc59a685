#pragma once

#include <QString>

namespace nubera {

class ProjectSession;
class RunView;
struct MainWindowServices;

// The run of the main window's 実行 button: the Poisson's-ratio check, the
// equivalent modulus Em, a free result-file name, the settlement (and lateral
// displacement) of every load at every point, the result workbook, whose
// pages are then shown in the print preview; the run ends when it is closed.
// A failure stops the run with a message saying
// what failed; the pointer and the status text are restored and the project
// is kept.
class CalculationRun {
  public:
    CalculationRun(ProjectSession& session, const MainWindowServices& services, RunView& view)
        : session_(session), services_(services), view_(view) {}

    void Execute();

  private:
    bool PoissonRatioAccepted();
    QString Produce(QString& resultPath);
    void Report(const QString& text);

    ProjectSession& session_;
    const MainWindowServices& services_;
    RunView& view_;
};

}  // namespace nubera
