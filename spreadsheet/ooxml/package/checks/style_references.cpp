#include "spreadsheet/ooxml/package/checks/style_references.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

#include "spreadsheet/ooxml/package/checks/attribute_value.h"

namespace nubera::sheet {
namespace {

// Number formats below this are built into every reader; those above it
// must be listed in the styles part.
constexpr std::uint64_t kFirstCustomNumberFormat = 164;

std::uint64_t ChildCount(pugi::xml_node list, const char* item) {
    const auto children = list.children(item);
    return static_cast<std::uint64_t>(std::distance(children.begin(), children.end()));
}

struct StyleCounts {
    std::uint64_t cellFormats = 0;
    std::uint64_t cellStyleFormats = 0;
    std::uint64_t fonts = 0;
    std::uint64_t fills = 0;
    std::uint64_t borders = 0;
    std::vector<std::uint64_t> numberFormats;
};

StyleCounts CountStyles(pugi::xml_node sheet) {
    StyleCounts counts{
        ChildCount(sheet.child("cellXfs"), "xf"),     ChildCount(sheet.child("cellStyleXfs"), "xf"),
        ChildCount(sheet.child("fonts"), "font"),     ChildCount(sheet.child("fills"), "fill"),
        ChildCount(sheet.child("borders"), "border"), {}};
    for (pugi::xml_node format : sheet.child("numFmts").children("numFmt")) {
        counts.numberFormats.push_back(format.attribute("numFmtId").as_ullong());
    }
    return counts;
}

// `what` names the number ("の要素「c」の属性「s」").
std::string OutOfRange(std::string_view part, const std::string& what, std::uint64_t index,
                       std::string_view list, std::uint64_t count) {
    return "パーツ「" + std::string(part) + "」" + what + "の値 " + std::to_string(index) +
           " が指すものがありません（「" + std::string(list) + "」にあるのは " +
           std::to_string(count) + " 個です）";
}

// The attribute's number, when it has one, is below `count`.
std::string IndexFault(std::string_view part, pugi::xml_node element, const char* attribute,
                       std::string_view list, std::uint64_t count) {
    const pugi::xml_attribute value = element.attribute(attribute);
    if (!value || value.as_ullong() < count) return {};
    return OutOfRange(part,
                      "の要素「" + std::string(element.name()) + "」の属性「" + attribute + "」",
                      value.as_ullong(), list, count);
}

std::string FormatFault(std::string_view part, pugi::xml_node format, const StyleCounts& counts,
                        bool cellFormat) {
    for (std::string fault :
         {IndexFault(part, format, "fontId", "fonts", counts.fonts),
          IndexFault(part, format, "fillId", "fills", counts.fills),
          IndexFault(part, format, "borderId", "borders", counts.borders),
          cellFormat ? IndexFault(part, format, "xfId", "cellStyleXfs", counts.cellStyleFormats)
                     : std::string()}) {
        if (!fault.empty()) return fault;
    }
    const pugi::xml_attribute number = format.attribute("numFmtId");
    if (!number || number.as_ullong() < kFirstCustomNumberFormat ||
        std::find(counts.numberFormats.begin(), counts.numberFormats.end(), number.as_ullong()) !=
            counts.numberFormats.end()) {
        return {};
    }
    return "パーツ「" + std::string(part) + "」の要素「xf」の属性「numFmtId」の値 " +
           std::to_string(number.as_ullong()) + " の表示形式が「numFmts」にありません";
}

std::string StylesFault(const ParsedPart& styles, const StyleCounts& counts) {
    const pugi::xml_node sheet = styles.document->document_element();
    for (pugi::xml_node format : sheet.child("cellXfs").children("xf")) {
        if (std::string fault = FormatFault(styles.name, format, counts, true); !fault.empty()) {
            return fault;
        }
    }
    for (pugi::xml_node format : sheet.child("cellStyleXfs").children("xf")) {
        if (std::string fault = FormatFault(styles.name, format, counts, false); !fault.empty()) {
            return fault;
        }
    }
    for (pugi::xml_node style : sheet.child("cellStyles").children("cellStyle")) {
        if (std::string fault =
                IndexFault(styles.name, style, "xfId", "cellStyleXfs", counts.cellStyleFormats);
            !fault.empty()) {
            return fault;
        }
    }
    return {};
}

std::string SharedStringFault(std::string_view part, pugi::xml_node cell, std::uint64_t strings) {
    const std::string_view value = cell.child("v").text().get();
    const AttributeRule rule{"v", ValueKind::Unsigned};
    if (!FitsRule(rule, value)) {
        return "パーツ「" + std::string(part) + "」のセル「" + cell.attribute("r").value() +
               "」の共有文字列の番号「" + std::string(value) + "」は" + ExpectedValueText(rule) +
               "ではありません";
    }
    const std::uint64_t index = cell.child("v").text().as_ullong();
    if (index < strings) return {};
    return OutOfRange(part,
                      "のセル「" + std::string(cell.attribute("r").value()) + "」の共有文字列",
                      index, "sst", strings);
}

std::string SheetFault(const ParsedPart& sheet, const StyleCounts* styles, std::uint64_t strings) {
    const pugi::xml_node root = sheet.document->document_element();
    if (styles) {
        for (pugi::xml_node column : root.child("cols").children("col")) {
            if (std::string fault =
                    IndexFault(sheet.name, column, "style", "cellXfs", styles->cellFormats);
                !fault.empty()) {
                return fault;
            }
        }
    }
    for (pugi::xml_node row : root.child("sheetData").children("row")) {
        if (styles) {
            if (std::string fault =
                    IndexFault(sheet.name, row, "s", "cellXfs", styles->cellFormats);
                !fault.empty()) {
                return fault;
            }
        }
        for (pugi::xml_node cell : row.children("c")) {
            std::string fault =
                styles ? IndexFault(sheet.name, cell, "s", "cellXfs", styles->cellFormats)
                       : std::string();
            if (fault.empty() && std::string_view(cell.attribute("t").value()) == "s") {
                fault = SharedStringFault(sheet.name, cell, strings);
            }
            if (!fault.empty()) return fault;
        }
    }
    return {};
}

}  // namespace

std::string StyleReferenceFault(const ParsedPart* styles, const ParsedPart* strings,
                                const std::vector<ParsedPart>& sheets) {
    std::optional<StyleCounts> counts;
    if (styles) {
        counts = CountStyles(styles->document->document_element());
        if (std::string fault = StylesFault(*styles, *counts); !fault.empty()) return fault;
    }
    const std::uint64_t stringCount =
        strings ? ChildCount(strings->document->document_element(), "si") : 0;
    for (const ParsedPart& sheet : sheets) {
        if (std::string fault = SheetFault(sheet, counts ? &*counts : nullptr, stringCount);
            !fault.empty()) {
            return fault;
        }
    }
    return {};
}

}  // namespace nubera::sheet
