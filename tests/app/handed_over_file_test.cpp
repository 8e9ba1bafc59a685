// Files handed over from outside (a second copy of the program, the command
// line) while the window is busy wait until it is idle again: a screen, a
// question or a run never works on a project replaced under it.

#include <gmock/gmock.h>

#include <QTest>

#include "app/project_file_commands.h"
#include "tests/app/main_window_harness.h"

namespace nubera::test {
namespace {

using ::testing::StartsWith;

QString Example(const char* name) {
    return QStringLiteral(NUBERA_SOURCE_DIR "/examples/") + QString::fromUtf8(name);
}

class HandedOverFileTest : public MainWindowTest {
  protected:
    void LoadExample(const char* name) {
        messages.PlanAnswers({widgets::MsgAnswer::Yes});
        dialogs.Plan(Example(name));
        Trigger("mnuLoad");
        messages.Clear();
    }
    // Lets the window reach its idle state, where waiting files are opened.
    static void Idle() { QTest::qWait(20); }
};

TEST_F(HandedOverFileTest, AFileHandedOverWhileAScreenIsOpenWaitsUntilItHasClosed) {
    screens.soil = [this](SoilConditions& conditions) {
        window->OpenProjectFile(Example("one-block.nbr"));
        EXPECT_EQ(project.fillLoads->RowCount(), 4u) << "replaced under the open screen";
        conditions.excavationWidth = 7;
        return true;
    };
    Open();
    LoadExample("four-blocks-manual-lateral.nbr");
    Button(QStringLiteral("CMD_土質条件"))->click();
    EXPECT_EQ(project.excavationWidth, 7) << "the screen committed to its own project";
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("four-blocks-manual-lateral.nbr"));

    // Then it asks as a load asks: the changes are unsaved, いいえ lets them go.
    messages.PlanAnswers({widgets::MsgAnswer::No});
    Idle();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{app::kSaveBeforeLoadingQuestion});
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("one-block.nbr"));
    EXPECT_EQ(project.fillLoads->RowCount(), 1u);
    EXPECT_EQ(project.excavationWidth, 10) << "nothing of the other project mixed in";
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(HandedOverFileTest, AFileHandedOverDuringAQuestionWaitsForTheAnswer) {
    Open();
    LoadExample("one-block.nbr");
    bool handedOver = false;
    messages.OnShow([&](const ShownMessage&) {
        if (handedOver) return;
        handedOver = true;
        window->OpenProjectFile(Example("five-blocks-lateral.nbr"));
    });
    messages.PlanAnswers({widgets::MsgAnswer::No});  // the load command's clearing question
    Trigger("mnuLoad");
    EXPECT_EQ(project.fillLoads->RowCount(), 1u);
    messages.PlanAnswers({widgets::MsgAnswer::Yes});  // the handed-over file's own question
    Idle();
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{app::kLoadQuestion, app::kLoadQuestion}));
    EXPECT_EQ(project.fillLoads->RowCount(), 5u);
}

}  // namespace
}  // namespace nubera::test
