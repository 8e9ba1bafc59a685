#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "text/line_index.h"

namespace nubera {

// A refusal on its way out of the boring reader, carrying its message.
struct BoringRefusal {
    std::string message;
};

// The elements of a parsed boring exchange file as the reader takes them:
// one where one is meant, a value as one piece of text, and every refusal
// (a BoringRefusal) naming the element and its line.
class BoringElements {
  public:
    // The text the document was parsed from; it must outlive this.
    explicit BoringElements(std::string_view text) : lines_(text) {}

    int LineAt(std::ptrdiff_t offset) const;
    int LineOf(pugi::xml_node node) const { return LineAt(node.offset_debug()); }

    // "34行目の「岩石土区分_下端深度」"
    std::string Where(pugi::xml_node node) const;

    // The child of this name, or none; a second one is refused, since which
    // of the two the file means cannot be told.
    pugi::xml_node Only(pugi::xml_node parent, const char* name) const;
    pugi::xml_node Required(pugi::xml_node parent, const char* name) const;
    // The same among all the elements below `ancestor`.
    pugi::xml_node OnlyDescendant(pugi::xml_node ancestor, const char* name) const;
    [[noreturn]] void RefuseRepeated(pugi::xml_node first, pugi::xml_node second) const;

    // An element's value: its text in one piece, empty for none. Text split
    // by a comment ("3<!---->0.0") or holding an element is refused rather
    // than read in part.
    std::string Text(pugi::xml_node node) const;

    // A value that must be a plain number between 0 and kMaxValue.
    double Number(pugi::xml_node node) const;
    double RequiredNumber(pugi::xml_node parent, const char* name) const {
        return Number(Required(parent, name));
    }

    // No depth, count or level of a real boring comes near this; it keeps
    // every value the program computes from a file finite.
    static constexpr double kMaxValue = 100000;

  private:
    LineIndex lines_;
};

}  // namespace nubera
