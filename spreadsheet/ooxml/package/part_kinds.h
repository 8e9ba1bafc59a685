#pragma once

// The kinds of part a workbook package holds that readers find by their
// content type or by the relationship that reaches them, with the root
// element each must have. A reader that goes by the content type and one
// that goes by the relationship must find the same part, and read it as
// what it is.

#include <span>
#include <string_view>

namespace nubera::sheet {

struct PartKind {
    std::string_view relationship;                   // the type of relationship reaching it
    std::span<const std::string_view> contentTypes;  // the content types it may have
    std::string_view rootNamespace;
    std::string_view rootElement;
};

// The kind a relationship of `type`, or a part of content type `type`,
// stands for; nothing when it is none of the kinds known.
const PartKind* KindOfRelationship(std::string_view type);
const PartKind* KindOfContentType(std::string_view type);

}  // namespace nubera::sheet
