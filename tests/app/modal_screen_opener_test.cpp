#include "app/modal_screen_opener.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>

#include "projectfile/project_file.h"
#include "report/result_workbook.h"
#include "tests/app/main_window_harness.h"
#include "tests/input/screen_harness.h"

namespace nubera::test {
namespace {

// A whole project entered through the main window's three buttons and the
// real screens, as a user would.
class InputScreensTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const QString& figure :
             {QStringLiteral("土質条件.svg"), QStringLiteral("盛土荷重.svg")}) {
            QFile::copy(QDir(FigureFolder()).filePath(figure),
                        QDir(folder.path()).filePath(figure));
        }
        const QString workbookTemplate = QString::fromUtf8(report::kTemplateFileName);
        ASSERT_TRUE(QFile::copy(QStringLiteral(NUBERA_BINARY_DIR "/bin/") + workbookTemplate,
                                QDir(folder.path()).filePath(workbookTemplate)));
        Open(real);
    }

    // Clicks a main-window button and works the modal screen it opens.
    void OnScreen(const char* button, const std::function<void(QDialog&)>& steps) {
        QTimer::singleShot(0, [&steps] {
            auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(screen, nullptr);
            InEventLoop([&] { steps(*screen); });
            if (screen->isVisible()) {
                ADD_FAILURE() << "the screen stayed open";
                screen->hide();
            }
        });
        Button(QString::fromUtf8(button))->click();
    }

    static void Fill(QDialog& screen, const char* name, const char* text) {
        Type(Child<QLineEdit>(screen, QString::fromUtf8(name)), QString::fromUtf8(text));
    }
    static void Press(QDialog& screen, const char* name) {
        Child<QPushButton>(screen, QString::fromUtf8(name))->click();
    }

    static void EnterBlock(QDialog& screen, const std::array<const char*, 7>& texts) {
        const char* names[] = {"TXT_Base", "TXT_A",  "TXT_B",     "TXT_C",
                               "TXT_h",    "TXT_hy", "TXT_土重量"};
        for (std::size_t i = 0; i < texts.size(); ++i) Fill(screen, names[i], texts[i]);
        PressEnter(Child<QLineEdit>(screen, QStringLiteral("TXT_土重量")));
    }

    app::ModalScreenOpener real{messages, folder.path()};
};

TEST_F(InputScreensTest, AProjectEnteredThroughTheScreensRunsIntoAWorkbookAndSurvivesTheFile) {
    OnScreen("CMD_土質条件", [](QDialog& screen) {
        Fill(screen, "TXT_開削幅", "10");
        Fill(screen, "TXT_堤体幅", "20");
        for (const auto& [thickness, modulus] : {std::pair{"3", "2800"}, {"5", "7000"}}) {
            Fill(screen, "TXT_層厚", thickness);
            Fill(screen, "TXT_変形係数Es", modulus);
            Press(screen, "CMD_Upd");
        }
        Press(screen, "CMD_Exec");
    });
    EXPECT_EQ(Label(QStringLiteral("LBL_土質条件"))->text(), QStringLiteral("設定されました"));
    EXPECT_EQ(results.equivalentModulus, 3994.72);

    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    OnScreen("CMD_盛土荷重", [](QDialog& screen) {
        Fill(screen, "TXT_qX", "10");
        EnterBlock(screen, {"2", "1", "3", "1", "1", "", "19"});
        EnterBlock(screen, {"0", "2", "5", "2", "2", "0.5", "18"});
        Press(screen, "CMD_Exec");
    });
    EXPECT_EQ(Label(QStringLiteral("LBL_盛土荷重"))->text(), QStringLiteral("設定されました"));
    EXPECT_TRUE(project.surcharge);

    window->SelectPlacement(Placement::Manual);
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    OnScreen("CMD_着目点", [](QDialog& screen) {
        Fill(screen, "TXT_着目点_0", "-4.5");
        Fill(screen, "TXT_着目点_1", "0");
        Fill(screen, "TXT_着目点_2", "4.5");
        Press(screen, "CMD_Exec");
    });
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("設定されました"));
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    EXPECT_TRUE(messages.AllAnswersUsed());

    messages.Clear();
    Button(QStringLiteral("CMD_Exec"))->click();  // the run
    EXPECT_TRUE(messages.Shown().empty()) << messages.Texts().front().toStdString();
    EXPECT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(results.settlementDetail.size(), 2u);

    const std::filesystem::path file = QDir(folder.path()).filePath("project.nbr").toStdString();
    std::string error;
    ASSERT_TRUE(SaveProject(project, file, &error)) << error;
    const std::optional<LoadedProject> loaded = LoadProject(file, &error);
    ASSERT_TRUE(loaded) << error;
    ProjectData reloaded;
    ApplyLoadedProject(*loaded, reloaded);
    reloaded.poissonRatio = project.poissonRatio;
    // The file keeps the points' texts; they come back as the numbers they read as.
    ASSERT_TRUE(reloaded.focusPoints);
    for (std::size_t i = 0; i < kPointCount; ++i) {
        const Cell& entered = (*project.focusPoints)[i];
        const Cell& read = (*reloaded.focusPoints)[i];
        EXPECT_EQ(read.IsMissing(), entered.IsMissing()) << i;
        EXPECT_EQ(read.AsNumber(), entered.AsNumber()) << i;
    }
    reloaded.focusPoints = project.focusPoints;
    EXPECT_EQ(reloaded, project);
}

