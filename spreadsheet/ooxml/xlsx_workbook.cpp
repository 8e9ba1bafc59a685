#include "spreadsheet/ooxml/xlsx_workbook.h"

#include <algorithm>
#include <array>

#include "spreadsheet/ooxml/formulas/formula_references.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/ooxml/package/checks/package_check.h"
#include "spreadsheet/ooxml/package/document_properties.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/ooxml/workbook_calculation.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

// The children of <workbook> that follow <calcPr> in the schema's order.
constexpr auto kAfterCalcPr = std::to_array<std::string_view>({
    "oleSize",
    "customWorkbookViews",
    "pivotCaches",
    "smartTagPr",
    "smartTagTypes",
    "webPublishing",
    "fileRecoveryPr",
    "webPublishObjects",
    "extLst",
});

std::string Quoted(std::string_view name) {
    return "「" + std::string(name) + "」";
}

pugi::xml_node PlaceCalcPr(pugi::xml_node workbook) {
    if (pugi::xml_node existing = workbook.child("calcPr")) return existing;
    for (pugi::xml_node child : workbook.children()) {
        if (std::ranges::find(kAfterCalcPr, std::string_view(child.name())) != kAfterCalcPr.end()) {
            return workbook.insert_child_before("calcPr", child);
        }
    }
    return workbook.append_child("calcPr");
}

bool IsHidden(const pugi::xml_node& sheet) {
    return !std::string_view(sheet.attribute("state").value()).empty() &&
           std::string_view(sheet.attribute("state").value()) != "visible";
}

// An index into the sheet list after sheet `removed` is gone.
unsigned IndexAfterRemoval(unsigned index, unsigned removed, unsigned remaining) {
    if (index > removed) --index;
    return std::min(index, remaining - 1);
}

// What a sheet's part holds when one of its formulas names sheet `name`: the
// name as XML text, spelt as the sheet spells it (as spreadsheet programs
// write formulas). A name with an apostrophe is written doubled in formulas,
// so for it every sheet with a formula counts.
std::string MentionOf(std::string_view name) {
    if (name.find('\'') != std::string_view::npos) return "<f";
    std::string text;
    for (char c : name) {
        if (c == '&')
            text += "&amp;";
        else if (c == '<')
            text += "&lt;";
        else if (c == '>')
            text += "&gt;";
        else
            text += c;
    }
    return text;
}

}  // namespace

std::unique_ptr<Workbook> OpenWorkbook(const std::filesystem::path& path) {
    return std::make_unique<XlsxWorkbook>(path);
}

std::shared_ptr<const WorkbookImage> ReadWorkbookImage(const std::filesystem::path& path) {
    Package package = Package::Read(path);
    if (std::string fault = PackageFault(package.Entries()); !fault.empty()) {
        throw SpreadsheetError(Quoted(path.string()) + "を読み込めません: " + fault);
    }
    return std::make_shared<const WorkbookImage>(std::move(package));
}

std::unique_ptr<Workbook> OpenWorkbook(const WorkbookImage& image) {
    return std::make_unique<XlsxWorkbook>(image.Parts());
}

XlsxWorkbook::XlsxWorkbook(const std::filesystem::path& path) : XlsxWorkbook(Package::Read(path)) {}

XlsxWorkbook::XlsxWorkbook(Package package) : package_(std::move(package)) {
    try {
        contentTypes_.Load(package_.Bytes(kContentTypesPart));
        ReadWorkbookPart();
        CheckWorkbookRelationships();
        ReadSheetList();
    } catch (const SpreadsheetError& error) {
        throw SpreadsheetError(Quoted(package_.Path().string()) +
                               "を読み込めません: " + error.what());
    }
}

