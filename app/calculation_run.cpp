#include "app/calculation_run.h"

#include <QDir>
#include <QFileInfo>
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

}  // namespace

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
    QStringList sheets;
    for (const std::string& sheet : PrintedResultSheets(session_.Project().alsoLateral)) {
        sheets.push_back(QString::fromStdString(sheet));
    }
    services_.preview.Show(view_.Parent(), resultPath, sheets);
}

// Em; once it is usable and some result name of the day is still free, the
// rest of the calculation and the workbook run under the hourglass with the
// progress in the status bar (both restored however this ends). The workbook
// takes its name only once complete. Returns what stopped the run, or an
// empty text once the workbook is published at `resultPath`.
QString CalculationRun::Produce(QString& resultPath) {
    const ProjectData& project = session_.Project();
    const MainWindowServices& services = services_;
    std::string refusal;
    const std::optional<std::filesystem::path> resultFolder =
        ResultFolder(ToPath(services.programFolder), ToPath(services.documentsFolder), &refusal);
    if (!resultFolder) {
        return QStringLiteral("計算結果を保存できるフォルダーがありません。\n") + ToQt(refusal);
    }
    const std::filesystem::path& folder = *resultFolder;
    const std::chrono::year_month_day today = LocalToday();
    std::optional<WaitCursor> wait;
    std::optional<StatusText> status;
    const auto nameLeft = [&] {
        // A full day stops the run before the person waits for it.
        if (!SomeResultNameFree(folder, today)) return false;
        wait.emplace();
        status.emplace(view_);
        status->Show(QStringLiteral("計算中です．．．"));
        return true;
    };
    switch (RunCalculation(project, session_.Results(), view_.SelectedPlacement(), nameLeft)) {
        case RunOutcome::ModulusZero:
            return QString::fromUtf8(kEquivalentModulusZero);
        case RunOutcome::Stopped:
            return QString::fromUtf8(kNoFreeResultName);
        case RunOutcome::Computed:
            break;
    }
    services.pause(kPauseBeforeReportMs);

    status->Show(QStringLiteral("Excelへ展開中です．．．"));
    std::string error;
    const auto templatePath =
        ToPath(QDir(services.dataFolder).filePath(QString::fromUtf8(kTemplateFileName)));
    // The report names the project file without its folder ("未保存" for none).
    const ReportContext context{
        QFileInfo(QString::fromStdString(session_.FileName())).fileName().toStdString(),
        std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()),
        view_.SelectedPlacement(), view_.SavedProjectDigest()};
    if (const auto published = WriteResultWorkbook(project, session_.Results(), context,
                                                   templatePath, folder, today, &error)) {
        resultPath = ToQString(*published);
        return {};
    }
    // All names taken meanwhile: the same message as before the calculation.
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