// Opening the fill screen on a project with a surcharge and manual points and
// closing it by the close box, unchanged, asks nothing and keeps the points.
TEST_F(InputScreensTest, AFillScreenClosedUnchangedKeepsTheManualPoints) {
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    dialogs.Plan(QStringLiteral(NUBERA_SOURCE_DIR "/examples/manual-points.nbr"));
    Trigger("mnuLoad");
    messages.Clear();
    const ProjectData loaded = project;
    ASSERT_TRUE(loaded.surcharge && loaded.focusPoints);
    OnScreen("CMD_盛土荷重", [](QDialog& screen) { screen.close(); });
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(project, loaded);
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("設定されました"));
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

TEST_F(InputScreensTest, ConfirmingChangedFillLoadsInManualModeClearsThePoints) {
    project.fillLoads = OneBlock();
    project.focusPoints = TwoPoints();
    window->SelectPlacement(Placement::Manual);
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    // The points' controls already show the discarded points while the
    // message about them is up, over the still open screen.
    QString statusDuringMessage;
    bool buttonDuringMessage = false;
    QString screenDuringMessage;  // the screen is gone once the test looks
    messages.OnShow([&](const ShownMessage& shown) {
        if (!shown.text.startsWith(QStringLiteral("手動で設定した着目点"))) return;
        statusDuringMessage = Label(QStringLiteral("LBL_着目点"))->text();
        buttonDuringMessage = Button(QStringLiteral("CMD_着目点"))->isEnabled();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            screenDuringMessage = modal->objectName();
        }
    });
    OnScreen("CMD_盛土荷重", [](QDialog& screen) {
        ClickRow(Child<input::ListGrid>(screen, QStringLiteral("VSF_List")), 0);
        Fill(screen, "TXT_B", "5");
        Fill(screen, "TXT_qX", "0");
        Press(screen, "CMD_Upd");
        Press(screen, "CMD_Exec");
    });
    EXPECT_EQ(statusDuringMessage, QStringLiteral("未設定です"));
    EXPECT_TRUE(buttonDuringMessage);
    EXPECT_EQ(screenDuringMessage, QStringLiteral("FRM_盛土荷重入力"));
    EXPECT_EQ(messages.Texts().back(),
              QStringLiteral("手動で設定した着目点はクリアされました。\n再設定してください。"));
    EXPECT_FALSE(project.focusPoints);
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("未設定です"));
    EXPECT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

}  // namespace
}  // namespace nubera::test
