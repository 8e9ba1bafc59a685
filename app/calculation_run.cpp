#include "app/calculation_run.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <optional>

#include "app/main_window_services.h"
#include "app/result_preview.h"
#include "app/session_views.h"
#include "engine/calculation.h"
#include "engine/design_results.h"
#include "engine/equivalent_modulus.h"
#include "files/result_folder.h"
#include "projectfile/project_session.h"
#include "report/result_printout.h"
#include "report/result_workbook.h"
#include "screenrules/poisson_ratio.h"
#include "spreadsheet/workbook.h"
#include "text/local_date.h"
#include "widgets/message_box.h"
#include "widgets/qt_path.h"
#include "widgets/utf8_text.h"
#include "widgets/wait_cursor.h"

namespace nubera {
namespace {

constexpr int kPauseBeforeReportMs = 1000;

// Restores the status text however the run ends.
class StatusText {
  public:
    explicit StatusText(RunView& view) : view_(view) {}
    ~StatusText() { view_.SetStatusText(QString()); }
    StatusText(const StatusText&) = delete;
    StatusText& operator=(const StatusText&) = delete;
    void Show(const QString& text) { view_.SetStatusText(text); }

  private:
    RunView& view_;
};

// The session's project file as the window shows it; empty when unsaved.
QString ProjectFileOf(const ProjectSession& session) {
    return QString::fromStdString(session.FileName());
}

}  // namespace

ResultNaming ResultNamingFor(const QString& projectFile, const std::filesystem::path& folder) {
    if (projectFile.isEmpty()) return DatedResultNaming(folder, LocalToday());
    return ProjectResultNaming(folder, ToPath(QFileInfo(projectFile).completeBaseName()));
}

void CalculationRun::Execute() {
    if (!view_.CheckPoissonRatio() || !PoissonRatioAccepted()) return;
    QString resultPath;
    try {
        if (const QString failure = Produce(resultPath); !failure.isEmpty()) {
            Report(failure);
            return;
        }
    } catch (const std::exception& error) {
        Report(ToQt(CalculationFailureText(error)));
        return;
    }
    // The status line keeps where the workbook went; the run ends when the
    // person closes the preview.
    view_.SetStatusText(QStringLiteral("計算結果: ") + QDir::toNativeSeparators(resultPath));
    lastResult_ = resultPath;
    ShowResult(resultPath);
}

QString CalculationRun::LastResult() const {
    const QString projectFile = ProjectFileOf(session_);
    if (projectFile.isEmpty()) return QFileInfo::exists(lastResult_) ? lastResult_ : QString();
    std::string refusal;
    const auto folder =
        ResultFolder(ToPath(services_.programFolder), ToPath(services_.documentsFolder), &refusal);
    if (!folder) return {};
    const auto newest =
        NewestProjectResult(*folder, ToPath(QFileInfo(projectFile).completeBaseName()));
    return newest ? ToQString(*newest) : QString();
}

void CalculationRun::ShowResult(const QString& workbook) {
    // The workbook says whether it holds the displacement, whatever the
    // project's mode is now.
    std::vector<std::string> present;
    try {
        present = sheet::Workbook::Open(ToPath(workbook))->SheetNames();
    } catch (const std::exception& error) {
        Report(QStringLiteral("計算結果ファイルを開けません。\n") +
               QDir::toNativeSeparators(workbook) + QStringLiteral("\n") + ToQt(error.what()));
        return;
    }
    QStringList sheets;
    for (const std::string& sheet : PrintedResultSheets(true)) {
        if (std::find(present.begin(), present.end(), sheet) != present.end()) {
            sheets.push_back(QString::fromStdString(sheet));
        }
    }
    services_.preview.Show(view_.Parent(), workbook, sheets);
}

// Em; once it is usable, the rest of the calculation and the workbook run
// under the hourglass with the progress in the status bar (both restored
// however this ends). The workbook takes its name only once complete: a
// saved project's own name, an unsaved one's dated name. Returns what
// stopped the run, or an empty text once the workbook is published at
// `resultPath`.
QString CalculationRun::Produce(QString& resultPath) {
    const ProjectData& project = session_.Project();
    const MainWindowServices& services = services_;
    std::string refusal;
    const std::optional<std::filesystem::path> resultFolder =
        ResultFolder(ToPath(services.programFolder), ToPath(services.documentsFolder), &refusal);
    if (!resultFolder) {
        return QStringLiteral("計算結果を保存できるフォルダーがありません。\n") + ToQt(refusal);
    }
    std::optional<WaitCursor> wait;
    std::optional<StatusText> status;
    const auto busy = [&] {
        wait.emplace();
        status.emplace(view_);
        status->Show(QStringLiteral("計算中です．．．"));
        return true;
    };
    if (RunCalculation(project, session_.Results(), view_.SelectedPlacement(), busy) ==
        RunOutcome::ModulusZero) {
        return QString::fromUtf8(kEquivalentModulusZero);
    }
    services.pause(kPauseBeforeReportMs);

    status->Show(QStringLiteral("Excelへ展開中です．．．"));
    std::string error;
    const auto templatePath =
        ToPath(QDir(services.dataFolder).filePath(QString::fromUtf8(kTemplateFileName)));
    // The report names the project file without its folder ("未保存" for none).
    const ReportContext context{
        QFileInfo(ProjectFileOf(session_)).fileName().toStdString(),
        std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()),
        view_.SelectedPlacement(), view_.SavedProjectDigest()};
    if (const auto published =
            WriteResultWorkbook(project, session_.Results(), context, templatePath,
                                ResultNamingFor(ProjectFileOf(session_), *resultFolder), &error)) {
        resultPath = ToQString(*published);
        return {};
    }
    // Every name taken: the folder wants clearing, not the template.
    if (error == kNoFreeResultName) return QString::fromUtf8(kNoFreeResultName);
    // The error already says that the workbook could not be made, and why.
    return ToQt(error) +
           QStringLiteral("\n雛形ファイルとアプリケーションフォルダをご確認ください。");
}

// A ratio that reverses every lateral displacement runs only when the person
// says so, knowing its effect.
bool CalculationRun::PoissonRatioAccepted() {
    const ProjectData& project = session_.Project();
    const std::string warning = PoissonRatioWarning(project.alsoLateral, project.poissonRatio);
    return warning.empty() ||
           services_.messages.Ask(view_.Parent(),
                                  ToQt(warning) + QStringLiteral("\nこのまま計算しますか？"),
                                  MsgIcon::Exclamation);
}

void CalculationRun::Report(const QString& text) {
    services_.messages.Warning(view_.Parent(), text);
}

}  // namespace nubera
