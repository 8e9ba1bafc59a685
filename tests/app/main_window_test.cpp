#include "app/main_window.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "tests/app/main_window_harness.h"
#include "version.h"

namespace nubera::test {
namespace {

using ::testing::HasSubstr;

QPoint Centre(const QWidget* widget) {
    return widget->mapToGlobal(QPoint(0, 0)) +
           QPoint(qRound(widget->width() / 2.0), qRound(widget->height() / 2.0));
}

// Fake screens whose person accepts the given table (none: the table removed).
std::function<bool(SoilConditions&)> SoilAccepted(std::optional<SoilLayerTable> layers) {
    return [layers](SoilConditions& conditions) {
        conditions.layers = layers;
        return true;
    };
}
std::function<bool(FillLoads&, Placement, const FakeInputScreens::PointsDiscarded&)> FillAccepted(
    std::optional<FillLoadTable> blocks) {
    return [blocks](FillLoads& loads, Placement, const FakeInputScreens::PointsDiscarded&) {
        loads.blocks = blocks;
        return true;
    };
}
std::function<bool(std::optional<FocusPointList>&)> PointsAccepted(
    std::optional<FocusPointList> accepted) {
    return [accepted](std::optional<FocusPointList>& points) {
        points = accepted;
        return true;
    };
}

TEST_F(MainWindowTest, CarriesEveryControlWithItsNameAndText) {
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ヌベラプログラム[*]"));
    EXPECT_FALSE(window->isWindowModified());
    const std::pair<const char*, const char*> buttons[] = {
        {"CMD_土質条件", "土質条件入力"}, {"CMD_盛土荷重", "盛土荷重入力"},
        {"CMD_着目点", "着目点設定"},     {"CMD_Exec", "実行"},
        {"CMD_Cancel", "終了"},
    };
    for (const auto& [name, text] : buttons) {
        EXPECT_EQ(Button(QString::fromUtf8(name))->text(), QString::fromUtf8(text));
    }
    const std::pair<const char*, const char*> options[] = {
        {"OPT_Select_0", "即時沈下量のみ計算する"},
        {"OPT_Select_1", "側方変位量の計算も行う"},
        {"OPT_Tyaku_0", "自動設定"},
        {"OPT_Tyaku_1", "手動設定"},
    };
    for (const auto& [name, text] : options) {
        EXPECT_EQ(Option(QString::fromUtf8(name))->text(), QString::fromUtf8(text));
    }
    EXPECT_NE(window->findChild<QStatusBar*>(QStringLiteral("STS_Bar")), nullptr);
}

// The letter after "&" in an item's text; empty when it has none.
QString AccessKey(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toUpper() : QString();
}

// Two items of one menu with the same access key would leave one of them
// out of reach of the keyboard.
TEST_F(MainWindowTest, NoTwoItemsOfAMenuShareAnAccessKey) {
    Open();
    const auto expectDistinct = [](const QList<QAction*>& actions, const QString& menu) {
        QStringList keys;
        for (QAction* action : actions) {
            const QString key = AccessKey(action->text());
            if (key.isEmpty()) continue;
            EXPECT_FALSE(keys.contains(key)) << menu.toStdString() << action->text().toStdString();
            keys << key;
        }
    };
    expectDistinct(window->menuBar()->actions(), QStringLiteral("menu bar"));
    for (QAction* menu : window->menuBar()->actions()) {
        expectDistinct(menu->menu()->actions(), menu->text());
    }
}

TEST_F(MainWindowTest, StartsWithoutDataInSettlementOnlyModeAndAutomaticPlacement) {
    project.soilLayers = OneLayer();
    project.fillLoads = OneBlock();
    project.focusPoints = TwoPoints();
    Open();
    EXPECT_FALSE(project.soilLayers || project.fillLoads || project.focusPoints);
    for (const char* label : {"LBL_土質条件", "LBL_盛土荷重", "LBL_着目点"}) {
        EXPECT_EQ(Label(QString::fromUtf8(label))->text(), QStringLiteral("未設定です"));
    }
    EXPECT_TRUE(Option(QStringLiteral("OPT_Select_0"))->isChecked());
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_0"))->isChecked());
    EXPECT_FALSE(project.alsoLateral);
    EXPECT_FALSE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    EXPECT_FALSE(Poisson()->isEnabled());
    EXPECT_TRUE(Poisson()->text().isEmpty());
}

TEST_F(MainWindowTest, ClosingTheSoilScreenWithFillAndAutomaticPlacementEnablesTheRun) {
    screens.soil = SoilAccepted(OneLayer());
    screens.fill = FillAccepted(OneBlock());
    Open();
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    EXPECT_EQ(Label(QStringLiteral("LBL_盛土荷重"))->text(), QStringLiteral("設定されました"));
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());  // no soil yet

