#include "app/project_file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <string>

#include "app/main_window_services.h"
#include "app/session_views.h"
#include "projectfile/project_file.h"
#include "projectfile/project_session.h"
#include "screenrules/derived_fill_values.h"
#include "widgets/dialogs/file_dialogs.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/qt_path.h"
#include "widgets/utf8_text.h"
#include "widgets/wait_cursor.h"

namespace nubera::app {
namespace {

FillLoads StoredFillLoads(const LoadedProject& loaded) {
    return {loaded.fillLoads, loaded.surcharge};
}

}  // namespace

QString DerivedValuesQuestion(const std::vector<DerivedMismatch>& mismatches) {
    return widgets::ToQt(DerivedMismatchText(mismatches)) +
           QStringLiteral(
               "\n入力値からの計算値に置き換えて読み込みますか？"
               "\n（「いいえ」ではファイルを読み込みません。）");
}

void ProjectFileCommands::New() {
    if (SaveChangesFirst(kSaveBeforeNewQuestion)) view_.StartNewProject();
}

void ProjectFileCommands::Load() {
    const MainWindowServices& services = services_;
    widgets::MessageBox& messages = services.messages;
    if (!MayReplace(true)) return;
    const std::optional<QString> name = services.dialogs.OpenProjectName(view_.Parent());
    if (!name) return;
    if (name->trimmed().isEmpty()) {
        messages.Notice(view_.Parent(), kNoFileNameMessage);
        return;
    }
    Read(*name);
}

void ProjectFileCommands::Open(const QString& name) {
    if (MayReplace(session_.Project() != ProjectData{})) Read(name);
}

void ProjectFileCommands::OpenRecent(const QString& name) {
    if (!QFileInfo::exists(name)) {
        services_.messages.Warning(view_.Parent(), QStringLiteral("ファイルが見つかりません。\n") +
                                                       QDir::toNativeSeparators(name));
        view_.ForgetRecentFile(name);
        return;
    }
    Open(name);
}

bool ProjectFileCommands::MayReplace(bool askToClear) {
    if (view_.Modified()) return SaveChangesFirst(kSaveBeforeLoadingQuestion);
    return !askToClear ||
           services_.messages.Ask(view_.Parent(), kLoadQuestion, widgets::MsgIcon::Question);
}

bool ProjectFileCommands::SaveChangesFirst(const QString& question) {
    if (!view_.Modified()) return true;
    switch (
        services_.messages.AskOrCancel(view_.Parent(), question, widgets::MsgIcon::Information)) {
        case widgets::MsgAnswer::Yes:
            return Save();
        case widgets::MsgAnswer::No:
            return true;
        case widgets::MsgAnswer::Ok:
        case widgets::MsgAnswer::Cancel:
            break;
    }
    return false;
}

void ProjectFileCommands::Read(const QString& name) {
    widgets::MessageBox& messages = services_.messages;
    const auto path = widgets::ToPath(name);
    switch (CheckProjectHeader(path)) {
        case HeaderCheck::Ok:
            break;
        case HeaderCheck::Unreadable:
            messages.Warning(view_.Parent(), QStringLiteral("ファイルを読み込めませんでした。\n") +
                                                 QDir::toNativeSeparators(name));
            return;
        case HeaderCheck::WrongHeader:
            messages.Notice(view_.Parent(), QString::fromUtf8(kProjectFileWrongVersion));
            return;
    }
    std::string error;
    const std::optional<LoadedProject> loaded = LoadProject(path, &error);
    if (!loaded) {
        messages.Warning(view_.Parent(), widgets::ToQt(error));
        return;
    }
    // Values the file contradicts itself with are shown before anything is
    // replaced: taken, the project differs from its file until it is saved.
    const std::vector<DerivedMismatch> mismatches =
        DerivedValueMismatches(StoredFillLoads(*loaded));
    if (!mismatches.empty() && !messages.Ask(view_.Parent(), DerivedValuesQuestion(mismatches),
                                             widgets::MsgIcon::Exclamation)) {
        return;
    }
    ApplyLoadedProject(*loaded, session_.Project());
    view_.ShowLoadedProject(*loaded);
    view_.MarkSaved(name);
    if (!mismatches.empty()) {
        TakeComputedValues(session_.Project());
        view_.ShowAmendedProject();
    }
    view_.SayLoaded(name);
}

bool ProjectFileCommands::Save() {
    const MainWindowServices& services = services_;
    if (session_.Project().alsoLateral && !view_.CheckPoissonRatio()) return false;
    const std::optional<QString> name = services.dialogs.SaveProjectName(view_.Parent());
    if (!name || name->trimmed().isEmpty()) return false;
    const QString file = widgets::ToQString(WithProjectExtension(widgets::ToPath(*name)));
    if (QFileInfo::exists(file) &&
        !services.messages.Ask(view_.Parent(), kOverwriteQuestion, widgets::MsgIcon::None)) {
        return false;
    }
    return Write(file);
}

bool ProjectFileCommands::SaveInPlace() {
    const QString file = QString::fromStdString(session_.FileName());
    if (file.isEmpty()) return Save();
    if (session_.Project().alsoLateral && !view_.CheckPoissonRatio()) return false;
    return Write(file);
}

bool ProjectFileCommands::Write(const QString& file) {
    const MainWindowServices& services = services_;
    std::string error;
    bool saved = false;
    {
        widgets::WaitCursor wait;
        saved = SaveProject(session_.Project(), widgets::ToPath(file), &error);
    }
    if (!saved) {
        services.messages.Warning(
            view_.Parent(),
            QStringLiteral("ファイルを保存できませんでした。\n") + widgets::ToQt(error));
        return false;
    }
    view_.MarkSaved(file);
    return true;
}

}  // namespace nubera::app
