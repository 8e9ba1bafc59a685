#include "app/project_file_commands.h"

#include <gmock/gmock.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fstream>
#include <iterator>

#include "projectfile/project_file.h"
#include "tests/app/main_window_harness.h"
#include "tests/core/one_block_project.h"
#include "text/cp932.h"

namespace nubera::test {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

QString Example(const char* name) {
    return QStringLiteral(NUBERA_SOURCE_DIR "/examples/") + QString::fromUtf8(name);
}

std::string Bytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ProjectFileCommandsTest : public MainWindowTest {
  protected:
    void Load() { Trigger("mnuLoad"); }
    void Save() { Trigger("mnuSave"); }

    // Loads `path`, answering Yes to the question.
    void LoadFile(const QString& path) {
        messages.PlanAnswers({widgets::MsgAnswer::Yes});
        dialogs.Plan(path);
        Load();
    }
    void LoadExample(const char* name) { LoadFile(Example(name)); }
    // Loads a project of the widths and the mode alone: no soil layers, no fill loads.
    void LoadSoilOnly() {
        LoadFile(WriteProject(
            QStringLiteral("soil-only.nbr"),
            "[開削幅]\r\n10\r\n!END\r\n[堤体幅]\r\n20\r\n!END\r\n[処理Mode]\r\n0\r\n!END\r\n"));
    }

    // A project file of this version's header and the given lines (UTF-8 here).
    QString WriteProject(const QString& name, const std::string& lines) {
        const auto bytes = Utf8ToCp932(ProjectHeaderLine() + "\r\n" + lines);
        EXPECT_TRUE(bytes);
        return WriteFile(name, QByteArray::fromStdString(bytes.value_or("")));
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};

TEST_F(ProjectFileCommandsTest, NoToTheQuestionOpensNoDialogAndChangesNothing) {
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::No});
    Load();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, app::kLoadQuestion);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Question);
    EXPECT_EQ(dialogs.Shown(), 0);
    EXPECT_FALSE(project.soilLayers);
}

TEST_F(ProjectFileCommandsTest, CancellingTheDialogEndsSilentlyAndABlankNameIsReported) {
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes});
    dialogs.Plan(std::nullopt);
    Load();
    EXPECT_EQ(messages.Shown().size(), 1u);
    dialogs.Plan(QStringLiteral("  "));
    Load();
    ASSERT_EQ(messages.Shown().size(), 3u);
    EXPECT_EQ(messages.Shown()[2].text, app::kNoFileNameMessage);
    EXPECT_EQ(messages.Shown()[2].icon, widgets::MsgIcon::None);
}

TEST_F(ProjectFileCommandsTest, ASuccessfulLoadSetsTheOptionsLabelsAndTheRunButton) {
    Open();
    LoadExample("four-blocks-manual-lateral.nbr");
    ASSERT_EQ(messages.Shown().size(), 1u);  // the question only
    EXPECT_TRUE(project.soilLayers && project.fillLoads && project.focusPoints);
    EXPECT_EQ(project.excavationWidth, 6);
    EXPECT_TRUE(project.alsoLateral);
    EXPECT_TRUE(Option(QStringLiteral("OPT_Select_1"))->isChecked());
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.28"));
    EXPECT_TRUE(Poisson()->isEnabled());
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_1"))->isChecked());
    EXPECT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    for (const char* label : {"LBL_土質条件", "LBL_盛土荷重", "LBL_着目点"}) {
        EXPECT_EQ(Label(QString::fromUtf8(label))->text(), QStringLiteral("設定されました"));
    }
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->hasFocus());
}

TEST_F(ProjectFileCommandsTest, ALoadInSettlementOnlyModeSelectsItAndLeavesThePoissonBoxEmpty) {
    Open();
    Option(QStringLiteral("OPT_Select_1"))->click();
    messages.PlanAnswers({widgets::MsgAnswer::No});  // the change is not saved
    dialogs.Plan(Example("one-block.nbr"));
    Load();
    EXPECT_FALSE(project.alsoLateral);
    EXPECT_TRUE(Option(QStringLiteral("OPT_Select_0"))->isChecked());
    EXPECT_TRUE(Poisson()->text().isEmpty());
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("未設定です"));
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_0"))->isChecked());
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

