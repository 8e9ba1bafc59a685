#pragma once

// The workbook's shared string table. Items read from the package keep their
// rich-text runs and phonetic guides untouched; texts set by the program are
// appended as plain items, each stored once.

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nubera::sheet {

// The plain text of a string item (<si>, or the <is> of an inline-text cell):
// its <t>, or the <t> of each run; phonetic guides are left out.
std::string StringItemText(const pugi::xml_node& item);

class SharedStrings {
  public:
    SharedStrings();
    void Load(std::string_view xml, std::string_view partName);

    int Count() const { return static_cast<int>(texts_.size()); }
    // The plain text of item `index` (runs joined, phonetic guides left out);
    // empty for an index the table does not hold.
    const std::string& Text(int index) const;
    // The index of an item holding exactly `text`, appended when there is none.
    int Add(std::string_view text);

    bool Changed() const { return changed_; }
    std::string Serialize();

  private:
    void Remember(int index, const pugi::xml_node& item);

    pugi::xml_document document_;
    std::vector<std::string> texts_;
    std::unordered_map<std::string, int> plainItems_;
    bool changed_ = false;
};

}  // namespace nubera::sheet
