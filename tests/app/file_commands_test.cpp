// The file commands people expect: 新規, 上書き保存, the recent files, 実行 by
// F5 and the last result opened again, each asking about unsaved changes.

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QUndoStack>
#include <functional>
#include <utility>

#include "app/project_file_commands.h"
#include "files/result_folder.h"
#include "projectfile/project_file.h"
#include "report/result_workbook.h"
#include "tests/app/main_window_harness.h"
#include "widgets/qt_path.h"

namespace nubera::test {
namespace {

class FileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window.reset();
        app::RecentFiles recent;
        for (const QString& file : recent.List()) recent.Remove(file);
    }

    // A copy of an example in the test's folder.
    QString Copy(const char* example) {
        const QString copy = folder.filePath(QString::fromUtf8(example));
        QFile::copy(QStringLiteral(NUBERA_SOURCE_DIR "/examples/") + QString::fromUtf8(example),
                    copy);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }
    void Load(const QString& file) {
        messages.PlanAnswers({widgets::MsgAnswer::Yes});
        dialogs.Plan(file);
        Trigger("mnuLoad");
        messages.Clear();
    }
    void Press(QKeySequence keys) {
        QTest::keyClick(window.get(), keys[0].key(), keys[0].keyboardModifiers());
    }
    void WidenTheLevee() {
        screens.soil = [](SoilConditions& conditions) {
            conditions.leveeWidth += 5;
            return true;
        };
        Button(QStringLiteral("CMD_土質条件"))->click();
    }
    // The project file the session was last loaded from or saved to.
    QString ProjectFile() const { return QString::fromStdString(session.FileName()); }
    ProjectData Read(const QString& file) {
        std::string error;
        const auto loaded = LoadProject(widgets::ToPath(file), &error);
        EXPECT_TRUE(loaded) << error;
        ProjectData read;
        if (loaded) ApplyLoadedProject(*loaded, read);
        return read;
    }
};

TEST_F(FileCommandsTest, CtrlSWritesTheLoadedFileInPlaceWithoutAsking) {
    Open();
    const QString file = Copy("five-blocks-lateral.nbr");
    Load(file);
    const double levee = project.leveeWidth;
    WidenTheLevee();
    ASSERT_TRUE(window->isWindowModified());
    Press(QKeySequence::Save);
    EXPECT_EQ(dialogs.Shown(), 1) << "only the load's dialog";
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(Read(file).leveeWidth, levee + 5);
    EXPECT_EQ(ProjectFile(), file);
}

TEST_F(FileCommandsTest, CtrlSOfANewProjectAsksForANameAsSaveAsDoes) {
    Open();
    Load(Copy("one-block.nbr"));
    Trigger("mnuNew");
    WidenTheLevee();
    const QString named = folder.filePath(QStringLiteral("新しい堤防"));
    dialogs.Plan(named);
    Press(QKeySequence::Save);
    EXPECT_EQ(ProjectFile(), named + QStringLiteral(".nbr"));
    EXPECT_TRUE(QFile::exists(named + QStringLiteral(".nbr")));
}

TEST_F(FileCommandsTest, NewAsksAboutUnsavedChangesAndStartsAnEmptyProject) {
    Open();
    Load(Copy("one-block.nbr"));
    WidenTheLevee();
    const ProjectData changed = project;
    messages.PlanAnswers({widgets::MsgAnswer::Cancel});
    Trigger("mnuNew");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, app::kSaveBeforeNewQuestion);
    EXPECT_EQ(project, changed) << "withdrawn: nothing lost";

    messages.PlanAnswers({widgets::MsgAnswer::No});
    Press(QKeySequence::New);
    EXPECT_EQ(project, ProjectData{});
    EXPECT_TRUE(ProjectFile().isEmpty());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->History().canUndo());
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    EXPECT_EQ(Label(QStringLiteral("LBL_土質条件"))->text(), app::kStatusUnsetInitial);
    EXPECT_TRUE(Button(QStringLiteral("CMD_土質条件"))->hasFocus()) << "not 終了, where Enter ends";
    EXPECT_TRUE(messages.AllAnswersUsed());
}

