// The workspace: the results panel follows every committed change with the
// numbers of nubera-cli, compares with kept results, and says why when
// nothing can be computed.

#include <gmock/gmock.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableWidget>
#include <QUndoStack>

#include "app/workspace/results_panel.h"
#include "screenrules/poisson_ratio.h"
#include "screenrules/run_enabling_rule.h"
#include "screenrules/soil_layer_rules.h"
#include "tests/app/main_window_harness.h"
#include "text/number_text.h"

namespace nubera::test {
namespace {

QString Example(const QString& name) {
    return QStringLiteral(NUBERA_SOURCE_DIR "/examples/") + name;
}

// What nubera-cli computes for a project file, without a workbook.
QJsonObject CliResults(const QString& project) {
    QProcess cli;
    cli.start(QStringLiteral(NUBERA_BINARY_DIR "/bin/nubera-cli"),
              {QStringLiteral("calc"), QStringLiteral("--json"), QStringLiteral("--no-workbook"),
               project});
    EXPECT_TRUE(cli.waitForFinished(30000));
    const QByteArray line = cli.readAllStandardOutput().trimmed();
    return QJsonDocument::fromJson(line).object();
}

std::optional<double> JsonValue(const QJsonValue& value) {
    if (value.isNull()) return std::nullopt;
    return value.toDouble();
}

// Each load's result and the total of one quantity, point by point.
void ExpectQuantity(const QuantityAtPoints& shown, const QJsonArray& fill,
                    const QJsonValue& surcharge) {
    for (std::size_t k = 0; k < kPointCount; ++k) {
        SCOPED_TRACE(k);
        std::vector<std::optional<double>> loads;
        std::optional<double> total;
        const auto add = [&](const QJsonArray& detail) {
            const auto value = JsonValue(detail[int(k)].toArray()[int(point_item::kResult)]);
            if (detail[int(k)].toArray()[0].isNull()) return;
            loads.push_back(value);
            total = total.value_or(0) + value.value_or(0);
        };
        for (const QJsonValue& row : fill) add(row.toArray());
        if (surcharge.isArray()) add(surcharge.toArray());
        EXPECT_EQ(shown[k].loads, loads);
        EXPECT_EQ(shown[k].total, total);
    }
}

void ExpectSameAsCli(const DesignResults& shown, const QString& project) {
    SCOPED_TRACE(project.toStdString());
    const QJsonObject cli = CliResults(project);
    ASSERT_FALSE(cli.isEmpty());
    ASSERT_TRUE(shown.Computed()) << shown.whyNot;
    EXPECT_EQ(shown.equivalentModulus, cli[QStringLiteral("equivalentModulus")].toDouble());
    const QJsonArray sectionX = cli[QStringLiteral("pointOffsets")].toArray()[0].toArray();
    for (std::size_t k = 0; k < kPointCount; ++k) {
        EXPECT_EQ(shown.x[k], JsonValue(sectionX[int(k)])) << k;
    }
    ExpectQuantity(shown.settlement, cli[QStringLiteral("settlementDetail")].toArray(),
                   cli[QStringLiteral("surchargeSettlementDetail")]);
    ASSERT_EQ(shown.lateral.has_value(), cli[QStringLiteral("alsoLateral")].toBool());
    if (shown.lateral) {
        EXPECT_EQ(shown.poissonRatio, cli[QStringLiteral("poissonRatio")].toDouble());
        ExpectQuantity(*shown.lateral, cli[QStringLiteral("lateralDetail")].toArray(),
                       cli[QStringLiteral("surchargeLateralDetail")]);
    }
}

class WorkspaceTest : public MainWindowTest {
  protected:
    void Load(const QString& file) {
        messages.PlanAnswers({widgets::MsgAnswer::Yes});
        dialogs.Plan(file);
        Trigger("mnuLoad");
        messages.Clear();
    }
    void SaveAs(const QString& file) {
        dialogs.Plan(file);
        Trigger("mnuSave");
    }
    app::ResultsPanel& Panel() const { return window->ResultsView(); }
    QTableWidget* Table() const { return Find<QTableWidget>(QStringLiteral("resultTable")); }
    QString Cell(int row, int column) const { return Table()->item(row, column)->text(); }
    QString Header(int column) const { return Table()->horizontalHeaderItem(column)->text(); }
};

TEST_F(WorkspaceTest, ThePanelShowsTheCliNumbersAfterLoadsAndAfterScreenCommits) {
    screens.soil = [](SoilConditions& conditions) {
        conditions.excavationWidth += 2;
        return true;
    };
    Open();
    for (const char* name : {"one-block.nbr", "five-blocks-lateral.nbr", "manual-points.nbr",
                             "four-blocks-manual-lateral.nbr"}) {
        Load(Example(QString::fromUtf8(name)));
        ExpectSameAsCli(Panel().Current(), Example(QString::fromUtf8(name)));
        Button(QStringLiteral("CMD_土質条件"))->click();
        const QString changed =
            folder.filePath(QStringLiteral("changed-") + QString::fromUtf8(name));
        SaveAs(changed);
        ExpectSameAsCli(Panel().Current(), changed);
    }
    EXPECT_TRUE(messages.Shown().empty()) << messages.Shown()[0].text.toStdString();
}

TEST_F(WorkspaceTest, ThePanelFollowsTheModeTheRatioAndThePlacement) {
    Open();
    Load(Example(QStringLiteral("four-blocks-manual-lateral.nbr")));
    ASSERT_TRUE(Panel().Current().lateral);
    Option(QStringLiteral("OPT_Select_0"))->click();
    EXPECT_FALSE(Panel().Current().lateral);
    Option(QStringLiteral("OPT_Select_1"))->click();
    Poisson()->setText(QStringLiteral("0.45"));
    Q_EMIT Poisson()->editingFinished();
    EXPECT_EQ(Panel().Current().poissonRatio, 0.45);
    const auto manualX = Panel().Current().x;
    Option(QStringLiteral("OPT_Tyaku_0"))->click();
    EXPECT_NE(Panel().Current().x, manualX) << "automatic placement places other points";
    // The table has the totals, then a column per load and quantity: 4 blocks twice.
    EXPECT_EQ(Table()->columnCount(), 2 + 2 + 4 + 4);
    EXPECT_EQ(Header(2), QStringLiteral("即時沈下量\n合計"));
    EXPECT_EQ(Header(3), QStringLiteral("側方変位量\n合計"));
    EXPECT_EQ(Header(4), QStringLiteral("即時沈下量\nq1"));
}

TEST_F(WorkspaceTest, ThePanelSaysWhyNothingCanBeComputed) {
    Open();
    EXPECT_EQ(Find<QLabel>(QStringLiteral("resultWhyNot"))->text(),
              QString::fromStdString(RunRequirementText(project, Placement::Automatic)));
    EXPECT_FALSE(Button(QStringLiteral("keepButton"))->isEnabled());
    Load(Example(QStringLiteral("five-blocks-lateral.nbr")));
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("resultWhyNot"))->isHidden());
    Poisson()->setText(QStringLiteral("3"));
    Q_EMIT Poisson()->editingFinished();
    EXPECT_EQ(Find<QLabel>(QStringLiteral("resultWhyNot"))->text(),
              QString::fromUtf8(kPoissonRangeMessage));
    EXPECT_EQ(Table()->rowCount(), 0);
    EXPECT_TRUE(Table()->isHidden()) << "the reason stands alone";
    EXPECT_FALSE(Button(QStringLiteral("keepButton"))->isEnabled());
}