    Button(QStringLiteral("CMD_土質条件"))->click();
    QPushButton* run = Button(QStringLiteral("CMD_Exec"));
    EXPECT_EQ(Label(QStringLiteral("LBL_土質条件"))->text(), QStringLiteral("設定されました"));
    EXPECT_TRUE(run->isEnabled());
    EXPECT_TRUE(run->hasFocus());
    EXPECT_EQ(QCursor::pos(), Centre(run));
}

TEST_F(MainWindowTest, AScreenThatLeavesItsTableAbsentShowsUnsetAndDisablesTheRun) {
    bool commitLayers = true;
    screens.soil = [&commitLayers](SoilConditions& conditions) {
        if (commitLayers) {
            conditions.layers = OneLayer();
        } else {
            conditions.layers.reset();
        }
        return true;
    };
    screens.fill = FillAccepted(OneBlock());
    Open();
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    Button(QStringLiteral("CMD_土質条件"))->click();
    ASSERT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());

    commitLayers = false;
    Button(QStringLiteral("CMD_土質条件"))->click();
    EXPECT_EQ(Label(QStringLiteral("LBL_土質条件"))->text(), QStringLiteral("未設定です。"));
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

TEST_F(MainWindowTest, WithManualPlacementTheRunNeedsTheManualPoints) {
    screens.soil = SoilAccepted(OneLayer());
    screens.fill = FillAccepted(OneBlock());
    screens.points = PointsAccepted(std::nullopt);
    Open();
    Button(QStringLiteral("CMD_土質条件"))->click();
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    EXPECT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());

    Button(QStringLiteral("CMD_盛土荷重"))->click();  // manual mode, no points
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());

    Button(QStringLiteral("CMD_着目点"))->click();  // closed without points
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("未設定です。"));
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

TEST_F(MainWindowTest, ClosingThePointsScreenWithPointsEnablesTheRun) {
    screens.soil = SoilAccepted(OneLayer());
    screens.fill = FillAccepted(OneBlock());
    screens.points = PointsAccepted(TwoPoints());
    Open();
    Button(QStringLiteral("CMD_土質条件"))->click();
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    Button(QStringLiteral("CMD_着目点"))->click();
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("設定されました"));
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->hasFocus());
}

// While the fill-load screen is still open, discarding the manual points
// shows at once in the main window's points controls.
TEST_F(MainWindowTest, TheFillScreenReachesThePointsControlsWhileItIsOpen) {
    screens.fill = [](FillLoads&, Placement placement,
                      const FakeInputScreens::PointsDiscarded& pointsDiscarded) {
        EXPECT_EQ(placement, Placement::Manual);
        pointsDiscarded(false);
        return false;
    };
    screens.soil = SoilAccepted(OneLayer());
    Open();
    project.fillLoads = OneBlock();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    ASSERT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    EXPECT_FALSE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_EQ(Label(QStringLiteral("LBL_着目点"))->text(), QStringLiteral("未設定です"));
}

// Only what a screen accepted is committed; accepted fill loads in manual
// mode take the manual points with them.
TEST_F(MainWindowTest, FillLoadsAreCommittedOnlyWhenAcceptedAndThenDiscardManualPoints) {
    bool accept = false;
    screens.fill = [&accept](FillLoads& loads, Placement,
                             const FakeInputScreens::PointsDiscarded&) {
        loads.blocks.reset();
        return accept;
    };
    Open();
    project.fillLoads = OneBlock();
    project.focusPoints = TwoPoints();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    EXPECT_EQ(project.fillLoads, OneBlock());
    EXPECT_EQ(project.focusPoints, TwoPoints());

    accept = true;
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    EXPECT_FALSE(project.fillLoads);
    EXPECT_FALSE(project.focusPoints);
    EXPECT_EQ(Label(QStringLiteral("LBL_盛土荷重"))->text(), QStringLiteral("未設定です。"));
}