TEST_F(ProjectFileCommandsTest, AFileWithoutFillLoadsLeavesTheRunDisabled) {
    Open();
    LoadExample("one-block.nbr");
    ASSERT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    LoadSoilOnly();
    EXPECT_FALSE(project.soilLayers || project.fillLoads);
    EXPECT_EQ(Label(QStringLiteral("LBL_盛土荷重"))->text(), QStringLiteral("未設定です"));
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

// The placement follows the file: manual with points, automatic without;
// the points button follows the loaded fill loads.
TEST_F(ProjectFileCommandsTest, ThePlacementFollowsTheLoadedFile) {
    Open();
    LoadExample("manual-points.nbr");
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_1"))->isChecked());
    EXPECT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    LoadExample("five-blocks-lateral.nbr");
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_0"))->isChecked());
    EXPECT_FALSE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());

    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    LoadSoilOnly();
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_0"))->isChecked());
    EXPECT_FALSE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

// With unsaved changes a load asks the save question instead of the
// clearing one: キャンセル keeps everything, はい saves first, いいえ discards.
TEST_F(ProjectFileCommandsTest, ALoadOverUnsavedChangesOffersToSaveThemFirst) {
    Open();
    LoadExample("one-block.nbr");
    Option(QStringLiteral("OPT_Select_1"))->click();
    ASSERT_TRUE(window->isWindowModified());
    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::Cancel});
    Load();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{app::kSaveBeforeLoadingQuestion});
    EXPECT_EQ(dialogs.Shown(), 1) << "no dialog after キャンセル";
    EXPECT_TRUE(project.alsoLateral);

    const QString saved = folder.filePath(QStringLiteral("lateral.nbr"));
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    dialogs.Plan(saved);
    dialogs.Plan(Example("five-blocks-lateral.nbr"));
    Load();
    EXPECT_EQ(project.fillLoads->RowCount(), 5u);
    LoadFile(saved);
    EXPECT_EQ(project.fillLoads->RowCount(), 1u);
    EXPECT_TRUE(project.alsoLateral) << "the change was saved before the load";

    Option(QStringLiteral("OPT_Select_0"))->click();
    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::No});
    window->OpenProjectFile(Example("five-blocks-lateral.nbr"));
    EXPECT_EQ(messages.Texts(), std::vector<QString>{app::kSaveBeforeLoadingQuestion});
    EXPECT_EQ(project.fillLoads->RowCount(), 5u);
}

// A project without fill loads: the run button and the status line say what
// is missing.
TEST_F(ProjectFileCommandsTest, ALoadThatLeavesTheRunDisabledSaysWhy) {
    Open();
    LoadSoilOnly();
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    const QString requirement = Button(QStringLiteral("CMD_Exec"))->toolTip();
    EXPECT_THAT(requirement.toStdString(), StartsWith("実行するには、"));
    EXPECT_EQ(Label(QStringLiteral("runRequirement"))->text(), requirement);
    EXPECT_THAT(window->StatusText().toStdString(),
                AllOf(StartsWith("読み込みました: "), HasSubstr("soil-only.nbr"),
                      HasSubstr(requirement.toStdString())));
}

// A name typed without an extension is saved as a project file the load
// dialog lists; the overwrite question is about that file.
TEST_F(ProjectFileCommandsTest, ANameWithoutAnExtensionIsSavedWithNbr) {
    Open();
    LoadExample("one-block.nbr");
    messages.Clear();
    dialogs.Plan(folder.filePath(QStringLiteral("myproj")));
    Save();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("myproj.nbr"))));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("myproj"))));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("myproj.nbr[*] - ヌベラプログラム"));

    messages.PlanAnswers({widgets::MsgAnswer::No});
    dialogs.Plan(folder.filePath(QStringLiteral("myproj")));
    Save();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{app::kOverwriteQuestion});
}

// Loading names the file in the title and starts without unsaved changes.
TEST_F(ProjectFileCommandsTest, ALoadedProjectIsUnchangedUntilEdited) {
    Open();
    LoadExample("five-blocks-lateral.nbr");
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("five-blocks-lateral.nbr[*] - ヌベラプログラム"));
    EXPECT_FALSE(window->isWindowModified());
    Poisson()->setText(QStringLiteral("0.36"));
    EXPECT_TRUE(window->isWindowModified());
}