void XlsxWorkbook::ReadWorkbookPart() {
    const std::optional<std::string> main =
        package_.RelationshipsOf("").PartOfType(kOfficeDocumentRelationship);
    if (!main) throw SpreadsheetError("ブックのパーツが指定されていません");
    workbookPart_ = *main;
    ParseXmlPart(workbookXml_, package_.Bytes(workbookPart_), workbookPart_);
    if (!workbookXml_.child("workbook"))
        throw SpreadsheetError("パーツ" + Quoted(workbookPart_) + "はブックではありません");
    workbookRelationships_ = package_.RelationshipsOf(workbookPart_);
    if (const auto strings = workbookRelationships_.PartOfType(kSharedStringsRelationship)) {
        stringsPart_ = *strings;
        strings_.Load(package_.Bytes(stringsPart_), stringsPart_);
    }
    if (const auto stylesPart = workbookRelationships_.PartOfType(kStylesRelationship)) {
        styles_.Load(package_.Bytes(*stylesPart), *stylesPart);
    }
}

// Every part the workbook part points to must be there: a template missing
// one would be filled and saved into a workbook no reader opens.
void XlsxWorkbook::CheckWorkbookRelationships() const {
    for (const Relationship& item : workbookRelationships_.Items()) {
        if (item.external) continue;
        const std::string target = workbookRelationships_.TargetPart(item);
        if (!package_.Has(target)) {
            throw SpreadsheetError("関係" + Quoted(item.id) + "が指すパーツ" + Quoted(target) +
                                   "がありません");
        }
    }
}

void XlsxWorkbook::ReadSheetList() {
    const pugi::xml_node workbook = workbookXml_.child("workbook");
    const std::string idName = RelationshipIdName(workbook);
    for (pugi::xml_node sheet : workbook.child("sheets").children("sheet")) {
        const std::string name = sheet.attribute("name").value();
        const std::string id = sheet.attribute(idName.c_str()).value();
        const Relationship* relationship = workbookRelationships_.FindById(id);
        if (!relationship) throw SpreadsheetError("シート" + Quoted(name) + "のパーツがありません");
        std::string part = workbookRelationships_.TargetPart(*relationship);
        // Two sheets on one part would be written over each other, and
        // deleting either would take the other's cells with it.
        const auto sharing = std::ranges::find(sheets_, part, &SheetEntry::part);
        if (sharing != sheets_.end()) {
            throw SpreadsheetError("シート" + Quoted(sharing->name) + "とシート" + Quoted(name) +
                                   "が同じパーツ" + Quoted(part) + "を使っています");
        }
        sheets_.push_back({name, std::move(part), id, nullptr});
    }
}

std::vector<std::string> XlsxWorkbook::SheetNames() const {
    std::vector<std::string> names;
    for (const SheetEntry& entry : sheets_) names.push_back(entry.name);
    return names;
}

XlsxWorksheet& XlsxWorkbook::Loaded(SheetEntry& entry) {
    if (!entry.sheet) entry.sheet = std::make_unique<XlsxWorksheet>(*this, entry.name, entry.part);
    return *entry.sheet;
}

XlsxWorksheet* XlsxWorkbook::FindSheet(std::string_view name) {
    for (SheetEntry& entry : sheets_) {
        if (SameSheetName(entry.name, name)) return &Loaded(entry);
    }
    return nullptr;
}

Worksheet& XlsxWorkbook::Sheet(std::string_view name) {
    if (XlsxWorksheet* sheet = FindSheet(name)) return *sheet;
    throw SpreadsheetError("ブック" + Quoted(package_.Path().string()) + "にシート" + Quoted(name) +
                           "がありません");
}

Worksheet& XlsxWorkbook::SheetAt(std::size_t index) {
    if (index >= sheets_.size()) {
        throw SpreadsheetError("ブック" + Quoted(package_.Path().string()) + "に" +
                               std::to_string(index + 1) + "枚目のシートはありません（シートは" +
                               std::to_string(sheets_.size()) + "枚です）");
    }
    return Loaded(sheets_[index]);
}

void XlsxWorkbook::LoadSheetsMentioning(std::string_view text) {
    for (SheetEntry& entry : sheets_) {
        if (!entry.sheet && package_.Bytes(entry.part).find(text) != std::string::npos)
            Loaded(entry);
    }
}

