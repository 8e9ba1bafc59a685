#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

#include "report/result_workbook.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/report/report_run.h"

namespace nubera::test {

inline constexpr std::chrono::year_month_day kReportDay{std::chrono::year{2010},
                                                        std::chrono::January, std::chrono::day{12}};

// A produced workbook, written through the real template and read back with
// the spreadsheet model.
class ProducedWorkbook {
  public:
    ProducedWorkbook(const ReportRun& run, std::string_view folderName) {
        const auto folder = FreshFolder(folderName);
        std::string error;
        const auto published = report::WriteResultWorkbook(
            run.project, run.results, run.context, TemplatePath(), folder, kReportDay, &error);
        ok_ = published.has_value();
        EXPECT_TRUE(ok_) << error;
        if (ok_) {
            path_ = *published;
            book_ = sheet::OpenWorkbook(path_);
        }
    }
    bool ok() const { return ok_ && book_; }
    sheet::Workbook& book() { return *book_; }
    sheet::Worksheet& Sheet(std::string_view name) { return book_->Sheet(name); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    bool ok_ = false;
    std::unique_ptr<sheet::Workbook> book_;
};

}  // namespace nubera::test