// A file whose fill values contradict the entered ones they derive from is
// shown with its list before anything is replaced: いいえ leaves it unopened,
// はい takes the computed values, changed since the file so that saving
// writes them.
TEST_F(ProjectFileCommandsTest, ContradictingFillValuesAreListedAndTakenOnlyOnYes) {
    std::string bytes = Bytes(Example("one-block.nbr"));
    const std::string entered = "18,45,0,5,4,5,9,";
    bytes.replace(bytes.find(entered), entered.size(), "18,90,0,5,4,5,30,");
    const QString file =
        WriteFile(QStringLiteral("contradicting.nbr"), QByteArray::fromStdString(bytes));
    Open();
    LoadExample("five-blocks-lateral.nbr");
    const ProjectData before = project;
    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::No});
    dialogs.Plan(file);
    Load();
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[1].text,
              QStringLiteral("盛土荷重 q1 の荷重q(90)が入力値からの計算値(45)と合いません。\n"
                             "盛土荷重 q1 の載荷幅2a(30)が入力値からの計算値(9)と合いません。\n"
                             "入力値からの計算値に置き換えて読み込みますか？\n"
                             "（「いいえ」ではファイルを読み込みません。）"));
    EXPECT_EQ(messages.Shown()[1].icon, widgets::MsgIcon::Exclamation);
    EXPECT_EQ(project, before);
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("five-blocks-lateral.nbr"));
    EXPECT_FALSE(window->isWindowModified());

    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes});
    dialogs.Plan(file);
    Load();
    EXPECT_EQ(project.fillLoads->Number(fill_column::kLoad, 0), 45);
    EXPECT_EQ(project.fillLoads->Number(fill_column::kLoadingWidth, 0), 9);
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("contradicting.nbr"));
    EXPECT_TRUE(window->isWindowModified());
    const QString target = folder.filePath(QStringLiteral("mended.nbr"));
    dialogs.Plan(target);
    Save();
    EXPECT_EQ(Bytes(target), Bytes(Example("one-block.nbr")));
}

TEST_F(ProjectFileCommandsTest, AWrongHeaderIsRefusedBeforeReading) {
    Open();
    LoadExample("one-block.nbr");
    const ProjectData before = project;
    messages.Clear();
    LoadFile(WriteFile(QStringLiteral("old.nbr"), "[Other 1.0]\r\n[開削幅]\r\n5\r\n!END\r\n"));
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[1].text,
              QStringLiteral("ファイル形式、もしくはバージョンが違います"));
    EXPECT_EQ(messages.Shown()[1].icon, widgets::MsgIcon::None);
    EXPECT_EQ(project, before);
}

TEST_F(ProjectFileCommandsTest, ABrokenFileKeepsThePreviousProject) {
    Open();
    LoadExample("four-blocks-manual-lateral.nbr");
    const ProjectData before = project;
    messages.Clear();
    // A section opened while the previous one is still open.
    LoadFile(
        WriteProject(QStringLiteral("broken.nbr"), "[開削幅]\r\n5\r\n[堤体幅]\r\n9\r\n!END\r\n"));
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[1].text, QString::fromUtf8(kProjectFileBroken));
    EXPECT_EQ(messages.Shown()[1].icon, widgets::MsgIcon::Exclamation);
    EXPECT_EQ(project, before);
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_1"))->isChecked());
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.28"));
}

TEST_F(ProjectFileCommandsTest, AnEmptyFileIsReportedNotIgnored) {
    Open();
    LoadFile(WriteFile(QStringLiteral("empty.nbr"), QByteArray()));
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_THAT(messages.Shown()[1].text.toStdString(), HasSubstr("empty.nbr"));
}

TEST_F(ProjectFileCommandsTest, SavingInLateralModeChecksAndWritesThePoissonRatio) {
    Open();
    LoadExample("one-block.nbr");
    Option(QStringLiteral("OPT_Select_1"))->click();
    Poisson()->setText(QStringLiteral("0.255"));
    const QString target = folder.filePath(QStringLiteral("saved.nbr"));
    dialogs.Plan(target);
    Save();
    EXPECT_EQ(project.poissonRatio, 0.26);
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.26"));
    const std::string saved = Bytes(target);
    EXPECT_NE(saved.find(*Utf8ToCp932("[ﾎﾟｱｿﾝ比]\r\n0.26\r\n!END\r\n")), std::string::npos);
    EXPECT_NE(saved.find(*Utf8ToCp932("[処理Mode]\r\n1\r\n")), std::string::npos);
}

// A Poisson text in the file that is no number is shown as the file has it
// and refused as an invalid value, not turned into a ratio of 0.
TEST_F(ProjectFileCommandsTest, APoissonTextThatIsNoNumberIsKeptAndRefusedAsInvalid) {
    Open();
    LoadFile(WriteProject(QStringLiteral("bad-ratio.nbr"),
                          "[処理Mode]\r\n1\r\n!END\r\n[ﾎﾟｱｿﾝ比]\r\nabc\r\n!END\r\n"));
    EXPECT_EQ(Poisson()->text(), QStringLiteral("abc"));
    messages.Clear();
    Save();
    EXPECT_EQ(dialogs.Shown(), 1);  // the load's only
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("入力された値が不正です。")});
}

