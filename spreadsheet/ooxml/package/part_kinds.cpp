#include "spreadsheet/ooxml/package/part_kinds.h"

#include <algorithm>

#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/namespaces.h"
#include "spreadsheet/ooxml/package/relationships.h"

namespace nubera::sheet {
namespace {

constexpr std::string_view kWorkbookTypes[] = {
    kWorkbookMainType, kTemplateMainType, "application/vnd.ms-excel.sheet.macroEnabled.main+xml",
    "application/vnd.ms-excel.template.macroEnabled.main+xml"};
constexpr std::string_view kWorksheetTypes[] = {
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"};
constexpr std::string_view kSharedStringsTypes[] = {kSharedStringsType};
constexpr std::string_view kStylesTypes[] = {
    "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"};
constexpr std::string_view kCalcChainTypes[] = {
    "application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"};
constexpr std::string_view kThemeTypes[] = {
    "application/vnd.openxmlformats-officedocument.theme+xml"};
constexpr std::string_view kDrawingTypes[] = {kDrawingType};
constexpr std::string_view kCorePropertiesTypes[] = {
    "application/vnd.openxmlformats-package.core-properties+xml"};
constexpr std::string_view kExtendedPropertiesTypes[] = {
    "application/vnd.openxmlformats-officedocument.extended-properties+xml"};

const PartKind kKinds[] = {
    {kOfficeDocumentRelationship, kWorkbookTypes, kSpreadsheetNamespace, "workbook"},
    {kWorksheetRelationship, kWorksheetTypes, kSpreadsheetNamespace, "worksheet"},
    {kSharedStringsRelationship, kSharedStringsTypes, kSpreadsheetNamespace, "sst"},
    {kStylesRelationship, kStylesTypes, kSpreadsheetNamespace, "styleSheet"},
    {kCalcChainRelationship, kCalcChainTypes, kSpreadsheetNamespace, "calcChain"},
    {kThemeRelationship, kThemeTypes, kDrawingNamespace, "theme"},
    {kDrawingRelationship, kDrawingTypes, kSheetDrawingNamespace, "wsDr"},
    {kCorePropertiesRelationship, kCorePropertiesTypes,
     "http://schemas.openxmlformats.org/package/2006/metadata/core-properties", "coreProperties"},
    {kExtendedPropertiesRelationship, kExtendedPropertiesTypes,
     "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties", "Properties"},
};

}  // namespace

const PartKind* KindOfRelationship(std::string_view type) {
    const auto found = std::ranges::find(kKinds, type, &PartKind::relationship);
    return found == std::end(kKinds) ? nullptr : &*found;
}

const PartKind* KindOfContentType(std::string_view type) {
    const auto found = std::ranges::find_if(kKinds, [type](const PartKind& kind) {
        return std::ranges::find(kind.contentTypes, type) != kind.contentTypes.end();
    });
    return found == std::end(kKinds) ? nullptr : &*found;
}

}  // namespace nubera::sheet
