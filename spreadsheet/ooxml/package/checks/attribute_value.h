#pragma once

// The kinds of value the attributes of a package's markup take, as readers
// that map them to typed fields parse them: such a reader refuses a part
// whose value does not parse, where our own reader reads a default.

#include <span>
#include <string>
#include <string_view>

namespace nubera::sheet {

enum class ValueKind {
    Text,               // any text
    Boolean,            // true, false, 1 or 0
    Unsigned,           // a whole number from 0 to 4294967295
    Integer,            // a whole number with an optional sign, in 64 bits
    Number,             // a finite decimal number, with an optional exponent
    Choice,             // one of the names the attribute lists
    ArgbColor,          // eight hexadecimal digits, alpha first
    RgbColor,           // six hexadecimal digits
    CellReference,      // a cell on the sheet, "B3" or "$B$3"
    RangeReference,     // a cell or a range of cells, "B3:D7"
    RangeReferenceList  // ranges separated by spaces
};

struct AttributeRule {
    std::string_view name;
    ValueKind kind = ValueKind::Text;
    std::span<const std::string_view> choices = {};  // for ValueKind::Choice
};

// Whether `value`, as the attribute's value reads after parsing (references
// resolved), is one the attribute takes. Leading and trailing XML
// whitespace is passed over, as readers collapse it.
bool FitsRule(const AttributeRule& rule, std::string_view value);

// What the attribute takes, in Japanese ("整数", "true か false", …).
std::string ExpectedValueText(const AttributeRule& rule);

}  // namespace nubera::sheet
