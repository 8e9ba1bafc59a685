#pragma once

#include <QString>

namespace nubera {

class FileCommandsView;
class ProjectSession;
struct MainWindowServices;

// The file menu's 読み込み and 書き込み: the questions, the file dialogs and the
// messages around reading and writing a project file. A failed load or save
// leaves the project exactly as it was and says why. A name chosen for saving
// without an extension gets ".nbr", so that the load dialog lists the file.
class ProjectFileCommands {
  public:
    ProjectFileCommands(ProjectSession& session, const MainWindowServices& services,
                        FileCommandsView& view)
        : session_(session), services_(services), view_(view) {}

    void Load();
    // Loads `name` as Load does once a file is chosen, asking first only when
    // there is a project to lose: a file opened from outside the program.
    void Open(const QString& name);
    // True once the project is written.
    bool Save();

  private:
    void Read(const QString& name);

    ProjectSession& session_;
    const MainWindowServices& services_;
    FileCommandsView& view_;
};

inline const QString kLoadQuestion =
    QStringLiteral("現在のデータはクリアーされますがよろしいでしょうか？");
inline const QString kNoFileNameMessage = QStringLiteral("ファイル名を指定してください");
inline const QString kOverwriteQuestion =
    QStringLiteral("同名のファイルが存在します、上書きしますか？");

}  // namespace nubera
