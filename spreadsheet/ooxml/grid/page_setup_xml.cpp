#include "spreadsheet/ooxml/grid/page_setup_xml.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace nubera::sheet {
namespace {

constexpr double kPointsPerInch = 72;
constexpr int kMinScale = 10;  // the range a spreadsheet program accepts
constexpr int kMaxScale = 400;

struct Paper {
    int code;
    double width;
    double height;
};

// The paper sizes of the paperSize attribute met in practice, in points.
constexpr auto kPapers = std::to_array<Paper>({
    {1, 612, 792},         // Letter
    {3, 792, 1224},        // Tabloid
    {5, 612, 1008},        // Legal
    {8, 841.89, 1190.55},  // A3
    {9, 595.28, 841.89},   // A4
    {11, 419.53, 595.28},  // A5
    {12, 728.5, 1031.81},  // B4 (JIS)
    {13, 515.91, 728.5},   // B5 (JIS)
    {70, 297.64, 419.53},  // A6
});

// Splits a defined name's areas at the commas outside quoted sheet names.
std::vector<std::string_view> Areas(std::string_view formula) {
    std::vector<std::string_view> areas;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        if (formula[i] == '\'') quoted = !quoted;
        if (formula[i] == ',' && !quoted) {
            areas.push_back(formula.substr(start, i - start));
            start = i + 1;
        }
    }
    areas.push_back(formula.substr(start));
    return areas;
}

// The reference without its sheet name and '$' markers: "A1:J40", "1:3", "A:B".
std::string BareReference(std::string_view area) {
    if (const std::size_t bang = area.rfind('!'); bang != std::string_view::npos) {
        area.remove_prefix(bang + 1);
    }
    std::string bare;
    std::copy_if(area.begin(), area.end(), std::back_inserter(bare),
                 [](char c) { return c != '$' && c != ' '; });
    return bare;
}

// "1:3" (rows) or "A:B" (columns), as first and last numbers.
std::optional<std::pair<int, int>> WholeLines(std::string_view reference, bool rows) {
    const std::size_t colon = reference.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto number = rows ? &RowNumber : &ColumnNumber;
    const std::optional<int> from = number(reference.substr(0, colon));
    const std::optional<int> to = number(reference.substr(colon + 1));
    if (!from || !to) return std::nullopt;
    return std::pair{*from, *to};
}

void ReadPrintTitles(std::string_view formula, PageSetup& setup) {
    for (std::string_view area : Areas(formula)) {
        const std::string reference = BareReference(area);
        if (auto rows = WholeLines(reference, true)) setup.titleRows = rows;
        if (auto columns = WholeLines(reference, false)) setup.titleColumns = columns;
    }
}

void ReadMargins(const pugi::xml_node& margins, PageSetup& setup) {
    if (!margins) return;
    auto inches = [&](const char* name, double fallback) {
        return margins.attribute(name).as_double(fallback / kPointsPerInch) * kPointsPerInch;
    };
    setup.marginLeft = inches("left", setup.marginLeft);
    setup.marginRight = inches("right", setup.marginRight);
    setup.marginTop = inches("top", setup.marginTop);
    setup.marginBottom = inches("bottom", setup.marginBottom);
    setup.headerMargin = inches("header", setup.headerMargin);
    setup.footerMargin = inches("footer", setup.footerMargin);
}

void ReadPaperAndScale(const pugi::xml_node& page, PageSetup& setup) {
    auto [width, height] = PaperSize(page.attribute("paperSize").as_int(9));
    if (std::string_view(page.attribute("orientation").value()) == "landscape") {
        std::swap(width, height);
    }
    setup.paperWidth = width;
    setup.paperHeight = height;
    setup.scalePercent = std::clamp(page.attribute("scale").as_int(100), kMinScale, kMaxScale);
    setup.fitToWidth = std::max(0, page.attribute("fitToWidth").as_int(1));
    setup.fitToHeight = std::max(0, page.attribute("fitToHeight").as_int(1));
    setup.overThenDown = std::string_view(page.attribute("pageOrder").value()) == "overThenDown";
    if (page.attribute("useFirstPageNumber").as_bool()) {
        setup.firstPageNumber = page.attribute("firstPageNumber").as_int(1);
    }
}

}  // namespace

std::pair<double, double> PaperSize(int code) {
    for (const Paper& paper : kPapers) {
        if (paper.code == code) return {paper.width, paper.height};
    }
    return {595.28, 841.89};
}

PageSetup ReadPageSetup(const pugi::xml_node& worksheet) {
    PageSetup setup;
    ReadPaperAndScale(worksheet.child("pageSetup"), setup);
    ReadMargins(worksheet.child("pageMargins"), setup);
    setup.fitToPage =
        worksheet.child("sheetPr").child("pageSetUpPr").attribute("fitToPage").as_bool();
    const pugi::xml_node options = worksheet.child("printOptions");
    setup.centerHorizontally = options.attribute("horizontalCentered").as_bool();
    setup.centerVertically = options.attribute("verticalCentered").as_bool();
    setup.gridLines = options.attribute("gridLines").as_bool();
    const pugi::xml_node headerFooter = worksheet.child("headerFooter");
    setup.header = headerFooter.child("oddHeader").text().get();
    setup.footer = headerFooter.child("oddFooter").text().get();
    return setup;
}

void ReadPrintNames(const pugi::xml_node& workbook, int sheetIndex, PageSetup& setup) {
    for (pugi::xml_node name : workbook.child("definedNames").children("definedName")) {
        if (name.attribute("localSheetId").as_int(-1) != sheetIndex) continue;
        const std::string_view which = name.attribute("name").value();
        const std::string_view formula = name.text().get();
        if (which == "_xlnm.Print_Titles") {
            ReadPrintTitles(formula, setup);
        } else if (which == "_xlnm.Print_Area") {
            setup.printArea = ParseCellRange(BareReference(Areas(formula).front()));
        }
    }
}

}  // namespace nubera::sheet
