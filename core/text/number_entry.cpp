#include "text/number_entry.h"

#include <array>
#include <utility>

namespace nubera {
namespace {

// The full-width forms an input method commits, with their ASCII equivalents.
// U+2212 is the minus sign some input methods give for the minus key.
constexpr std::array<std::pair<std::string_view, char>, 15> kFullWidth{{
    {"\uFF10", '0'},
    {"\uFF11", '1'},
    {"\uFF12", '2'},
    {"\uFF13", '3'},
    {"\uFF14", '4'},
    {"\uFF15", '5'},
    {"\uFF16", '6'},
    {"\uFF17", '7'},
    {"\uFF18", '8'},
    {"\uFF19", '9'},
    {"\uFF0E", '.'},
    {"\uFF0D", '-'},
    {"\u2212", '-'},
    {"\uFF0B", '+'},
    {"\uFF0C", ','},
}};

// The ASCII character at the start of `text` and how many bytes it took;
// a character without an ASCII form gives 0.
std::pair<char, std::size_t> AsciiAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80) return {text.front(), 1};
    for (const auto& [form, ascii] : kFullWidth) {
        if (text.starts_with(form)) return {ascii, form.size()};
    }
    return {0, 1};
}

EntryInsertion Refused(const std::string& reason, EntrySign sign) {
    return {false, {}, reason + "\n" + EntryTakes(sign)};
}

}  // namespace

std::string EntryTakes(EntrySign sign) {
    return sign == EntrySign::Signed ? "この欄に入力できるのは数字、小数点(.)とマイナス(-)です。"
                                     : "この欄に入力できるのは数字と小数点(.)です。";
}

EntryInsertion CheckEntryInsertion(std::string_view utf8, EntrySign sign) {
    std::string ascii;
    while (!utf8.empty()) {
        const auto [c, length] = AsciiAt(utf8);
        utf8.remove_prefix(length);
        if (c >= '0' && c <= '9') {
            ascii += c;
            continue;
        }
        switch (c) {
            case '.':
            case '+':
                ascii += c;
                continue;
            case '-':
                if (sign == EntrySign::Unsigned) {
                    return Refused("この欄にはマイナスの値は入力できません。", sign);
                }
                ascii += c;
                continue;
            case ',':
                return Refused("桁区切りのカンマ(,)は入力できません。", sign);
            default:
                return Refused("数字以外の文字は入力できません。", sign);
        }
    }
    return {true, ascii, {}};
}

}  // namespace nubera
