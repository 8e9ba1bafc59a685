#include "app/desktop_run.h"

#include <gmock/gmock.h>

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTest>

#include "files/result_folder.h"
#include "report/result_workbook.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/app/main_window_harness.h"
#include "tests/core/files/abandoned_pending_file.h"
#include "widgets/qt_path.h"

namespace nubera::test {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class CalculationRunTest : public MainWindowTest {
  protected:
    // The application folder holds the report template and the mark of a
    // build tree, as beside the program built.
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const QString& name : {Template(), Marker()}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(NUBERA_BINARY_DIR "/bin/") + name,
                                    folder.filePath(name)));
        }
    }

    static QString Template() { return QString::fromUtf8(report::kTemplateFileName); }
    static QString Marker() { return QString::fromUtf8(kPortableMarkerName); }

    void LoadExample(const char* name) {
        loaded = QFileInfo(QString::fromUtf8(name)).completeBaseName();
        messages.PlanAnswers({widgets::MsgAnswer::Yes});
        dialogs.Plan(QStringLiteral(NUBERA_SOURCE_DIR "/examples/") + QString::fromUtf8(name));
        Trigger("mnuLoad");
        messages.Clear();
    }

    void Run() { Button(QStringLiteral("CMD_Exec"))->click(); }

    // The first workbook of the project loaded last, named after it.
    QString FirstResult() const {
        return folder.filePath(loaded + QStringLiteral("_即時沈下量計算結果.xlsx"));
    }

    // An unsaved project's workbook: the dated name with its counter.
    QString ResultOfToday(int counter) const {
        return folder.filePath(QStringLiteral("即時沈下量計算結果") +
                               QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                               QStringLiteral("%1.xlsx").arg(counter, 2, 10, QLatin1Char('0')));
    }

    // Every file of the folder but the template and the marker.
    QStringList Results() const {
        QStringList files = QDir(folder.path()).entryList(QDir::Files);
        files.removeAll(Template());
        files.removeAll(Marker());
        return files;
    }

    // The status line keeps the path of the workbook a run wrote, and nothing
    // of a run that wrote none.
    void ExpectCleanEnd(const QString& workbook = {}) const {
        EXPECT_EQ(window->statusBar()->currentMessage(),
                  workbook.isEmpty()
                      ? QString()
                      : QStringLiteral("計算結果: ") + QDir::toNativeSeparators(workbook));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    std::vector<std::string> SheetsOf(const QString& path) const {
        return sheet::OpenWorkbook(path.toStdString())->SheetNames();
    }

    QString loaded;
};

TEST_F(CalculationRunTest, RunsAProjectEndToEndIntoAnOpenedWorkbook) {
    Open();
    LoadExample("five-blocks-lateral.nbr");
    Run();
    EXPECT_TRUE(messages.Shown().empty()) << messages.Shown()[0].text.toStdString();
    EXPECT_EQ(Results(), QStringList({QFileInfo(FirstResult()).fileName()}));
    // The run ends with the preview of the inputs and the four result sheets,
    // the workbook left unopened.
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(preview.shown[0].workbook, FirstResult());
    EXPECT_EQ(
        preview.shown[0].sheets,
        QStringList({QStringLiteral("表紙"), QStringLiteral("入力条件"), QStringLiteral("計算方法"),
                     QStringLiteral("即時沈下量の計算"), QStringLiteral("即時沈下量のまとめ"),
                     QStringLiteral("側方変位量の計算"), QStringLiteral("側方変位量のまとめ")}));
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(pauses, std::vector<int>({1000}));
    EXPECT_EQ(project.poissonRatio, 0.35);
    EXPECT_NE(results.equivalentModulus, 0);
    EXPECT_EQ(results.lateralDetail.size(), 5u);
    const auto sheets = SheetsOf(FirstResult());
    EXPECT_NE(std::find(sheets.begin(), sheets.end(), "側方変位量のまとめ"), sheets.end());
    ExpectCleanEnd(FirstResult());
}