void XlsxWorkbook::RewriteDefinedNames(
    const std::function<std::string(const std::string&)>& rewrite) {
    for (pugi::xml_node name : workbookXml_.child("workbook").child("definedNames").children()) {
        name.text() = rewrite(name.text().get()).c_str();
    }
}

void XlsxWorkbook::FormulasAfterColumnDeletion(const XlsxWorksheet& sheet, int first, int last) {
    LoadSheetsMentioning(MentionOf(sheet.Name()));
    for (SheetEntry& entry : sheets_) {
        if (!entry.sheet) continue;
        const bool onThatSheet = entry.sheet.get() == &sheet;
        entry.sheet->RewriteFormulas([&](const std::string& formula) {
            return FormulaAfterColumnDeletion(formula, onThatSheet, sheet.Name(), first, last);
        });
    }
    RewriteDefinedNames([&](const std::string& formula) {
        return FormulaAfterColumnDeletion(formula, false, sheet.Name(), first, last);
    });
}

void XlsxWorkbook::DeleteSheet(std::string_view name) {
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (SameSheetName(sheets_[i].name, name)) return DeleteSheetAt(i);
    }
    throw SpreadsheetError("ブック" + Quoted(package_.Path().string()) + "に削除するシート" +
                           Quoted(name) + "がありません");
}

void XlsxWorkbook::DeleteSheetAt(std::size_t index) {
    if (index >= sheets_.size()) SheetAt(index);  // throws naming the index
    const pugi::xml_node list = workbookXml_.child("workbook").child("sheets");
    const auto entries = list.children("sheet");
    const auto visible = std::count_if(entries.begin(), entries.end(),
                                       [](const pugi::xml_node& s) { return !IsHidden(s); });
    auto sheetNode = list.children("sheet").begin();
    std::advance(sheetNode, static_cast<std::ptrdiff_t>(index));
    if (visible - (IsHidden(*sheetNode) ? 0 : 1) < 1) {
        throw SpreadsheetError(
            "シート" + Quoted(sheets_[index].name) +
            "を削除できません: ブックには表示されるシートが少なくとも1枚必要です");
    }
    const std::string name = sheets_[index].name;
    LoadSheetsMentioning(MentionOf(name));
    for (SheetEntry& entry : sheets_) {
        if (entry.sheet && entry.name != name) {
            entry.sheet->RewriteFormulas([&name](const std::string& formula) {
                return FormulaAfterSheetDeletion(formula, name);
            });
        }
    }
    RemoveSheetEntry(index);
}

// Removes the sheet from the workbook part: its entry, its relationship,
// the names that belong to it (the names of later sheets renumbered), and
// the views' sheet indexes. Its parts go when the package is written.
void XlsxWorkbook::RemoveSheetEntry(std::size_t index) {
    pugi::xml_node workbook = workbookXml_.child("workbook");
    const std::string name = sheets_[index].name;
    pugi::xml_node sheets = workbook.child("sheets");
    auto sheetNode = sheets.children("sheet").begin();
    std::advance(sheetNode, static_cast<std::ptrdiff_t>(index));
    sheets.remove_child(*sheetNode);
    workbookRelationships_.Remove(sheets_[index].relationshipId);
    sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(index));
    const auto removed = static_cast<unsigned>(index);
    pugi::xml_node names = workbook.child("definedNames");
    for (pugi::xml_node defined = names.first_child(); defined;) {
        const pugi::xml_node next = defined.next_sibling();
        pugi::xml_attribute local = defined.attribute("localSheetId");
        if (local && local.as_uint() == removed) {
            names.remove_child(defined);
        } else {
            if (local && local.as_uint() > removed) local = local.as_uint() - 1;
            defined.text() = FormulaAfterSheetDeletion(defined.text().get(), name).c_str();
        }
        defined = next;
    }
    if (!names.first_child()) workbook.remove_child(names);
    const auto remaining = static_cast<unsigned>(sheets_.size());
    for (pugi::xml_node view : workbook.child("bookViews").children("workbookView")) {
        for (const char* attribute : {"activeTab", "firstSheet"}) {
            if (pugi::xml_attribute at = view.attribute(attribute)) {
                at = IndexAfterRemoval(at.as_uint(), removed, remaining);
            }
        }
    }
    sheetsDeleted_ = true;
}