// 新規, 読み込み, a recent file, a file handed over and closing each ask the
// save question before the changes could go; キャンセル keeps everything.
TEST_F(FileCommandsTest, EveryCommandThatWouldDropUnsavedChangesAsksTheSaveQuestion) {
    Open();
    const QString file = Copy("one-block.nbr");
    Load(file);
    WidenTheLevee();
    const ProjectData changed = project;
    auto* recent = Find<QMenu>(QStringLiteral("mnuRecent"));
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"新規", [&] { Trigger("mnuNew"); }},
        {"読み込み", [&] { Trigger("mnuLoad"); }},
        {"recent file",
         [&] {
             Q_EMIT recent->aboutToShow();
             recent->actions()[0]->trigger();
         }},
        {"hand-over", [&] { window->OpenProjectFile(file); }},
        {"close", [&] { window->close(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        messages.Clear();
        messages.PlanAnswers({widgets::MsgAnswer::Cancel});
        command();
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_TRUE(
            messages.Shown()[0].text.startsWith(QStringLiteral("データが保存されていません。")))
            << messages.Shown()[0].text.toStdString();
        EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::YesNoCancel);
        EXPECT_EQ(project, changed);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(dialogs.Shown(), 1) << "only the first load's dialog";
}

TEST_F(FileCommandsTest, TheRecentFilesAreTheEightLastNewestFirstAndAGoneOneLeavesTheList) {
    Open();
    QStringList files;
    for (int i = 0; i < 9; ++i) {
        files << folder.filePath(QStringLiteral("p%1.nbr").arg(i));
        QFile::copy(QStringLiteral(NUBERA_SOURCE_DIR "/examples/one-block.nbr"), files.back());
        Load(files.back());
    }
    QStringList expected;
    for (int i = 8; i > 0; --i) expected << files[i];
    EXPECT_EQ(window->Recent().List(), expected);

    auto* recent = Find<QMenu>(QStringLiteral("mnuRecent"));
    Q_EMIT recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 8);
    QFile::remove(files[5]);
    recent->actions()[3]->trigger();  // p5, gone
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_TRUE(messages.Shown()[0].text.contains(QStringLiteral("p5.nbr")));
    EXPECT_FALSE(window->Recent().List().contains(files[5]));
    EXPECT_EQ(ProjectFile(), files[8]) << "the project stays";

    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Q_EMIT recent->aboutToShow();
    recent->actions()[1]->trigger();  // p7
    EXPECT_EQ(ProjectFile(), files[7]);
    EXPECT_EQ(window->Recent().List().first(), files[7]);
}

TEST_F(FileCommandsTest, F5RunsAndTheLastResultOpensAgainWithoutANewRun) {
    // The template, and the mark that keeps the workbooks beside it.
    for (const char* name : {report::kTemplateFileName, kPortableMarkerName}) {
        QFile::copy(QStringLiteral(NUBERA_BINARY_DIR "/bin/") + QString::fromUtf8(name),
                    folder.filePath(QString::fromUtf8(name)));
    }
    Open();
    Trigger("mnuLastResult");
    ASSERT_EQ(messages.Shown().size(), 1u) << "nothing to open yet";
    messages.Clear();
    Load(Copy("one-block.nbr"));
    Press(QKeySequence(Qt::Key_F5));
    Press(QKeySequence(Qt::Key_F5));
    ASSERT_EQ(preview.shown.size(), 2u);
    const QString second = folder.filePath(QStringLiteral("one-block_即時沈下量計算結果_2.xlsx"));
    EXPECT_EQ(preview.shown[1].workbook, second);
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    Trigger("mnuLastResult");
    ASSERT_EQ(preview.shown.size(), 3u);
    EXPECT_EQ(preview.shown[2].workbook, second);
    EXPECT_EQ(preview.shown[2].sheets, preview.shown[1].sheets);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), before) << "no new run";
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace nubera::test
