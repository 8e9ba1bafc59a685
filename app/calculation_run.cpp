#include "calculation_run.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <chrono>
#include <exception>

#include "engine_error.h"
#include "equivalent_modulus.h"
#include "frm_main.h"
#include "lateral.h"
#include "message_box.h"
#include "path_text.h"
#include "result_preview.h"
#include "result_printout.h"
#include "result_workbook.h"
#include "settlement.h"
#include "utf8_text.h"
#include "wait_cursor.h"

namespace nubera {
namespace {

constexpr int kPauseBeforeReportMs = 1000;

std::chrono::year_month_day Today() {
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year(today.year()),
                                       std::chrono::month(static_cast<unsigned>(today.month())),
                                       std::chrono::day(static_cast<unsigned>(today.day()))};
}

// Restores the status text however the run ends.
class StatusText {
  public:
    explicit StatusText(FRM_Main& window) : window_(window) {}
    ~StatusText() { window_.SetStatusText(QString()); }
    StatusText(const StatusText&) = delete;
    StatusText& operator=(const StatusText&) = delete;
    void Show(const QString& text) { window_.SetStatusText(text); }

  private:
    FRM_Main& window_;
};

}  // namespace

void CalculationRun::Execute() {
    if (!window_.CheckPoissonRatio()) return;
    ProjectData& project = window_.Project();
    const MainWindowServices& services = window_.Services();
    QString resultPath;
    try {
        if (EquivalentModulus(project, window_.Results(), project.excavationWidth,
                              project.leveeWidth) == 0) {
            services.messages.Warning(&window_, QString::fromUtf8(kEquivalentModulusZero));
            return;
        }
        std::string refusal;
        const auto chosen = ChooseResultFileName(ToPath(services.appFolder), Today(), &refusal);
        if (!chosen) {
            // All names of the day taken, or the folder refusing new files.
            services.messages.Warning(&window_, ToQt(refusal));
            return;
        }
        resultPath = ToQString(*chosen);
        if (const QString failure = Produce(resultPath); !failure.isEmpty()) {
            Report(failure);
            return;
        }
    } catch (const std::exception& error) {
        // The name claimed for this run's workbook is given back.
        if (!resultPath.isEmpty()) QFile::remove(resultPath);
        const bool engine = dynamic_cast<const EngineError*>(&error) != nullptr;
        Report((engine ? QStringLiteral("計算できませんでした。\r\n")
                       : QStringLiteral("計算中にエラーが発生しました。\r\n")) +
               ToQt(error.what()) + QStringLiteral("\r\n入力した条件をご確認ください。"));
        return;
    }
    // The run ends when the person closes the preview.
    QStringList sheets;
    for (const std::string& sheet : PrintedResultSheets(project.alsoLateral)) {
        sheets.push_back(QString::fromStdString(sheet));
    }
    services.preview.Show(&window_, resultPath, sheets);
}

// The calculation and the workbook, under the hourglass with the progress in
// the status bar (both restored however this ends). Returns what failed, or
// an empty text once the workbook is saved.
QString CalculationRun::Produce(const QString& resultPath) {
    ProjectData& project = window_.Project();
    CalcResults& results = window_.Results();
    const MainWindowServices& services = window_.Services();
    WaitCursor wait;
    StatusText status(window_);
    status.Show(QStringLiteral("計算中です．．．"));
    RunSettlementStep(project, results, window_.SelectedPlacement());
    if (project.alsoLateral) ComputeLateral(project, results);
    services.pause(kPauseBeforeReportMs);

    status.Show(QStringLiteral("Excelへ展開中です．．．"));
    std::string error;
    const auto templatePath =
        ToPath(QDir(services.appFolder).filePath(QString::fromUtf8(kTemplateFileName)));
    if (WriteResultWorkbook(project, results, templatePath, ToPath(resultPath), &error)) return {};
    // The error already says that the workbook could not be made, and why.
    return ToQt(error) +
           QStringLiteral("\r\n雛形ファイルとアプリケーションフォルダをご確認ください。");
}

void CalculationRun::Report(const QString& text) {
    window_.Services().messages.Warning(&window_, text);
}

}  // namespace nubera