TEST_F(WorkspaceTest, KeptResultsAreComparedUntilClearedWithOneClick) {
    Open();
    Load(Example(QStringLiteral("manual-points.nbr")));
    const DesignResults before = Panel().Current();
    Button(QStringLiteral("keepButton"))->click();
    ASSERT_TRUE(Panel().Kept());
    EXPECT_THAT(Panel().Kept()->name.toStdString(), ::testing::EndsWith(" manual-points.nbr"));
    EXPECT_THAT(Find<QLabel>(QStringLiteral("keptName"))->text().toStdString(),
                ::testing::HasSubstr("manual-points.nbr"));

    screens.soil = [](SoilConditions& conditions) {
        conditions.leveeWidth += 10;
        return true;
    };
    Button(QStringLiteral("CMD_土質条件"))->click();
    const DesignResults& after = Panel().Current();
    ASSERT_NE(after.equivalentModulus, before.equivalentModulus);
    EXPECT_EQ(Header(5), QStringLiteral("即時沈下量\n差"));
    for (int k = 0; k < int(kPointCount); ++k) {
        if (!after.settlement[k].total) {
            EXPECT_EQ(Cell(k, 5), QString()) << "no difference at a point not placed";
            continue;
        }
        EXPECT_EQ(Cell(k, 3), QString::fromStdString(FormatFixed2(*after.settlement[k].total)));
        EXPECT_EQ(Cell(k, 4), QString::fromStdString(FormatFixed2(*before.settlement[k].total)));
        const double difference = *after.settlement[k].total - *before.settlement[k].total;
        EXPECT_EQ(Cell(k, 5).toDouble(), std::stod(FormatFixed2(difference))) << k;
    }
    Button(QStringLiteral("clearKeptButton"))->click();
    EXPECT_FALSE(Panel().Kept());
    EXPECT_EQ(Header(2), QStringLiteral("即時沈下量\n合計"));
    EXPECT_EQ(Header(3), QStringLiteral("即時沈下量\nq1"));
    EXPECT_FALSE(Button(QStringLiteral("clearKeptButton"))->isEnabled());
}

