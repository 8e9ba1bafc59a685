#include "app/desktop_run.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <optional>

#include "app/main_window_services.h"
#include "app/preview/result_preview.h"
#include "app/session_views.h"
#include "engine/calculation.h"
#include "engine/design_results.h"
#include "engine/engine_error.h"
#include "engine/equivalent_modulus.h"
#include "files/result_folder.h"
#include "projectfile/project_session.h"
#include "report/result_printout.h"
#include "report/result_workbook.h"
#include "screenrules/run_warnings.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "text/local_date.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/qt_path.h"
#include "widgets/utf8_text.h"
#include "widgets/wait_cursor.h"

namespace nubera::app {
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

report::ResultNaming ResultNamingFor(const QString& projectFile,
                                     const std::filesystem::path& folder) {
    if (projectFile.isEmpty()) return report::DatedResultNaming(folder, LocalToday());
    return report::ProjectResultNaming(folder,
                                       widgets::ToPath(QFileInfo(projectFile).completeBaseName()));
}

void DesktopRun::Execute() {
    if (!view_.CheckPoissonRatio() || !Runnable() || !WarningsAccepted()) return;
    QString resultPath;
    try {
        if (const QString failure = Produce(resultPath); !failure.isEmpty()) {
            Report(failure);
            return;
        }
    } catch (const std::exception& error) {
        Report(widgets::ToQt(CalculationFailureText(error)));
        return;
    }
    // The status line keeps where the workbook went; the run ends when the
    // person closes the preview.
    view_.SetStatusText(QStringLiteral("計算結果: ") + QDir::toNativeSeparators(resultPath));
    lastResult_ = resultPath;
    ShowResult(resultPath);
}

QString DesktopRun::LastResult() const {
    const QString projectFile = ProjectFileOf(session_);
    if (projectFile.isEmpty()) return QFileInfo::exists(lastResult_) ? lastResult_ : QString();
    std::string refusal;
    const auto folder = ResultFolder(widgets::ToPath(services_.programFolder),
                                     widgets::ToPath(services_.documentsFolder), &refusal);
    if (!folder) return {};
    const auto newest = report::NewestProjectResult(
        *folder, widgets::ToPath(QFileInfo(projectFile).completeBaseName()));
    return newest ? widgets::ToQString(*newest) : QString();
}

void DesktopRun::ShowResult(const QString& workbook) {
    // The workbook says whether it holds the displacement, whatever the
    // project's mode is now.
    std::vector<std::string> present;
    try {
        present = sheet::OpenWorkbook(widgets::ToPath(workbook))->SheetNames();
    } catch (const std::exception& error) {
        Report(QStringLiteral("計算結果ファイルを開けません。\n") +
               QDir::toNativeSeparators(workbook) + QStringLiteral("\n") +
               widgets::ToQt(error.what()));
        return;
    }
    QStringList sheets;
    for (const std::string& sheet : report::PrintedResultSheets(true)) {
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
QString DesktopRun::Produce(QString& resultPath) {
    const ProjectData& project = session_.Project();
    const MainWindowServices& services = services_;
    std::string refusal;
    const std::optional<std::filesystem::path> resultFolder =
        ResultFolder(widgets::ToPath(services.programFolder),
                     widgets::ToPath(services.documentsFolder), &refusal);
    if (!resultFolder) {
        return QStringLiteral("計算結果を保存できるフォルダーがありません。\n") +
               widgets::ToQt(refusal);
    }
    std::optional<widgets::WaitCursor> wait;
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
    const auto templatePath = widgets::ToPath(
        QDir(services.dataFolder).filePath(QString::fromUtf8(report::kTemplateFileName)));
    // The report names the project file without its folder ("未保存" for none).
    const report::ReportContext context{
        QFileInfo(ProjectFileOf(session_)).fileName().toStdString(),
        std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()),
        view_.SelectedPlacement(), view_.SavedProjectDigest()};
    if (const auto published = report::WriteResultWorkbook(
            project, session_.Results(), context, templatePath,
            ResultNamingFor(ProjectFileOf(session_), *resultFolder), &error)) {
        resultPath = widgets::ToQString(*published);
        return {};
    }
    // Every name taken: the folder wants clearing, not the template.
    if (error == report::kNoFreeResultName) return QString::fromUtf8(report::kNoFreeResultName);
    // The error already says that the workbook could not be made, and why.
    return widgets::ToQt(error) +
           QStringLiteral("\n雛形ファイルとアプリケーションフォルダをご確認ください。");
}

// A project the run refuses is refused before anything is asked about it.
bool DesktopRun::Runnable() {
    try {
        CheckRunnable(session_.Project());
        return true;
    } catch (const EngineError& error) {
        Report(widgets::ToQt(CalculationFailureText(error)));
        return false;
    }
}

// A ratio that reverses every lateral displacement, or values outside their
// plausible ranges, run only when the person says so, knowing them: one
// question lists them all.
bool DesktopRun::WarningsAccepted() {
    const std::vector<std::string> warnings = RunWarnings(session_.Project());
    if (warnings.empty()) return true;
    QString question;
    for (const std::string& warning : warnings) question += widgets::ToQt(warning) + u'\n';
    return services_.messages.Ask(view_.Parent(),
                                  question + QStringLiteral("このまま計算しますか？"),
                                  widgets::MsgIcon::Exclamation);
}

void DesktopRun::Report(const QString& text) {
    services_.messages.Warning(view_.Parent(), text);
}

}  // namespace nubera::app
