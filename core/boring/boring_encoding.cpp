#include "boring/boring_encoding.h"

#include <algorithm>
#include <cctype>

#include "text/cp932.h"
#include "text/text_lines.h"

namespace nubera {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The encoding named by the XML declaration; empty when there is none.
std::string_view DeclaredEncoding(std::string_view bytes) {
    if (!bytes.starts_with("<?xml")) return {};
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) return {};
    at = declaration.find_first_of("\"'", at);
    if (at == std::string_view::npos) return {};
    const std::size_t end = declaration.find(declaration[at], at + 1);
    if (end == std::string_view::npos) return {};
    return declaration.substr(at + 1, end - at - 1);
}

bool IsShiftJisName(std::string_view name) {
    static constexpr std::string_view kNames[] = {"Shift_JIS",   "Shift-JIS", "SJIS",
                                                  "Windows-31J", "CP932",     "MS932"};
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](std::string_view known) { return EqualsIgnoringCase(name, known); });
}

// Line endings are ASCII and never part of a double-byte character, so the
// first line that does not decode on its own is the one to name.
int FirstUndecodableLine(std::string_view bytes) {
    int number = 1;
    for (const std::string_view line : SplitLines(bytes)) {
        if (!Cp932ToUtf8(line)) return number;
        ++number;
    }
    return number;
}

}  // namespace

std::optional<std::string> DecodeBoringText(std::string_view bytes, std::string* error) {
    const std::string_view declared = DeclaredEncoding(bytes);
    if (!declared.empty() && !IsShiftJisName(declared)) {
        *error = "文字コード「" + std::string(declared) +
                 "」のファイルです。ボーリング交換用データは Shift_JIS で書かれています。";
        return std::nullopt;
    }
    // A file saved again as UTF-8 by an editor keeps its Shift_JIS
    // declaration; read as Shift_JIS it would turn into other characters.
    if (bytes.find("<ボーリング情報") != std::string_view::npos) {
        *error = "Shift_JIS と宣言されていますが、UTF-8 で書かれています。";
        return std::nullopt;
    }
    auto text = Cp932ToUtf8(bytes);
    if (!text) {
        *error = std::to_string(FirstUndecodableLine(bytes)) +
                 "行目に Shift_JIS として読めない文字があります。";
    }
    return text;
}

}  // namespace nubera
