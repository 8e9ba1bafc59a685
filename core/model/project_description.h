#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace nubera {

// What a project says about itself for its report: the title, the section or
// station, who designed, checked and approved it, the revision and notes.
// Stored in the project file's preamble; the report's title block prints it.
struct ProjectDescription {
    std::string title;     // 件名
    std::string section;   // 断面・測点
    std::string designer;  // 設計者
    std::string checker;   // 照査者
    std::string approver;  // 承認者
    std::string revision;  // 版
    std::string notes;     // 備考

    bool operator==(const ProjectDescription&) const = default;
};

// One descriptive field: its key in the project file (also its caption), the
// member that holds it, how many characters it may have and whether it may
// span lines.
struct DescriptionField {
    std::string_view key;
    std::string ProjectDescription::*member;
    std::size_t maxCharacters;
    bool multiline;
};

// The fields in the order they are written and shown.
std::span<const DescriptionField> DescriptionFields();

// Why a text cannot be this field's value, as a message for the person who
// typed it (naming the field and, where there is one, the character); nothing
// when it can. A value must fit the field, hold no control character but line
// breaks where the field allows them, and be a text the project file's code
// page holds exactly, so that it is saved as it was typed or not at all.
std::optional<std::string> DescriptionTextProblem(const DescriptionField& field,
                                                  std::string_view text);

// The first field of the description whose value is refused, with the reason.
std::optional<std::string> DescriptionProblem(const ProjectDescription& description);

}  // namespace nubera
