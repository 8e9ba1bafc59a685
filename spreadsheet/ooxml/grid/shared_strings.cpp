#include "spreadsheet/ooxml/grid/shared_strings.h"

#include "spreadsheet/ooxml/grid/cell_text.h"
#include "spreadsheet/ooxml/package/namespaces.h"
#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {
namespace {

bool IsPlainItem(const pugi::xml_node& item) {
    return !item.child("r") && !item.child("rPh");
}

// Spreadsheet readers drop leading and trailing spaces and line breaks of a
// <t> unless told to keep them.
bool NeedsPreserve(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    return !text.empty() && (isSpace(text.front()) || isSpace(text.back()));
}

}  // namespace

std::string StringItemText(const pugi::xml_node& item) {
    std::string text = item.child("t").text().get();
    for (pugi::xml_node run : item.children("r")) text += run.child("t").text().get();
    return UnescapeCellText(text);
}

SharedStrings::SharedStrings() {
    pugi::xml_node root = document_.append_child("sst");
    root.append_attribute("xmlns") = kSpreadsheetNamespace.data();
    root.append_attribute("uniqueCount") = 0;
}

void SharedStrings::Load(std::string_view xml, std::string_view partName) {
    ParseXmlPart(document_, xml, partName);
    texts_.clear();
    plainItems_.clear();
    for (pugi::xml_node item : document_.child("sst").children("si")) {
        Remember(Count(), item);
    }
}

void SharedStrings::Remember(int index, const pugi::xml_node& item) {
    texts_.push_back(StringItemText(item));
    if (IsPlainItem(item)) plainItems_.emplace(texts_.back(), index);
}

const std::string& SharedStrings::Text(int index) const {
    static const std::string none;
    return index >= 0 && index < Count() ? texts_[static_cast<std::size_t>(index)] : none;
}

int SharedStrings::Add(std::string_view text) {
    const auto found = plainItems_.find(std::string(text));
    if (found != plainItems_.end()) return found->second;
    pugi::xml_node item = document_.child("sst").append_child("si");
    pugi::xml_node t = item.append_child("t");
    const std::string stored = EscapeCellText(text);
    if (NeedsPreserve(stored)) t.append_attribute("xml:space") = "preserve";
    t.text() = stored.c_str();
    const int index = Count();
    Remember(index, item);
    changed_ = true;
    return index;
}

std::string SharedStrings::Serialize() {
    pugi::xml_node root = document_.child("sst");
    // The total of references is optional and would go stale as cells change.
    root.remove_attribute("count");
    ForceAttribute(root, "uniqueCount") = Count();
    return SerializeXml(document_);
}

}  // namespace nubera::sheet
