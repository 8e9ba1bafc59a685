#pragma once

// Namespace names are URI references: parsers that check them refuse a part
// that declares a namespace whose name does not parse as one, where pugixml
// takes any text.

#include <string_view>

namespace nubera::sheet {

// Whether `text` parses as a URI reference (absolute, or relative to a base):
// only the characters a URI holds, each "%" before two hexadecimal digits,
// a scheme of a letter then letters, digits, "+", "-" or ".", an authority
// after "//" whose port is digits and whose host is a name or a bracketed
// address, no ":" in the first segment of a relative path, one "#" at most.
bool IsUriReference(std::string_view text);

}  // namespace nubera::sheet
