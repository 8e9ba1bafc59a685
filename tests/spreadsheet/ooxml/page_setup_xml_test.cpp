#include "spreadsheet/ooxml/grid/page_setup_xml.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace nubera::sheet {
namespace {

// Title rows are read as the cell addresses read them: a row number beyond
// the grid (even beyond int) or with a leading zero names no titles.
TEST(PrintNames, TitleRowsOutsideTheGridAreIgnored) {
    const std::pair<const char*, std::optional<std::pair<int, int>>> cases[] = {
        {"Data!$1:$2", std::pair{1, 2}},    {"Data!$1:$1048576", std::pair{1, 1048576}},
        {"Data!$1:$1048577", std::nullopt}, {"Data!$1:$99999999999", std::nullopt},
        {"Data!$0:$2", std::nullopt},       {"Data!$01:$2", std::nullopt},
    };
    for (const auto& [titles, expected] : cases) {
        pugi::xml_document workbook;
        const std::string xml = R"(<workbook><definedNames><definedName )"
                                R"(name="_xlnm.Print_Titles" localSheetId="0">)" +
                                std::string(titles) + "</definedName></definedNames></workbook>";
        ASSERT_TRUE(workbook.load_string(xml.c_str()));
        PageSetup setup;
        ReadPrintNames(workbook.child("workbook"), 0, setup);
        EXPECT_EQ(setup.titleRows, expected) << titles;
    }
}

}  // namespace
}  // namespace nubera::sheet
