#pragma once

// One walk over the elements of a part for the checks that look at them one
// at a time: each element's name and attributes are read once, however many
// checks look at them.

#include <initializer_list>
#include <pugixml.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nubera::sheet {

// An attribute as the walk reads it.
struct AttributeView {
    pugi::xml_attribute attribute;
    std::string_view name;
    std::string_view value;
};

// An element as the walk reads it; the root element stands at depth 0.
struct ElementView {
    pugi::xml_node node;
    std::string_view name;
    int depth = 0;
    std::span<const AttributeView> attributes;
};

// What the elements from the root down to where a walk stands bind to their
// prefixes (the empty prefix for a default namespace), each binding kept
// while the walk is within the element that made it.
template <class Value>
class PrefixBindings {
  public:
    // The walk has come to an element at `depth`: the bindings of the
    // elements it has left end.
    void EnterAt(int depth) {
        while (!bound_.empty() && bound_.back().depth >= depth) bound_.pop_back();
    }
    void Bind(std::string_view prefix, int depth, Value value) {
        bound_.push_back({prefix, depth, value});
    }
    // The innermost binding of `prefix`; nothing when it is not bound.
    const Value* Find(std::string_view prefix) const {
        for (auto binding = bound_.rbegin(); binding != bound_.rend(); ++binding) {
            if (binding->prefix == prefix) return &binding->value;
        }
        return nullptr;
    }

  private:
    struct Binding {
        std::string_view prefix;
        int depth;
        Value value;
    };
    std::vector<Binding> bound_;
};

// A check of a part's elements and text, in document order. Once it has
// found a fault it is asked nothing more.
class ElementCheck {
  public:
    virtual ~ElementCheck() = default;

    // The first fault the check found, in Japanese; empty when none.
    const std::string& Fault() const { return fault_; }

    void Look(const ElementView& element);
    void LookAtText(pugi::xml_node text);

  protected:
    // Why the element is at fault; empty when it is not.
    virtual std::string ElementFault(const ElementView& element) = 0;
    // Why the text (character data) is at fault; empty when it is not.
    virtual std::string TextFault(pugi::xml_node) { return {}; }

  private:
    std::string fault_;
};

// Walks `root` and every element and text below it, depth first and without
// recursion (a part may nest deeper than a stack), showing each to every
// check that has found no fault yet.
void WalkElements(pugi::xml_node root, std::initializer_list<ElementCheck*> checks);

}  // namespace nubera::sheet
