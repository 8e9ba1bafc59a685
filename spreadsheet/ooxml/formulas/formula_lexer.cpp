#include "spreadsheet/ooxml/formulas/formula_lexer.h"

#include <array>

#include "spreadsheet/cell_address.h"

namespace nubera::sheet {
namespace {

constexpr std::array<std::string_view, 8> kErrorLiterals = {
    "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A", "#GETTING_DATA"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

// Characters of names, function names and unquoted sheet names.
bool IsWordChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || IsUpper(c) || c == '_' || c == '.' ||
           c == '\\' || c == '?' || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// Reads "$"? then characters of one class; the matched end index or npos.
template <typename IsPart>
std::size_t MatchMarked(std::string_view s, std::size_t at, bool& absolute, IsPart isPart) {
    absolute = at < s.size() && s[at] == '$';
    std::size_t end = at + (absolute ? 1 : 0);
    const std::size_t start = end;
    while (end < s.size() && isPart(s[end])) ++end;
    return end > start ? end : std::string_view::npos;
}

// A column "$"?[A-Z]+ at `at`: fills end.column, returns the index after it.
std::size_t MatchColumn(std::string_view s, std::size_t at, AreaEnd& end) {
    const std::size_t stop = MatchMarked(s, at, end.columnAbsolute, IsUpper);
    if (stop == std::string_view::npos) return stop;
    const std::size_t start = at + (end.columnAbsolute ? 1 : 0);
    const auto column = ColumnNumber(s.substr(start, stop - start));
    if (!column) return std::string_view::npos;
    end.column = *column;
    return stop;
}

std::size_t MatchRow(std::string_view s, std::size_t at, AreaEnd& end) {
    const std::size_t stop = MatchMarked(s, at, end.rowAbsolute, IsDigit);
    if (stop == std::string_view::npos) return stop;
    const std::size_t start = at + (end.rowAbsolute ? 1 : 0);
    const std::optional<int> row = RowNumber(s.substr(start, stop - start));
    if (!row) return std::string_view::npos;
    end.row = *row;
    return stop;
}

std::size_t MatchCell(std::string_view s, std::size_t at, AreaEnd& end) {
    const std::size_t afterColumn = MatchColumn(s, at, end);
    return afterColumn == std::string_view::npos ? afterColumn : MatchRow(s, afterColumn, end);
}

// Two ends joined by ":", each matched by `match`.
template <typename Match>
std::size_t MatchPair(std::string_view s, std::size_t at, Area& area, Match match) {
    const std::size_t colon = match(s, at, area.first);
    if (colon == std::string_view::npos || colon >= s.size() || s[colon] != ':') {
        return std::string_view::npos;
    }
    return match(s, colon + 1, area.last);
}

// A reference at `at` that is not part of a longer name or a function call.
std::optional<std::pair<Area, std::size_t>> MatchArea(std::string_view s, std::size_t at) {
    Area area;
    std::size_t stop = std::string_view::npos;
    if ((stop = MatchPair(s, at, area, MatchCell)) != std::string_view::npos) {
        area.shape = AreaShape::Range;
    } else if (area = {}; (stop = MatchCell(s, at, area.first)) != std::string_view::npos) {
        area.shape = AreaShape::GridCell;
        area.last = area.first;
    } else if (area = {}; (stop = MatchPair(s, at, area, MatchColumn)) != std::string_view::npos) {
        area.shape = AreaShape::Columns;
    } else if (area = {}; (stop = MatchPair(s, at, area, MatchRow)) != std::string_view::npos) {
        area.shape = AreaShape::Rows;
    }
    if (stop == std::string_view::npos) return std::nullopt;
    if (stop < s.size() && (IsWordChar(s[stop]) || s[stop] == '(' || s[stop] == '!')) {
        return std::nullopt;
    }
    return std::pair{area, stop};
}

std::size_t SkipWord(std::string_view s, std::size_t at) {
    while (at < s.size() && IsWordChar(s[at])) ++at;
    return at;
}

// The index after the closing quote of a quoted text or sheet name opened at
// `at` (a doubled quote stands for one); s.size() when it never closes.
std::size_t SkipQuoted(std::string_view s, std::size_t at, char quote) {
    for (std::size_t i = at + 1; i < s.size(); ++i) {
        if (s[i] != quote) continue;
        if (i + 1 < s.size() && s[i + 1] == quote) {
            ++i;
        } else {
            return i + 1;
        }
    }
    return s.size();
}

std::string UnquotedSheetName(std::string_view prefix) {
    std::string_view name = prefix.substr(0, prefix.size() - 1);  // drop "!"
    if (!name.starts_with('\'')) return std::string(name);
    name = name.substr(1, name.size() - 2);
    std::string unquoted;
    for (std::size_t i = 0; i < name.size(); ++i) {
        unquoted += name[i];
        if (name[i] == '\'' && i + 1 < name.size() && name[i + 1] == '\'') ++i;
    }
    return unquoted;
}

class Lexer {
  public:
    explicit Lexer(std::string_view formula) : s_(formula) {}

    std::vector<Token> Run() {
        while (at_ < s_.size()) tokens_.push_back(Next());
        return std::move(tokens_);
    }

  private:
    Token Make(TokenKind kind, std::size_t stop) {
        Token token{kind, s_.substr(at_, stop - at_), {}, {}, {}};
        at_ = stop;
        return token;
    }

    Token Next() {
        const char c = s_[at_];
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') return Space();
        if (c == '"') return Make(TokenKind::Text, SkipQuoted(s_, at_, '"'));
        if (c == '#') return ErrorLiteral();
        if (c == '(') return Make(TokenKind::Open, at_ + 1);
        if (c == ')') return Make(TokenKind::Close, at_ + 1);
        if (c == ',') return Make(TokenKind::Separator, at_ + 1);
        if (c == '\'') return QuotedSheetReference();
        if (std::string_view("+-*/^&=<>%:").find(c) != std::string_view::npos) return Operator();
        if (IsWordChar(c)) return Word();
        return Make(TokenKind::Other, at_ + 1);
    }

    Token Space() {
        std::size_t stop = at_;
        while (stop < s_.size() &&
               std::string_view(" \n\r\t").find(s_[stop]) != std::string_view::npos) {
            ++stop;
        }
        return Make(TokenKind::Space, stop);
    }

    Token ErrorLiteral() {
        for (std::string_view literal : kErrorLiterals) {
            if (s_.substr(at_).starts_with(literal)) {
                return Make(TokenKind::Error, at_ + literal.size());
            }
        }
        return Make(TokenKind::Other, at_ + 1);
    }

    Token Operator() {
        const std::string_view rest = s_.substr(at_);
        const bool pair =
            rest.starts_with("<=") || rest.starts_with(">=") || rest.starts_with("<>");
        return Make(TokenKind::Operator, at_ + (pair ? 2 : 1));
    }

    Token QuotedSheetReference() {
        const std::size_t stop = SkipQuoted(s_, at_, '\'');
        if (stop >= s_.size() || s_[stop] != '!') return Make(TokenKind::Other, stop);
        return AfterSheetPrefix(stop + 1);
    }

    Token Word() {
        if (const auto match = MatchArea(s_, at_)) return Reference(at_, *match);
        if (IsDigit(s_[at_]) || s_[at_] == '.') return Number();
        const std::size_t stop = SkipWord(s_, at_);
        if (stop < s_.size() && s_[stop] == '!') return AfterSheetPrefix(stop + 1);
        if (stop < s_.size() && s_[stop] == '(') return Make(TokenKind::Function, stop);
        return Make(TokenKind::Name, stop);
    }

    Token Number() {
        std::size_t stop = at_;
        while (stop < s_.size() && (IsDigit(s_[stop]) || s_[stop] == '.')) ++stop;
        if (stop < s_.size() && (s_[stop] == 'E' || s_[stop] == 'e')) {
            std::size_t exponent = stop + 1;
            if (exponent < s_.size() && (s_[exponent] == '+' || s_[exponent] == '-')) ++exponent;
            if (exponent < s_.size() && IsDigit(s_[exponent])) {
                stop = exponent;
                while (stop < s_.size() && IsDigit(s_[stop])) ++stop;
            }
        }
        return Make(TokenKind::Number, stop);
    }

    // The area or #REF! that follows "Sheet!" (prefixEnd is just after the "!").
    Token AfterSheetPrefix(std::size_t prefixEnd) {
        const std::size_t start = at_;
        if (const auto match = MatchArea(s_, prefixEnd)) return Reference(prefixEnd, *match);
        if (s_.substr(prefixEnd).starts_with("#REF!")) {
            Token token = Make(TokenKind::Reference, prefixEnd + 5);
            SetPrefix(token, start, prefixEnd);
            return token;
        }
        return Make(TokenKind::Name, SkipWord(s_, prefixEnd));
    }

    // A reference from at_ whose area starts at `areaStart` (after any sheet prefix).
    Token Reference(std::size_t areaStart, const std::pair<Area, std::size_t>& match) {
        const std::size_t start = at_;
        Token token = Make(TokenKind::Reference, match.second);
        token.area = match.first;
        if (areaStart != start) SetPrefix(token, start, areaStart);
        return token;
    }

    void SetPrefix(Token& token, std::size_t start, std::size_t prefixEnd) {
        token.text = s_.substr(start, at_ - start);
        token.sheetPrefix = s_.substr(start, prefixEnd - start);
        token.sheet = UnquotedSheetName(token.sheetPrefix);
    }

    std::string_view s_;
    std::size_t at_ = 0;
    std::vector<Token> tokens_;
};

std::string FormatEnd(const AreaEnd& end, bool withColumn, bool withRow) {
    std::string text;
    if (withColumn) text += (end.columnAbsolute ? "$" : "") + ColumnLetters(end.column);
    if (withRow) text += (end.rowAbsolute ? "$" : "") + std::to_string(end.row);
    return text;
}

}  // namespace

std::vector<Token> Tokenize(std::string_view formula) {
    return Lexer(formula).Run();
}

std::string FormatArea(const Area& area) {
    const bool columns = area.shape != AreaShape::Rows;
    const bool rows = area.shape != AreaShape::Columns;
    std::string text = FormatEnd(area.first, columns, rows);
    if (area.shape != AreaShape::GridCell) text += ":" + FormatEnd(area.last, columns, rows);
    return text;
}

}  // namespace nubera::sheet