// Installed where the person cannot write, the program writes its workbooks
// into a folder of their documents, and says where.
TEST_F(CalculationRunTest, AProgramFolderThatTakesNoFileSendsTheWorkbookToThePerUserFolder) {
    QFile plain(folder.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    programFolder = folder.filePath(QStringLiteral("plain/bin"));
    Open();
    LoadExample("one-block.nbr");
    Run();
    EXPECT_TRUE(messages.Shown().empty()) << messages.Shown()[0].text.toStdString();
    const QString perUser = folder.filePath(QStringLiteral("ヌベラ計算結果"));
    const QString workbook = QDir(perUser).filePath(QFileInfo(FirstResult()).fileName());
    EXPECT_TRUE(QFileInfo(workbook).isFile());
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(preview.shown[0].workbook, workbook);
    EXPECT_EQ(Results(), QStringList({QStringLiteral("plain")}))
        << "no workbook beside the template";
    ExpectCleanEnd(workbook);
}

// A run killed while writing leaves a hidden pending file; the next run in
// the folder removes it, and its own workbook only appears complete.
TEST_F(CalculationRunTest, ARunRemovesWhatAKilledRunLeftAndPublishesOnlyItsWorkbook) {
    Open();
    LoadExample("one-block.nbr");
    QFile left(widgets::ToQString(test::AbandonedPendingFile(widgets::ToPath(folder.path()))));
    ASSERT_TRUE(left.exists());
    Run();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(left.exists());
    QStringList expected{QFileInfo(FirstResult()).fileName(), Template(), Marker()};
    expected.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(preview.shown[0].workbook, FirstResult());
}

// A run after a run with more points: the points the second project lacks
// (⑧ of four-blocks-manual-lateral.nbr) are blank in its report, on the
// settlement summary and on the displacement summary, as in a fresh program.
TEST_F(CalculationRunTest, ASecondRunShowsNothingOfTheFirstRunsPoints) {
    Open();
    LoadExample("five-blocks-lateral.nbr");
    Option(QStringLiteral("OPT_Tyaku_0"))->click();
    Run();
    ASSERT_EQ(preview.shown.size(), 1u);
    LoadExample("four-blocks-manual-lateral.nbr");
    Run();
    ASSERT_EQ(preview.shown.size(), 2u);
    EXPECT_TRUE(messages.Shown().empty());
    const auto workbook = sheet::OpenWorkbook(widgets::ToPath(preview.shown[1].workbook));
    constexpr int kPointEightRow = 11;
    for (const char* summary : {"即時沈下量のまとめ", "側方変位量のまとめ"}) {
        const sheet::Worksheet& sheet = workbook->Sheet(summary);
        EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.Value(kPointEightRow, 4)))
            << summary << " D11";
        EXPECT_FALSE(std::holds_alternative<std::monostate>(sheet.Value(kPointEightRow - 1, 4)))
            << summary << " D10, point ⑦";
    }
}

TEST_F(CalculationRunTest, ASettlementOnlyRunStoresTheDefaultRatioAndSkipsTheLateralStep) {
    Open();
    LoadExample("one-block.nbr");
    results.lateralDetail.resize(3);  // left from an earlier run, which a run clears
    Run();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(project.poissonRatio, 0.3);
    EXPECT_TRUE(results.lateralDetail.empty()) << "no lateral step, and nothing of the earlier run";
    EXPECT_EQ(SheetsOf(FirstResult()),
              std::vector<std::string>(
                  {"表紙", "入力条件", "計算方法", "即時沈下量の計算", "即時沈下量のまとめ"}));
    // The inputs name the project file the run was loaded from.
    EXPECT_EQ(sheet::OpenWorkbook(FirstResult().toStdString())->Sheet("入力条件").Value(4, 5),
              sheet::CellValue{std::string("one-block.nbr")});
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(
        preview.shown[0].sheets,
        QStringList({QStringLiteral("表紙"), QStringLiteral("入力条件"), QStringLiteral("計算方法"),
                     QStringLiteral("即時沈下量の計算"), QStringLiteral("即時沈下量のまとめ")}));
    Run();  // the next run takes the project's next name
    EXPECT_EQ(Results(), QStringList({QStringLiteral("one-block_即時沈下量計算結果.xlsx"),
                                      QStringLiteral("one-block_即時沈下量計算結果_2.xlsx")}));
}

TEST_F(CalculationRunTest, AnEmZeroStopsTheRunWithItsMessage) {
    Open();
    LoadExample("one-block.nbr");
    project.leveeWidth = project.excavationWidth;  // B = L: every layer's weight is 0
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("Em値(換算変形係数)の値が0になりました。\n"
                             "Em値が0の場合は、計算できません。\n"
                             "土質条件入力画面で入力した値をご確認ください。"));
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_TRUE(preview.shown.empty());
    EXPECT_TRUE(pauses.empty());
}

TEST_F(CalculationRunTest, AnInvalidPoissonRatioStopsTheRunBeforeAnyCalculation) {
    Open();
    LoadExample("five-blocks-lateral.nbr");
    Poisson()->setText(QStringLiteral("0.005"));
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。"));
    EXPECT_EQ(results.equivalentModulus, 0);
    EXPECT_TRUE(Results().isEmpty());
}

// A ratio that reverses every lateral displacement runs only after a Yes;
// the input sheet marks it.
TEST_F(CalculationRunTest, APoissonRatioAboveHalfIsAskedAboutBeforeTheRun) {
    Open();
    LoadExample("five-blocks-lateral.nbr");
    Poisson()->setText(QStringLiteral("0.8"));
    messages.PlanAnswers({widgets::MsgAnswer::No});
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("ﾎﾟｱｿﾝ比(0.8)が0.5を超えています。"
                             "側方変位量の向きがすべて逆になります(0.5では0になります)。\n"
                             "このまま計算しますか？"));
    EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::YesNo);
    EXPECT_TRUE(Results().isEmpty());

    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Run();
    ASSERT_EQ(Results().size(), 1u);
    const auto inputs = sheet::OpenWorkbook(FirstResult().toStdString());
    EXPECT_EQ(inputs->Sheet("入力条件").Value(7, 5), sheet::CellValue{std::string("0.8※")});
}

