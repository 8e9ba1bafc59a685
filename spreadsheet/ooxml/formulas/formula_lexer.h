#pragma once

// Splits a cell formula (as stored, without the leading "=") into tokens,
// recognising cell references with their sheet prefix and "$" markers so that
// they can be moved or evaluated while everything else is kept verbatim.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nubera::sheet {

// One end of a referenced area. Row 0 stands for whole columns (D:H), column
// 0 for whole rows (1:3).
struct AreaEnd {
    int row = 0;
    int column = 0;
    bool rowAbsolute = false;
    bool columnAbsolute = false;
    friend bool operator==(const AreaEnd&, const AreaEnd&) = default;
};

enum class AreaShape { GridCell, Range, Columns, Rows };

struct Area {
    AreaShape shape = AreaShape::GridCell;
    AreaEnd first;
    AreaEnd last;  // equal to first for a cell
    friend bool operator==(const Area&, const Area&) = default;
};

std::string FormatArea(const Area& area);

enum class TokenKind {
    Number,
    Text,       // "quoted"
    Error,      // #DIV/0! and the like
    Reference,  // A1, $B$2:C3, D:H, 1:3, Sheet!A1, 'My sheet'!#REF!
    Function,   // a name directly followed by "("
    Name,       // TRUE, FALSE, a defined name
    Operator,
    Open,
    Close,
    Separator,
    Space,
    Other,  // anything this lexer does not take apart: arrays, external books
};

struct Token {
    TokenKind kind = TokenKind::Other;
    std::string_view text;  // the token as written
    // References only:
    std::string_view sheetPrefix;  // as written, with its "!"; empty for the formula's own sheet
    std::string sheet;             // the sheet's name, unquoted
    std::optional<Area> area;      // nothing for a reference that is already #REF!
};

// The tokens cover the whole formula: joining their texts gives it back.
std::vector<Token> Tokenize(std::string_view formula);

}  // namespace nubera::sheet