TEST_F(WorkspaceTest, UndoAndRedoRestoreTheExactProjectOfEachCommittedChange) {
    screens.soil = [](SoilConditions& conditions) {
        conditions.leveeWidth += 5;
        return true;
    };
    Open();
    Load(Example(QStringLiteral("four-blocks-manual-lateral.nbr")));
    QUndoStack& history = window->History();
    EXPECT_FALSE(history.canUndo()) << "nothing before the load is offered";
    const ProjectData loaded = project;
    const DesignResults loadedResults = Panel().Current();

    Button(QStringLiteral("CMD_土質条件"))->click();
    const ProjectData widened = project;
    Option(QStringLiteral("OPT_Tyaku_0"))->click();
    Option(QStringLiteral("OPT_Select_0"))->click();
    const ProjectData settlementOnly = project;
    ASSERT_EQ(history.count(), 3);
    EXPECT_EQ(history.undoText(), QStringLiteral("計算内容の変更"));

    Trigger("mnuUndo");
    EXPECT_EQ(project, widened);
    EXPECT_TRUE(Option(QStringLiteral("OPT_Select_1"))->isChecked());
    EXPECT_EQ(Poisson()->text(), QStringLiteral("0.28")) << "the ratio box as it was";
    EXPECT_TRUE(Poisson()->isEnabled());
    Trigger("mnuUndo");
    EXPECT_TRUE(Option(QStringLiteral("OPT_Tyaku_1"))->isChecked());
    EXPECT_TRUE(Button(QStringLiteral("CMD_着目点"))->isEnabled());
    Trigger("mnuUndo");
    EXPECT_EQ(project, loaded);
    EXPECT_EQ(Panel().Current(), loadedResults) << "the panel follows";
    EXPECT_FALSE(window->isWindowModified()) << "back to what the file holds";
    EXPECT_FALSE(history.canUndo());

    Trigger("mnuRedo");
    Trigger("mnuRedo");
    Trigger("mnuRedo");
    EXPECT_EQ(project, settlementOnly);
    EXPECT_FALSE(Poisson()->isEnabled());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(Find<QAction>(QStringLiteral("mnuUndo"))->shortcut(), QKeySequence::Undo);
    EXPECT_EQ(Find<QAction>(QStringLiteral("mnuRedo"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Y));

    messages.PlanAnswers({widgets::MsgAnswer::No});  // the changes are not saved
    dialogs.Plan(Example(QStringLiteral("one-block.nbr")));
    Trigger("mnuLoad");
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

// Layers read off a boring log come in by the soil screen's ＯＫ: one change,
// undone with the record of where they came from.
TEST_F(WorkspaceTest, LayersReadOffALogAreOneUndoableChangeWithTheirDerivation) {
    const SoilDerivation derivation{"NO1.XML", "No.1", 2800, {{"砂", 0, 1.2, {0.5}, {3}, 3.0}}};
    screens.soil = [&derivation](SoilConditions& conditions) {
        conditions.layers = BuildSoilLayerTable({{"1.20", "1.20", "8400"}});
        conditions.derivation = derivation;
        return true;
    };
    Open();
    Load(Example(QStringLiteral("one-block.nbr")));
    const ProjectData loaded = project;
    Button(QStringLiteral("CMD_土質条件"))->click();
    EXPECT_EQ(project.soilDerivation, derivation);
    EXPECT_EQ(window->History().count(), 1);

    Trigger("mnuUndo");
    EXPECT_EQ(project, loaded);
    Trigger("mnuRedo");
    EXPECT_EQ(project.soilDerivation, derivation);
}

}  // namespace
}  // namespace nubera::test
