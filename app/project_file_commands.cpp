#include "app/project_file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <string>

#include "app/main_window.h"
#include "projectfile/project_file.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "widgets/qt_path.h"
#include "widgets/utf8_text.h"
#include "widgets/wait_cursor.h"

namespace nubera {

void ProjectFileCommands::New() {
    if (SaveChangesFirst(kSaveBeforeNewQuestion)) window_.StartNewProject();
}

bool ProjectFileCommands::SaveChangesFirst(const QString& question) {
    if (!window_.Modified()) return true;
    switch (window_.Services().messages.AskOrCancel(&window_, question, MsgIcon::Information)) {
        case MsgAnswer::Yes:
            return SaveInPlace();
        case MsgAnswer::No:
            return true;
        case MsgAnswer::Ok:
        case MsgAnswer::Cancel:
            break;
    }
    return false;
}

void ProjectFileCommands::OpenRecent(const QString& name) {
    if (!QFileInfo::exists(name)) {
        window_.Services().messages.Warning(
            &window_,
            QStringLiteral("ファイルが見つかりません。\n") + QDir::toNativeSeparators(name));
        window_.Recent().Remove(name);
        return;
    }
    Open(name);
}

void ProjectFileCommands::Load() {
    const MainWindowServices& services = window_.Services();
    MessageBox& messages = services.messages;
    if (!messages.Ask(&window_, kLoadQuestion, MsgIcon::Question)) return;
    const std::optional<QString> name = services.dialogs.OpenProjectName(&window_);
    if (!name) return;
    if (name->trimmed().isEmpty()) {
        messages.Notice(&window_, kNoFileNameMessage);
        return;
    }
    Read(*name);
}

void ProjectFileCommands::Open(const QString& name) {
    MessageBox& messages = window_.Services().messages;
    if (window_.Project() != ProjectData{} &&
        !messages.Ask(&window_, kLoadQuestion, MsgIcon::Question)) {
        return;
    }
    Read(name);
}

void ProjectFileCommands::Read(const QString& name) {
    MessageBox& messages = window_.Services().messages;
    const auto path = ToPath(name);
    switch (CheckProjectHeader(path)) {
        case HeaderCheck::Ok:
            break;
        case HeaderCheck::Unreadable:
            messages.Warning(&window_, QStringLiteral("ファイルを読み込めませんでした。\n") +
                                           QDir::toNativeSeparators(name));
            return;
        case HeaderCheck::WrongHeader:
            messages.Notice(&window_, QString::fromUtf8(kProjectFileWrongVersion));
            return;
    }
    std::string error;
    const std::optional<LoadedProject> loaded = LoadProject(path, &error);
    if (!loaded) {
        messages.Warning(&window_, ToQt(error));
        return;
    }
    ApplyLoadedProject(*loaded, window_.Project());
    window_.ShowLoadedProject(*loaded);
    window_.MarkSaved(name);
}

bool ProjectFileCommands::Save() {
    const MainWindowServices& services = window_.Services();
    if (window_.Project().alsoLateral && !window_.CheckPoissonRatio()) return false;
    const std::optional<QString> name = services.dialogs.SaveProjectName(&window_);
    if (!name || name->trimmed().isEmpty()) return false;
    const QString file = ToQString(WithProjectExtension(ToPath(*name)));
    if (QFileInfo::exists(file) &&
        !services.messages.Ask(&window_, kOverwriteQuestion, MsgIcon::None)) {
        return false;
    }
    return Write(file);
}

bool ProjectFileCommands::SaveInPlace() {
    if (window_.ProjectFile().isEmpty()) return Save();
    if (window_.Project().alsoLateral && !window_.CheckPoissonRatio()) return false;
    return Write(window_.ProjectFile());
}

bool ProjectFileCommands::Write(const QString& file) {
    const MainWindowServices& services = window_.Services();
    std::string error;
    bool saved = false;
    {
        WaitCursor wait;
        saved = SaveProject(window_.Project(), ToPath(file), &error);
    }
    if (!saved) {
        services.messages.Warning(
            &window_, QStringLiteral("ファイルを保存できませんでした。\n") + ToQt(error));
        return false;
    }
    window_.MarkSaved(file);
    return true;
}

}  // namespace nubera
