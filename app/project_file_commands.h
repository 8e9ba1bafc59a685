#pragma once

#include <QString>
#include <vector>

#include "screenrules/derived_fill_values.h"

namespace nubera {
class ProjectSession;
}  // namespace nubera

namespace nubera::app {

class FileCommandsView;
struct MainWindowServices;

// The file menu's 読み込み and 書き込み: the questions, the file dialogs and the
// messages around reading and writing a project file. A failed load or save
// leaves the project exactly as it was and says why. A name chosen for saving
// without an extension gets ".nbr", so that the load dialog lists the file.
// Unsaved changes are never lost to a load: it offers to save them first.
class ProjectFileCommands {
  public:
    ProjectFileCommands(ProjectSession& session, const MainWindowServices& services,
                        FileCommandsView& view)
        : session_(session), services_(services), view_(view) {}

    // 新規: an empty project, once unsaved changes were offered to be saved.
    void New();
    void Load();
    // Loads `name` as Load does once a file is chosen, asking first only when
    // there is a project to lose: a file opened from outside the program.
    void Open(const QString& name);
    // Loads a file of the recent-files list as Open does; a file that is
    // gone is said so and leaves the list.
    void OpenRecent(const QString& name);
    // 名前を付けて保存. True once the project is written.
    bool Save();
    // 上書き保存: writes the project into its file without asking; a project
    // without a file is saved as Save saves it.
    bool SaveInPlace();

    // With unsaved changes asks `question` (Yes/No/Cancel): Yes saves them
    // as 書き込み does, No lets them go. True when the caller may go on:
    // nothing was unsaved, the answer was No, or the save succeeded.
    bool SaveChangesFirst(const QString& question);

  private:
    // The question before the project is replaced: the save question when
    // something is unsaved, else the clearing question when `askToClear`.
    bool MayReplace(bool askToClear);
    void Read(const QString& name);
    // Writes the project into `file`; true once written, else says why.
    bool Write(const QString& file);

    ProjectSession& session_;
    const MainWindowServices& services_;
    FileCommandsView& view_;
};

inline const QString kLoadQuestion =
    QStringLiteral("現在のデータはクリアーされますがよろしいでしょうか？");
inline const QString kSaveBeforeNewQuestion =
    QStringLiteral("データが保存されていません。\n新規作成の前に保存しますか？");
inline const QString kSaveBeforeLoadingQuestion =
    QStringLiteral("データが保存されていません。\n読み込む前に保存しますか？");
inline const QString kNoFileNameMessage = QStringLiteral("ファイル名を指定してください");
// Asked when a file's derived fill values contradict its entered ones: はい
// takes the computed values, いいえ leaves the file unopened.
QString DerivedValuesQuestion(const std::vector<DerivedMismatch>& mismatches);

inline const QString kOverwriteQuestion =
    QStringLiteral("同名のファイルが存在します、上書きしますか？");

}  // namespace nubera::app
