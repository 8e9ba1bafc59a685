#include "spreadsheet/ooxml/styles/styles.h"

#include <cmath>
#include <utility>

#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {
namespace {

// The number formats every reader knows by id without the workbook listing them.
const char* BuiltInNumberFormat(int id) {
    static const std::pair<int, const char*> kFormats[] = {
        {0, "General"},
        {1, "0"},
        {2, "0.00"},
        {3, "#,##0"},
        {4, "#,##0.00"},
        {9, "0%"},
        {10, "0.00%"},
        {11, "0.00E+00"},
        {12, "# ?/?"},
        {13, "# ?\?/?\?"},
        {14, "mm-dd-yy"},
        {15, "d-mmm-yy"},
        {16, "d-mmm"},
        {17, "mmm-yy"},
        {18, "h:mm AM/PM"},
        {19, "h:mm:ss AM/PM"},
        {20, "h:mm"},
        {21, "h:mm:ss"},
        {22, "m/d/yy h:mm"},
        {37, "#,##0 ;(#,##0)"},
        {38, "#,##0 ;[Red](#,##0)"},
        {39, "#,##0.00;(#,##0.00)"},
        {40, "#,##0.00;[Red](#,##0.00)"},
        {45, "mm:ss"},
        {46, "[h]:mm:ss"},
        {47, "mmss.0"},
        {48, "##0.0E+0"},
        {49, "@"},
    };
    for (const auto& [known, code] : kFormats) {
        if (known == id) return code;
    }
    return "General";
}

// Calibri's digits are 7 pixels wide at 11 pt; the gothic faces of Japanese
// templates and most other fonts 8.
int MaxDigitWidthOf(std::string_view fontName, double size) {
    const double atEleven = fontName == "Calibri" ? 7.0 : 8.0;
    return std::max(1, static_cast<int>(std::lround(atEleven * size / 11.0)));
}

}  // namespace

void Styles::Load(std::string_view xml, std::string_view partName) {
    ParseXmlPart(document_, xml, partName);
    const pugi::xml_node root = document_.child("styleSheet");
    for (pugi::xml_node format : root.child("numFmts").children("numFmt")) {
        customFormats_[format.attribute("numFmtId").as_int()] =
            format.attribute("formatCode").value();
    }
    for (pugi::xml_node xf : root.child("cellXfs").children("xf")) {
        numberFormatIds_.push_back(xf.attribute("numFmtId").as_int());
    }
    const pugi::xml_node font = root.child("fonts").child("font");
    maxDigitWidth_ = MaxDigitWidthOf(font.child("name").attribute("val").value(),
                                     font.child("sz").attribute("val").as_double(11.0));
}

std::string Styles::NumberFormat(int style) const {
    if (style < 0 || style >= CellStyleCount()) return "General";
    const int id = numberFormatIds_[static_cast<std::size_t>(style)];
    const auto custom = customFormats_.find(id);
    return custom != customFormats_.end() ? custom->second : BuiltInNumberFormat(id);
}

}  // namespace nubera::sheet