// Values outside their plausible ranges are asked about in one question that
// lists them all; いいえ runs nothing. A value beyond what a number text shows
// is refused before anything is asked.
TEST_F(CalculationRunTest, ImplausibleValuesAreAskedAboutInOneQuestionBeforeTheRun) {
    Open();
    LoadExample("one-block.nbr");
    project.soilLayers->At(soil_column::kModulus, 0) = Cell::Number(28);
    project.fillLoads->At(fill_column::kUnitWeight, 0) = Cell::Number(3);
    messages.PlanAnswers({widgets::MsgAnswer::No});
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("土質条件の第1層の変形係数Es(28)が目安の範囲(100～10000000 kN/㎡)を"
                             "外れています。極めて軟らかい粘土から軟岩までの値です。"
                             "単位(N/㎡、MN/㎡)の取り違えが疑われます。\n"
                             "盛土荷重 q1 の単位重量γt(3)が目安の範囲(12～25 kN/m³)を外れています。"
                             "軽い火山灰質土から締まった礫質土までの値です。"
                             "単位(t/m³など)の取り違えが疑われます。\n"
                             "このまま計算しますか？"));
    EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::YesNo);
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_TRUE(pauses.empty());

    messages.Clear();
    project.soilLayers->At(soil_column::kModulus, 0) = Cell::Number(1e40);
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("計算できませんでした。\n"
                             "土質条件の第1層の変形係数Es(1E+40)が扱える範囲(±1E+15 kN/㎡)を"
                             "超えています。\n入力した条件をご確認ください。"));
    EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::Ok);
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_TRUE(preview.shown.empty());
}

// The status line names a workbook only while it belongs to the project
// shown: a file handed over during the preview is loaded once it has closed,
// and the status line then says what was loaded.
TEST_F(CalculationRunTest, AFileHandedOverDuringThePreviewReplacesTheWorkbooksStatus) {
    Open();
    LoadExample("manual-points.nbr");
    preview.whileOpen = [this] {
        window->OpenProjectFile(QStringLiteral(NUBERA_SOURCE_DIR "/examples/one-block.nbr"));
    };
    Run();
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_THAT(window->StatusText().toStdString(), StartsWith("計算結果: "));
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("manual-points.nbr"));
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    QTest::qWait(20);
    EXPECT_THAT(window->windowTitle().toStdString(), StartsWith("one-block.nbr"));
    EXPECT_THAT(window->StatusText().toStdString(),
                AllOf(StartsWith("読み込みました: "), HasSubstr("one-block.nbr")));
}

TEST_F(CalculationRunTest, AnEngineFailureIsReportedAndLeavesNoFile) {
    Open();
    LoadExample("one-block.nbr");
    (*project.fillLoads).At(fill_column::kLoadingWidth, 0) = Cell::Number(0);
    const ProjectData before = project;
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(), StartsWith("計算できませんでした。\n"));
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_TRUE(preview.shown.empty());
    EXPECT_EQ(project.fillLoads, before.fillLoads);
    ExpectCleanEnd();
}

TEST_F(CalculationRunTest, AMissingTemplateIsReportedAndLeavesNoFileBehind) {
    Open();
    LoadExample("one-block.nbr");
    ASSERT_TRUE(QFile::remove(folder.filePath(Template())));
    Run();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(),
                StartsWith("計算結果ファイルを作成できませんでした: 雛形ファイル「"));
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_TRUE(preview.shown.empty());
    ExpectCleanEnd();
}

// The names of a day are no limit: an unsaved project's 101st run of the day
// takes the counter 100 and leaves the hundred workbooks before it alone.
TEST_F(CalculationRunTest, AHundredAndFirstRunOfADayWritesAWorkbook) {
    Open();
    LoadExample("one-block.nbr");
    session.MarkSaved({}, Poisson()->text().toStdString());  // as if never saved
    for (int n = 0; n < 100; ++n) {
        QFile taken(ResultOfToday(n));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    Run();
    EXPECT_TRUE(messages.Shown().empty()) << messages.Shown()[0].text.toStdString();
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(preview.shown[0].workbook, ResultOfToday(100));
    EXPECT_EQ(SheetsOf(ResultOfToday(100)).size(), 5u);
    EXPECT_EQ(QFileInfo(ResultOfToday(0)).size(), 0) << "a taken name is left alone";
}

}  // namespace
}  // namespace nubera::test
