#include "app/calculation_run.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <exception>
#include <filesystem>
#include <optional>

#include "app/main_window.h"
#include "app/result_preview.h"
#include "engine/calculation.h"
#include "engine/engine_error.h"
#include "engine/equivalent_modulus.h"
#include "files/result_folder.h"
#include "report/result_printout.h"
#include "report/result_workbook.h"
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
    explicit StatusText(MainWindow& window) : window_(window) {}
    ~StatusText() { window_.SetStatusText(QString()); }
    StatusText(const StatusText&) = delete;
    StatusText& operator=(const StatusText&) = delete;
    void Show(const QString& text) { window_.SetStatusText(text); }

  private:
    MainWindow& window_;
};

}  // namespace

void CalculationRun::Execute() {
    if (!window_.CheckPoissonRatio()) return;
    QString resultPath;
    try {
        if (const QString failure = Produce(resultPath); !failure.isEmpty()) {
            Report(failure);
            return;
        }
    } catch (const std::exception& error) {
        const bool engine = dynamic_cast<const EngineError*>(&error) != nullptr;
        Report((engine ? QStringLiteral("計算できませんでした。\n")
                       : QStringLiteral("計算中にエラーが発生しました。\n")) +
               ToQt(error.what()) + QStringLiteral("\n入力した条件をご確認ください。"));
        return;
    }
    // The status line keeps where the workbook went; the run ends when the
    // person closes the preview.
    window_.SetStatusText(QStringLiteral("計算結果: ") + QDir::toNativeSeparators(resultPath));
    QStringList sheets;
    for (const std::string& sheet : PrintedResultSheets(window_.Project().alsoLateral)) {
        sheets.push_back(QString::fromStdString(sheet));
    }
    window_.Services().preview.Show(&window_, resultPath, sheets);
}

// Em; once it is usable and some result name of the day is still free, the
// rest of the calculation and the workbook run under the hourglass with the
// progress in the status bar (both restored however this ends). The workbook
// takes its name only once complete. Returns what stopped the run, or an
// empty text once the workbook is published at `resultPath`.
QString CalculationRun::Produce(QString& resultPath) {
    const ProjectData& project = window_.Project();
    const MainWindowServices& services = window_.Services();
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
        status.emplace(window_);
        status->Show(QStringLiteral("計算中です．．．"));
        return true;
    };
    switch (RunCalculation(project, window_.Results(), window_.SelectedPlacement(), nameLeft)) {
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
        QFileInfo(window_.ProjectFile()).fileName().toStdString(),
        std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()),
        window_.SelectedPlacement()};
    if (const auto published = WriteResultWorkbook(project, window_.Results(), context,
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

void CalculationRun::Report(const QString& text) {
    window_.Services().messages.Warning(&window_, text);
}

}  // namespace nubera