void XlsxWorkbook::WriteSharedStrings() {
    if (!strings_.Changed()) return;
    if (stringsPart_.empty()) {
        stringsPart_ = package_.UnusedPartName("xl/sharedStrings", ".xml");
        workbookRelationships_.Add(kSharedStringsRelationship, stringsPart_);
        contentTypes_.SetOverride(stringsPart_, kSharedStringsType);
    }
    package_.Put(stringsPart_, strings_.Serialize());
}

// A stale calculation chain makes a reader repair the file, so it goes;
// formulas beyond the evaluator are left for the reader to compute on load.
void XlsxWorkbook::WriteWorkbookParts(bool someFormulaUnknown) {
    if (const Relationship* chain = workbookRelationships_.FindByType(kCalcChainRelationship)) {
        workbookRelationships_.Remove(std::string(chain->id));
    }
    pugi::xml_node workbook = workbookXml_.child("workbook");
    if (someFormulaUnknown) ForceAttribute(PlaceCalcPr(workbook), "fullCalcOnLoad") = 1;
    package_.Put(workbookPart_, SerializeXml(workbookXml_));
    package_.PutRelationships(workbookPart_, workbookRelationships_);
    if (contentTypes_.TypeOf(workbookPart_) == kTemplateMainType) {
        contentTypes_.SetOverride(workbookPart_, kWorkbookMainType);
    }
}

// The document properties list the sheet names as the template was saved;
// the list is optional, and a stale one is dropped.
void XlsxWorkbook::RemoveSheetTitles() {
    const std::optional<std::string> part =
        package_.RelationshipsOf("").PartOfType(kExtendedPropertiesRelationship);
    if (!part || !package_.Has(*part)) return;
    pugi::xml_document document;
    ParseXmlPart(document, package_.Bytes(*part), *part);
    pugi::xml_node root = document.child("Properties");
    root.remove_child("HeadingPairs");
    root.remove_child("TitlesOfParts");
    package_.Put(*part, SerializeXml(document));
}

void XlsxWorkbook::SetDocumentProperties(const DocumentProperties& properties) {
    properties_ = properties;
}

void XlsxWorkbook::PrepareSave() {
    LoadSheetsMentioning("<f");
    const unsigned active = workbookXml_.child("workbook")
                                .child("bookViews")
                                .child("workbookView")
                                .attribute("activeTab")
                                .as_uint();
    WorkbookCalculation calculation(*this);
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (!sheets_[i].sheet) continue;
        sheets_[i].sheet->SetSelected(i == active);
        sheets_[i].sheet->WriteTo(package_, contentTypes_, calculation);
    }
    WriteSharedStrings();
    WriteWorkbookParts(calculation.SomeFormulaUnknown());
    if (sheetsDeleted_) RemoveSheetTitles();
    if (properties_) WriteDocumentProperties(package_, contentTypes_, *properties_);
    package_.DropUnreachableParts(contentTypes_);
    package_.Put(kContentTypesPart, contentTypes_.Serialize());
    CheckParts();
}

void XlsxWorkbook::SaveAs(const std::filesystem::path& path) {
    PrepareSave();
    package_.Write(path);
}

std::string XlsxWorkbook::SavedBytes() {
    PrepareSave();
    return package_.ArchiveBytes();
}

void XlsxWorkbook::CheckParts() const {
    if (std::string fault = PackageFault(package_.Entries()); !fault.empty()) {
        throw SpreadsheetError("作成したブックを他のプログラムで開けません: " + fault);
    }
}

}  // namespace nubera::sheet
