#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "files/atomic_file.h"
#include "model/project_data.h"

namespace nubera {

// The message the reader gives for every kind of bad content.
inline constexpr const char* kProjectFileBroken =
    "ﾌｧｲﾙ内容に不備がありましたので、読み込み処理を中止しました。";
// The message of the load command when the first line is not the header.
inline constexpr const char* kProjectFileWrongVersion =
    "ファイル形式、もしくはバージョンが違います";

// Project files are found by this extension (the file dialogs show only
// them); a name chosen without any extension gets it.
inline constexpr const char* kProjectFileExtension = ".nbr";
std::filesystem::path WithProjectExtension(std::filesystem::path name);

// The header line every project file starts with, "[ヌベラ100]" (UTF-8).
std::string ProjectHeaderLine();

// What a successful load hands to the main window to apply.
struct LoadedProject {
    double excavationWidth = 0;
    double leveeWidth = 0;
    std::optional<SoilLayerTable> soilLayers;
    std::optional<FillLoadTable> fillLoads;
    std::optional<SurchargeTable> surcharge;
    std::optional<FocusPointList> focusPoints;
    bool alsoLateral = false;
    // The kept Poisson text formatted "0.00" (empty when the section was
    // missing); the main window puts it into its Poisson box in lateral mode.
    std::string poissonText;
    bool manualPointsLoaded = false;  // selects manual placement
    ProjectDescription description;
    // How the soil layers were read off a boring log, when the file says so
    // and it still describes the layers read.
    std::optional<SoilDerivation> soilDerivation;
};

// Result of the load command's header check, made before the reader runs.
enum class HeaderCheck {
    Ok,
    Unreadable,   // the file cannot be opened or is empty: the command says so, naming it
    WrongHeader,  // kProjectFileWrongVersion
};

HeaderCheck CheckProjectHeader(const std::filesystem::path& path);

// Reads a project file (code page 932, CR LF). On failure returns nothing and
// sets *error to kProjectFileBroken; nothing is half-loaded.
std::optional<LoadedProject> LoadProject(const std::filesystem::path& path, std::string* error);

// Replaces the four tables, both widths, the mode, the description and the
// soil layers' derivation (none when the file has none) of `project` with a
// loaded project. poissonRatio is left for the check before a run or save.
void ApplyLoadedProject(const LoadedProject& loaded, ProjectData& project);

// The bytes of the project's file: code page 932 with CR LF lines. Returns
// nothing and sets *reason when a text of the project cannot be written (a
// description refused, a character the code page lacks).
std::optional<std::string> ProjectFileContent(const ProjectData& project, std::string* reason);

// Writes the project in code page 932 with CR LF lines, through a temporary
// file in the same folder given the name only when complete, so a failed
// save leaves any previous file intact; a file that has the name by then is
// replaced or left untouched (a failure) as `existing` says. Returns false
// and sets *error (naming the file and the system's reason) on failure.
bool SaveProject(const ProjectData& project, const std::filesystem::path& path, std::string* error,
                 ExistingFile existing = ExistingFile::Replace);

}  // namespace nubera