TEST_F(MainWindowTest, ManualPlacementBeforeAnyFillLoadLeavesThePointsButtonDisabled) {
    Open();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_1"))->isChecked());
    EXPECT_FALSE(Option(QStringLiteral("OPT_Tyaku_0"))->isChecked());
    EXPECT_FALSE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
}

TEST_F(MainWindowTest, AutomaticPlacementWithSoilAndFillEnablesTheRunWithoutPoints) {
    Open();
    project.soilLayers = OneLayer();
    project.fillLoads = OneBlock();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    Option(QStringLiteral("OPT_Tyaku_0"))->click();
    EXPECT_TRUE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
    EXPECT_FALSE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
}

TEST_F(MainWindowTest, ManualPlacementNeverAllowsARunWithoutSoil) {
    Open();
    project.fillLoads = OneBlock();
    project.focusPoints = TwoPoints();
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    EXPECT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    EXPECT_FALSE(Button(QStringLiteral("CMD_Exec"))->isEnabled());
}

TEST_F(MainWindowTest, TheLateralModeOpensThePoissonBoxWithTheStoredRatio) {
    struct Case {
        double stored;
        const char* shown;
    };
    for (const Case& c : {Case{0, "0.30"}, Case{0.3, "0.30"}, Case{0.25, "0.25"}}) {
        Open();
        project.poissonRatio = c.stored;
        Option(QStringLiteral("OPT_Select_1"))->click();
        EXPECT_TRUE(project.alsoLateral);
        EXPECT_TRUE(Poisson()->isEnabled());
        EXPECT_TRUE(Poisson()->hasFocus());
        EXPECT_EQ(Poisson()->text(), QString::fromUtf8(c.shown)) << c.stored;
        EXPECT_FALSE(Option(QStringLiteral("OPT_Select_0"))->isChecked());
    }
}

// Clicking the option already chosen changes nothing: a ratio typed but not
// yet confirmed stays in the box.
TEST_F(MainWindowTest, ClickingTheChosenProcessingModeAgainKeepsTheTypedRatio) {
    Open();
    Option(QStringLiteral("OPT_Select_1"))->click();
    Poisson()->setText(QStringLiteral("0.45"));
    Option(QStringLiteral("OPT_Select_1"))->click();
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.45"));
    EXPECT_TRUE(project.alsoLateral);
}

TEST_F(MainWindowTest, SettlementOnlyEmptiesAndLocksThePoissonBoxButKeepsTheRatio) {
    Open();
    project.poissonRatio = 0.25;
    Option(QStringLiteral("OPT_Select_1"))->click();
    Option(QStringLiteral("OPT_Select_0"))->click();
    EXPECT_FALSE(project.alsoLateral);
    EXPECT_FALSE(Poisson()->isEnabled());
    EXPECT_TRUE(Poisson()->text().isEmpty());
    EXPECT_EQ(project.poissonRatio, 0.25);
}

TEST_F(MainWindowTest, EnterInThePoissonBoxChecksTheRangeAndStoresNothing) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* message;
    };
    const Case cases[] = {
        {"1", "1.00", ""},
        {"0.125", "0.13", ""},
        {"0.01", "0.01", ""},
        {"0.005", "0.005", "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。"},
        {"1.001", "1.001", "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。"},
        // Far out of range, yet typed with digits only: still the range message.
        {"0.000001", "0.000001", "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。"},
        {"10000000000000000", "10000000000000000", "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。"},
        {".", ".", "入力された値が不正です。"},
    };
    Open();
    Option(QStringLiteral("OPT_Select_1"))->click();
    for (const Case& c : cases) {
        messages.Clear();
        Poisson()->setText(QString::fromUtf8(c.typed));
        Poisson()->setFocus();
        QTest::keyClick(Poisson(), Qt::Key_Return);
        EXPECT_EQ(Poisson()->text(), QString::fromUtf8(c.shown)) << c.typed;
        const QString message = QString::fromUtf8(c.message);
        EXPECT_EQ(messages.Texts(),
                  message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{message})
            << c.typed;
        EXPECT_EQ(Poisson()->hasFocus(), !message.isEmpty()) << c.typed;
        EXPECT_EQ(project.poissonRatio, 0) << c.typed;
    }
}