TEST_F(ProjectFileCommandsTest, AnInvalidPoissonRatioStopsTheSaveBeforeTheDialog) {
    Open();
    Option(QStringLiteral("OPT_Select_1"))->click();
    Poisson()->setText(QStringLiteral("2"));
    Save();
    EXPECT_EQ(dialogs.Shown(), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。"));
}

TEST_F(ProjectFileCommandsTest, NoToTheOverwriteQuestionKeepsTheFile) {
    Open();
    LoadExample("one-block.nbr");
    const QString target = WriteFile(QStringLiteral("keep.nbr"), "previous");
    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::No, widgets::MsgAnswer::Yes});
    dialogs.Plan(target);
    Save();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, app::kOverwriteQuestion);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::None);
    EXPECT_EQ(Bytes(target), "previous");

    dialogs.Plan(target);
    Save();  // Yes: written
    EXPECT_EQ(Bytes(target).rfind(*Utf8ToCp932(ProjectHeaderLine()), 0), 0u);
}

TEST_F(ProjectFileCommandsTest, AFailedSaveSaysSoNamingTheFile) {
    Open();
    LoadExample("one-block.nbr");
    messages.Clear();
    const QString target = folder.filePath(QStringLiteral("missing-folder/p.nbr"));
    dialogs.Plan(target);
    Save();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(),
                StartsWith("ファイルを保存できませんでした。"));
    EXPECT_THAT(messages.Shown()[0].text.toStdString(), HasSubstr("p.nbr"));
}

TEST_F(ProjectFileCommandsTest, ASavedProjectLoadsBackUnchanged) {
    Open();
    LoadExample("five-blocks-lateral.nbr");
    const ProjectData loaded = project;
    const QString target = folder.filePath(QStringLiteral("again.nbr"));
    dialogs.Plan(target);
    Save();
    EXPECT_EQ(Bytes(target), Bytes(Example("five-blocks-lateral.nbr")));
    LoadExample("one-block.nbr");
    LoadFile(target);
    EXPECT_EQ(project.fillLoads, loaded.fillLoads);
    EXPECT_EQ(project.soilLayers, loaded.soilLayers);
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.35"));
}

// A file opened from outside the program (its command line, a file manager,
// a second copy) loads as the load command loads a chosen file; the question
// comes only when there is a project to lose.
TEST_F(ProjectFileCommandsTest, AFileFromOutsideLoadsAndAsksOnlyWhenAProjectWouldBeLost) {
    Open();
    window->OpenProjectFile(Example("one-block.nbr"));
    EXPECT_TRUE(messages.Shown().empty()) << "nothing to lose yet";
    EXPECT_EQ(dialogs.Shown(), 0) << "no dialog";
    EXPECT_EQ(Label(QStringLiteral("LBL_土質条件"))->text(), app::kStatusSet);
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("one-block.nbr"));

    messages.PlanAnswers({widgets::MsgAnswer::No});
    window->OpenProjectFile(Example("five-blocks-lateral.nbr"));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, app::kLoadQuestion);
    EXPECT_EQ(project.fillLoads->RowCount(), 1u) << "いいえ keeps the project";

    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    window->OpenProjectFile(QStringLiteral("/nonexistent/project.nbr"));
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_THAT(messages.Shown()[1].text.toStdString(),
                AllOf(StartsWith("ファイルを読み込めませんでした。"),
                      HasSubstr("/nonexistent/project.nbr")));
    EXPECT_EQ(project.fillLoads->RowCount(), 1u) << "a refused file changes nothing";
}

// The report's digest: sha256sum's of the file as loaded or saved, and none
// once the project differs from it.
TEST_F(ProjectFileCommandsTest, TheDigestIsTheSavedFilesWhileTheProjectIsUnchanged) {
    auto sha256sum = [](const QString& path) {
        std::string out;
        FILE* pipe = ::popen(("sha256sum '" + path.toStdString() + "'").c_str(), "r");
        char buffer[128];
        for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        if (pipe) ::pclose(pipe);
        return out.substr(0, 64);
    };
    auto digest = [this] { return session.SavedDigest(Poisson()->text().toStdString()); };
    Open();
    EXPECT_EQ(digest(), "") << "a new project is in no file";
    LoadExample("five-blocks-lateral.nbr");
    EXPECT_EQ(digest(), sha256sum(Example("five-blocks-lateral.nbr")));

    project.description.title = "件名";
    EXPECT_EQ(digest(), "");
    const QString target = folder.filePath(QStringLiteral("titled.nbr"));
    dialogs.Plan(target);
    Save();
    EXPECT_EQ(digest(), sha256sum(target));
    EXPECT_NE(Bytes(target).find(*Utf8ToCp932("\r\n件名=件名\r\n[開削幅]")), std::string::npos);
}

}  // namespace
}  // namespace nubera::test
