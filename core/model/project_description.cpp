#include "model/project_description.h"

#include <array>

#include "text/cp932.h"

namespace nubera {
namespace {

constexpr std::array kFields = {
    DescriptionField{"件名", &ProjectDescription::title, 100, false},
    DescriptionField{"断面・測点", &ProjectDescription::section, 100, false},
    DescriptionField{"設計者", &ProjectDescription::designer, 40, false},
    DescriptionField{"照査者", &ProjectDescription::checker, 40, false},
    DescriptionField{"承認者", &ProjectDescription::approver, 40, false},
    DescriptionField{"版", &ProjectDescription::revision, 20, false},
    DescriptionField{"備考", &ProjectDescription::notes, 1000, true},
};

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The UTF-8 characters of a text, one view each (a stray continuation byte
// stays with the character before it, or alone at the start).
template <typename Visit>
bool ForEachCharacter(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start + 1;
        while (end < text.size() && IsContinuationByte(text[end])) ++end;
        if (!visit(text.substr(start, end - start))) return false;
        start = end;
    }
    return true;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    ForEachCharacter(text, [&count](std::string_view) {
        ++count;
        return true;
    });
    return count;
}

// Controls (C0, DEL) are refused; a tab is harmless, a line break is the
// field's to allow. CR is refused too: a line break is kept as LF alone.
std::optional<std::string> ControlProblem(const DescriptionField& field, std::string_view text) {
    const std::string name(field.key);
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\t') continue;
        if (c == '\n') {
            if (field.multiline) continue;
            return name + "に改行は入れられません。";
        }
        if (code < 0x20 || code == 0x7F) return name + "に使えない制御文字が含まれています。";
    }
    return std::nullopt;
}

// A lead byte and as many continuation bytes as it announces.
bool IsWholeCharacter(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character.front());
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    return length == character.size();
}

std::optional<std::string> EncodingProblem(const DescriptionField& field, std::string_view text) {
    if (Utf8ToCp932(text)) return std::nullopt;
    std::string_view refused;
    ForEachCharacter(text, [&refused](std::string_view character) {
        if (Utf8ToCp932(character)) return true;
        refused = character;
        return false;
    });
    const std::string name(field.key);
    if (refused.empty() || !IsWholeCharacter(refused)) {
        return name + "にプロジェクトファイルへ保存できない文字が含まれています。";
    }
    return name + "の「" + std::string(refused) +
           "」はプロジェクトファイル（シフトJIS）に保存できない文字です。別の文字に置き換えてくださ"
           "い。";
}

}  // namespace

std::span<const DescriptionField> DescriptionFields() {
    return kFields;
}

std::optional<std::string> DescriptionTextProblem(const DescriptionField& field,
                                                  std::string_view text) {
    if (auto problem = ControlProblem(field, text)) return problem;
    if (auto problem = EncodingProblem(field, text)) return problem;
    if (CharacterCount(text) > field.maxCharacters) {
        return std::string(field.key) + "は" + std::to_string(field.maxCharacters) +
               "文字以下にしてください。";
    }
    return std::nullopt;
}

std::optional<std::string> DescriptionProblem(const ProjectDescription& description) {
    for (const DescriptionField& field : kFields) {
        if (auto problem = DescriptionTextProblem(field, description.*field.member)) {
            return problem;
        }
    }
    return std::nullopt;
}

}  // namespace nubera