TEST_F(MainWindowTest, CheckPoissonRatioStoresTheRoundedRatioOrReports) {
    struct Case {
        const char* text;
        bool ok;
        double ratio;
        const char* shown;
    };
    const Case cases[] = {
        {"", true, 0.3, ""},    {"  ", true, 0.3, "  "},     {"0.255", true, 0.26, "0.26"},
        {"1", true, 1, "1.00"}, {"1.5", false, 0.77, "1.5"}, {"0.1.", false, 0.77, "0.1."},
    };
    Open();
    Option(QStringLiteral("OPT_Select_1"))->click();
    for (const Case& c : cases) {
        messages.Clear();
        project.poissonRatio = 0.77;
        Poisson()->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(window->CheckPoissonRatio(), c.ok) << c.text;
        EXPECT_EQ(project.poissonRatio, c.ratio) << c.text;
        EXPECT_EQ(Poisson()->text(), QString::fromUtf8(c.shown)) << c.text;
        EXPECT_EQ(messages.Shown().size(), c.ok ? 0u : 1u) << c.text;
        if (!c.ok) {
            EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
            EXPECT_EQ(Poisson()->selectedText(), Poisson()->text());
        }
    }
}

TEST_F(MainWindowTest, MoveCursorToRunPutsThePointerOnTheRunButton) {
    Open();
    QCursor::setPos(0, 0);
    window->MoveCursorToRun();
    EXPECT_EQ(QCursor::pos(), Centre(Button(QStringLiteral("CMD_Exec"))));
}

const QString kClosingQuestion = QStringLiteral("ヌベラプログラムを終了します。\nよろしいですか？");
const QString kSaveQuestion =
    QStringLiteral("データが保存されていません。\n終了する前に保存しますか？");

TEST_F(MainWindowTest, AnsweringNoToTheClosingQuestionKeepsTheWindowAndTheData) {
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::No, widgets::MsgAnswer::No});
    Button(QStringLiteral("CMD_Cancel"))->click();
    window->close();  // the close box
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].text, kClosingQuestion);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Information);
    EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::YesNo);
}

// Unsaved changes are offered for saving before the closing question:
// キャンセル keeps the window without a further question, いいえ goes on to
// it, はい saves first (and a save that does not happen keeps the window).
TEST_F(MainWindowTest, QuittingWithUnsavedChangesOffersToSaveThem) {
    screens.soil = SoilAccepted(OneLayer());
    Open();
    Button(QStringLiteral("CMD_土質条件"))->click();
    ASSERT_TRUE(window->isWindowModified());

    messages.PlanAnswers({widgets::MsgAnswer::Cancel});
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, kSaveQuestion);
    EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::YesNoCancel);

    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    dialogs.Plan(std::nullopt);  // the save dialog cancelled
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kSaveQuestion});

    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::No, widgets::MsgAnswer::No});
    window->close();
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{kSaveQuestion, kClosingQuestion}));
    EXPECT_TRUE(window->isVisible());

    messages.Clear();
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes});
    const QString target = folder.filePath(QStringLiteral("kept.nbr"));
    dialogs.Plan(target);
    window->close();
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{kSaveQuestion, kClosingQuestion}));
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_FALSE(window->isVisible());
}

// Enter (either key) on a focused button presses it, as Space does.
TEST_F(MainWindowTest, EnterOnAFocusedButtonPressesIt) {
    screens.soil = SoilAccepted(OneLayer());
    Open();
    QPushButton* soil = Button(QStringLiteral("CMD_土質条件"));
    soil->setFocus();
    QTest::keyClick(soil, Qt::Key_Return);
    EXPECT_EQ(Label(QStringLiteral("LBL_土質条件"))->text(), QStringLiteral("設定されました"));

    QPushButton* end = Button(QStringLiteral("CMD_Cancel"));
    end->setFocus();
    messages.PlanAnswers({widgets::MsgAnswer::Cancel});
    QTest::keyClick(end, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kSaveQuestion});
    EXPECT_TRUE(window->isVisible());
}

