#include "report/result_template.h"

#include <exception>
#include <system_error>
#include <vector>

#include "files/system_reason.h"
#include "model/calc_results.h"
#include "report/sheets/cover_sheet.h"
#include "report/sheets/input_sheet.h"
#include "report/sheets/method_sheet.h"
#include "report/sheets/summary_extremes.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/spreadsheet_error.h"
#include "spreadsheet/worksheet.h"
#include "text/path_text.h"

namespace nubera::report {
namespace {

std::vector<std::string> SummaryLabelNames() {
    std::vector<std::string> names;
    for (const char* prefix : {"LBL_X", "LBL_XP"}) {
        for (std::size_t k = 0; k < kPointCount; ++k) {
            names.push_back(prefix + std::to_string(k));
        }
    }
    for (int k = 0; k < 10; ++k) {
        names.push_back("LBL_Tyaku" + std::to_string(k));
    }
    names.push_back("LBL_TyakuA");
    return names;
}

void CheckSummaryLabels(sheet::Workbook& book, const ResultSheetNames& sheets) {
    sheet::Worksheet& summary = book.Sheet(sheets.summary);
    for (const std::string& label : SummaryLabelNames()) {
        summary.GetLabel(label);
    }
}

void CheckTemplate(sheet::Workbook& book, bool alsoLateral) {
    for (const char* name : {kCoverSheet, kInputSheet, kInputModelSheet, kMethodSheet,
                             kMethodModelSheet, kSummaryModelSheet}) {
        book.Sheet(name);
    }
    for (const ResultSheetNames& sheets : {kSettlementSheets, kDisplacementSheets}) {
        book.Sheet(sheets.model);
        book.Sheet(sheets.calc);
        book.Sheet(sheets.summary);
    }
    CheckSummaryLabels(book, kSettlementSheets);
    if (alsoLateral) CheckSummaryLabels(book, kDisplacementSheets);
}

}  // namespace

std::optional<ResultTemplate> ResultTemplate::Load(const std::filesystem::path& path,
                                                   std::string* error) {
    std::error_code looked;
    if (!std::filesystem::is_regular_file(path, looked)) {
        *error = "雛形ファイル「" + Utf8FromPath(path) +
                 (looked && looked != std::errc::no_such_file_or_directory
                      ? "」を開けません: " + SystemReasonText(looked.value())
                      : std::string("」が見つかりません"));
        return std::nullopt;
    }
    try {
        ResultTemplate loaded(sheet::ReadWorkbookImage(path));
        const std::unique_ptr<sheet::Workbook> book = loaded.NewWorkbook();
        CheckTemplate(*book, false);
        try {
            CheckTemplate(*book, true);
        } catch (const sheet::SpreadsheetError& missing) {  // settlement-only runs go on
            loaded.displacementMissing_ = missing.what();
        }
        return loaded;
    } catch (const std::exception& failure) {  // the model's SpreadsheetError above all
        *error = failure.what();
        return std::nullopt;
    }
}

std::unique_ptr<sheet::Workbook> ResultTemplate::NewWorkbook() const {
    return sheet::OpenWorkbook(*image_);
}

}  // namespace nubera::report
