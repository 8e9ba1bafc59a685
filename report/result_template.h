#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "spreadsheet/workbook.h"

namespace nubera::sheet {
class WorkbookImage;
}  // namespace nubera::sheet

namespace nubera::report {

// The three sheets of one kind of result in the template: the model rows the
// calculation sheet is built of, the calculation sheet and the summary.
struct ResultSheetNames {
    const char* model;
    const char* calc;
    const char* summary;
};

inline constexpr ResultSheetNames kSettlementSheets{"即時沈下量の計算雛形", "即時沈下量の計算",
                                                    "即時沈下量のまとめ"};
inline constexpr ResultSheetNames kDisplacementSheets{"側方変位量の計算雛形", "側方変位量の計算",
                                                      "側方変位量のまとめ"};

// The report template read from its file and checked once, from which any
// number of workbooks are written. Copies share the parts read, which are
// never changed, so threads may take workbooks from one template at once.
class ResultTemplate {
  public:
    // Looks up every sheet and label a run will touch, so that a template
    // lacking one fails before anything is written. Returns nothing and sets
    // *error (the template missing or damaged, a sheet or a settlement label
    // missing from it) when it cannot be used at all.
    static std::optional<ResultTemplate> Load(const std::filesystem::path& path,
                                              std::string* error);

    // What the template lacks for a run with (or without) the displacement,
    // naming it; empty when it holds everything.
    std::string Missing(bool alsoLateral) const {
        return alsoLateral ? displacementMissing_ : std::string();
    }

    // A workbook of its own to write into. Throws SpreadsheetError.
    std::unique_ptr<sheet::Workbook> NewWorkbook() const;

  private:
    explicit ResultTemplate(std::shared_ptr<const sheet::WorkbookImage> image)
        : image_(std::move(image)) {}

    std::shared_ptr<const sheet::WorkbookImage> image_;
    std::string displacementMissing_;  // a label the displacement summary lacks
};

}  // namespace nubera::report