// The title names the project file and marks changes made since it was
// loaded or saved; undoing a change clears the mark.
TEST_F(MainWindowTest, TheTitleNamesTheProjectFileAndMarksUnsavedChanges) {
    screens.soil = SoilAccepted(OneLayer());
    Open();
    Option(QStringLiteral("OPT_Select_1"))->click();
    EXPECT_TRUE(window->isWindowModified());
    Option(QStringLiteral("OPT_Select_0"))->click();
    EXPECT_FALSE(window->isWindowModified());

    Button(QStringLiteral("CMD_土質条件"))->click();
    EXPECT_TRUE(window->isWindowModified());
    Option(QStringLiteral("OPT_Select_1"))->click();
    const QString target = folder.filePath(QStringLiteral("soil.nbr"));
    dialogs.Plan(target);
    Trigger("mnuSave");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("soil.nbr[*] - ヌベラプログラム"));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.30"));
    Poisson()->setText(QStringLiteral("0.3"));  // the same ratio as saved
    EXPECT_FALSE(window->isWindowModified());
    Poisson()->setText(QStringLiteral("0.4"));
    EXPECT_TRUE(window->isWindowModified());
}

// The run button says what it waits for, in its tooltip and on the status line.
TEST_F(MainWindowTest, TheDisabledRunSaysWhatIsMissing) {
    screens.soil = SoilAccepted(OneLayer());
    screens.fill = FillAccepted(OneBlock());
    Open();
    auto* run = Button(QStringLiteral("CMD_Exec"));
    auto* status = Label(QStringLiteral("runRequirement"));
    EXPECT_EQ(run->toolTip(),
              QStringLiteral("実行するには、土質条件の入力、盛土荷重の入力が必要です。"));
    EXPECT_EQ(status->text(), run->toolTip());
    Button(QStringLiteral("CMD_土質条件"))->click();
    EXPECT_EQ(status->text(), QStringLiteral("実行するには、盛土荷重の入力が必要です。"));
    Button(QStringLiteral("CMD_盛土荷重"))->click();
    EXPECT_TRUE(run->isEnabled());
    EXPECT_TRUE(run->toolTip().isEmpty());
    EXPECT_TRUE(status->text().isEmpty());
    Option(QStringLiteral("OPT_Tyaku_1"))->click();
    EXPECT_FALSE(run->isEnabled());
    EXPECT_EQ(run->toolTip(), QStringLiteral("実行するには、着目点の手動設定が必要です。"));
    EXPECT_EQ(status->text(), run->toolTip());
}

TEST_F(MainWindowTest, AnsweringYesClosesTheWindowAlsoFromTheMenu) {
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Trigger("mnuEnd");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, VersionInformationShowsTheTitleWindowModallyWithItsOkButton) {
    Open();
    bool shown = false;
    QTimer::singleShot(0, window.get(), [&shown] {
        auto* title = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->objectName(), QStringLiteral("FRM_Title"));
        InEventLoop([&] {
            EXPECT_EQ(Child<QLabel>(*title, QStringLiteral("lblVersion"))->text(),
                      QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + QString::fromUtf8(kVersionText));
            auto* ok = Child<QPushButton>(*title, QStringLiteral("CMD_OK"));
            EXPECT_TRUE(ok->isVisible());
            shown = true;
            ok->click();
        });
    });
    Trigger("mnuVersion");
    EXPECT_TRUE(shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, HelpOpensTheContentsOfTheHelpInTheApplicationFolder) {
    QDir(folder.path()).mkdir(QStringLiteral("Help"));
    QFile page(folder.filePath(QStringLiteral("Help/index.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    Open();
    Trigger("mnuHelp");
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(page.fileName()));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(MainWindowTest, HelpWithoutAProgramToOpenItIsReportedNamingTheFile) {
    QDir(folder.path()).mkdir(QStringLiteral("Help"));
    QFile page(folder.filePath(QStringLiteral("Help/index.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    opener.fails = true;
    Open();
    Trigger("mnuHelp");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("ヘルプを開くプログラムが見つかりませんでした。\n") +
                  QDir::toNativeSeparators(page.fileName()) +
                  QStringLiteral("\nブラウザーから開いてください。"));
}

TEST_F(MainWindowTest, AMissingHelpIsReported) {
    Open();
    Trigger("mnuHelp");
    EXPECT_TRUE(opener.opened.empty());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Critical);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(), HasSubstr("index.html"));
}

}  // namespace
}  // namespace nubera::test
