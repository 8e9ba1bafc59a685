#include "spreadsheet/ooxml/package/checks/attribute_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "decimal/double_chars.h"

namespace nubera::sheet {
namespace {

constexpr int kLastColumn = 16384;  // XFD
constexpr int kLastRow = 1'048'576;

// Character tests of their own: every attribute of every written part comes
// through here.
bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::string_view Trimmed(std::string_view value) {
    while (!value.empty() && IsXmlSpace(value.front())) value.remove_prefix(1);
    while (!value.empty() && IsXmlSpace(value.back())) value.remove_suffix(1);
    return value;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

bool AllHexDigits(std::string_view text, std::size_t count) {
    return text.size() == count && std::all_of(text.begin(), text.end(), IsHexDigit);
}

bool IsUnsigned(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    if (!AllDigits(text)) return false;
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && number <= UINT32_MAX;
}

bool IsInteger(std::string_view text) {
    const bool withSign = text.starts_with('+') || text.starts_with('-');
    if (!AllDigits(text.substr(withSign ? 1 : 0))) return false;
    if (text.starts_with('+')) text.remove_prefix(1);
    std::int64_t number = 0;
    return std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc();
}

// Digits with at most one decimal point among them, at least one digit,
// then an optional exponent; no names such as INF or NaN.
bool IsDecimalForm(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
    const std::size_t exponent = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, exponent);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    const bool mantissaFits = (whole.empty() || AllDigits(whole)) &&
                              (fraction.empty() || AllDigits(fraction)) &&
                              !(whole.empty() && fraction.empty());
    if (!mantissaFits || exponent == std::string_view::npos) return mantissaFits;
    std::string_view power = text.substr(exponent + 1);
    if (power.starts_with('+') || power.starts_with('-')) power.remove_prefix(1);
    return AllDigits(power);
}

bool IsFiniteNumber(std::string_view text) {
    if (!IsDecimalForm(text)) return false;
    if (text.starts_with('+')) text.remove_prefix(1);
    double number = 0;
    const auto [end, error] = DoubleFromChars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(number);
}

// "$B$3": up to three letters naming a column up to XFD, a row from 1.
bool IsCellReference(std::string_view text) {
    if (text.starts_with('$')) text.remove_prefix(1);
    int column = 0;
    std::size_t letters = 0;
    for (; letters < text.size() && letters < 4; ++letters) {
        const char c = text[letters];
        if (c >= 'A' && c <= 'Z') {
            column = column * 26 + (c - 'A' + 1);
        } else if (c >= 'a' && c <= 'z') {
            column = column * 26 + (c - 'a' + 1);
        } else {
            break;
        }
    }
    if (letters == 0 || letters > 3 || column > kLastColumn) return false;
    std::string_view row = text.substr(letters);
    if (row.starts_with('$')) row.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(row.data(), row.data() + row.size(), number);
    return AllDigits(row) && error == std::errc() && number >= 1 && number <= kLastRow;
}

bool IsRangeReference(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return IsCellReference(text);
    return IsCellReference(text.substr(0, colon)) && IsCellReference(text.substr(colon + 1));
}

bool IsRangeReferenceList(std::string_view text) {
    if (text.empty()) return false;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        if (!IsRangeReference(text.substr(at, space - at))) return false;
        at = space + 1;
    }
    return true;
}

}  // namespace

bool FitsRule(const AttributeRule& rule, std::string_view value) {
    const std::string_view text = Trimmed(value);
    switch (rule.kind) {
        case ValueKind::Text:
            return true;
        case ValueKind::Boolean:
            return text == "true" || text == "false" || text == "1" || text == "0";
        case ValueKind::Unsigned:
            return IsUnsigned(text);
        case ValueKind::Integer:
            return IsInteger(text);
        case ValueKind::Number:
            return IsFiniteNumber(text);
        case ValueKind::Choice:
            return std::find(rule.choices.begin(), rule.choices.end(), text) != rule.choices.end();
        case ValueKind::ArgbColor:
            return AllHexDigits(text, 8);
        case ValueKind::RgbColor:
            return AllHexDigits(text, 6);
        case ValueKind::CellReference:
            return IsCellReference(text);
        case ValueKind::RangeReference:
            return IsRangeReference(text);
        case ValueKind::RangeReferenceList:
            return IsRangeReferenceList(text);
    }
    return false;
}

std::string ExpectedValueText(const AttributeRule& rule) {
    switch (rule.kind) {
        case ValueKind::Text:
            return "文字列";
        case ValueKind::Boolean:
            return "true、false、1、0のいずれか";
        case ValueKind::Unsigned:
            return "0以上の整数";
        case ValueKind::Integer:
            return "整数";
        case ValueKind::Number:
            return "有限の数値";
        case ValueKind::Choice: {
            std::string names;
            for (std::string_view choice : rule.choices) {
                names += (names.empty() ? "" : "、") + std::string(choice);
            }
            return names + "のいずれか";
        }
        case ValueKind::ArgbColor:
            return "16進数8桁の色";
        case ValueKind::RgbColor:
            return "16進数6桁の色";
        case ValueKind::CellReference:
            return "セル番地";
        case ValueKind::RangeReference:
            return "セル範囲";
        case ValueKind::RangeReferenceList:
            return "空白で区切ったセル範囲";
    }
    return {};
}

}  // namespace nubera::sheet
