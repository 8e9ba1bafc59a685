#pragma once

// A workbook written under a hidden pending name given its result name: the
// first free one of a naming, or one chosen by the caller, in one step that
// never leaves a name holding half a file, the folder synced so that the
// name survives a power cut.

#include <filesystem>
#include <string>
#include <string_view>

#include "files/pending_file.h"
#include "report/result_names.h"

namespace nubera::report {

// Shown when every name a workbook may take is taken.
inline constexpr const char* kNoFreeResultName =
    "Excelﾌｧｲﾙを保存できません。\n"
    "ﾌｫﾙﾀﾞ内の即時沈下量計算結果ﾌｧｲﾙを削除または、移動してください。";

// What becomes of a file that already has the name a workbook is given.
enum class ExistingResult { Refuse, Replace };

// Gives the pending file the first free name of `naming`: free when neither
// it nor the file beside it with `companionExtension` (".pdf", say; none
// when empty) exists. Sets `published` to it; returns why it could not
// (kNoFreeResultName when every name is taken), or nothing.
std::string PublishFirstFree(PendingFile& file, const ResultNaming& naming,
                             std::string_view companionExtension, std::filesystem::path& published);

// Gives the pending file the name `target`, replacing a file of that name
// only when told to. Sets `published` to it; returns why it could not, or
// nothing.
std::string PublishAs(PendingFile& file, const std::filesystem::path& target,
                      ExistingResult existing, std::filesystem::path& published);

}  // namespace nubera::report
