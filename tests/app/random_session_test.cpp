// A randomized session at the desktop program: screens opened, typed into
// (full-width digits, signs, separators and letters too), pasted into, their
// lists added to, updated and emptied, closed every way, questions answered
// at random, examples loaded, new projects started, projects saved (in place
// too) and run, PDFs saved, changes undone and redone, results kept for
// comparison and cleared, and files handed over by another copy at random
// moments (a screen or a question open). After every step the invariants
// hold: undo and redo restore the project exactly and the results panel
// shows what the run would compute; a screen left without a
// successful commit changed nothing, and nothing, a handover included,
// changes the project while a screen is open; a box shows only what a
// commit stores; the run button is enabled exactly when the run has its
// inputs; a report holds numbers only for the points of its own run and
// names its own project; the status line names no workbook of another
// project; a project not changed since it was loaded or saved is what its
// file holds.
//
// NUBERA_RANDOM_SEEDS: a number of seeds (1..N) or a comma-separated list;
// NUBERA_RANDOM_ACTIONS: steps per seed. A failing seed prints its steps.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <cmath>
#include <functional>
#include <utility>
#include <variant>

#include "app/main_window.h"
#include "app/modal_screen_opener.h"
#include "app/preview/print_preview_dialog.h"
#include "app/workspace/results_panel.h"
#include "engine/design_results.h"
#include "projectfile/project_file.h"
#include "report/result_workbook.h"
#include "screenrules/run_enabling_rule.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/app/main_window_harness.h"
#include "tests/app/random_person.h"
#include "tests/input/screen_harness.h"
#include "text/number_entry.h"
#include "widgets/qt_path.h"

namespace nubera::test {
namespace {

std::vector<unsigned> Seeds() {
    const QString setting = qEnvironmentVariable("NUBERA_RANDOM_SEEDS", QStringLiteral("5"));
    std::vector<unsigned> seeds;
    if (setting.contains(QLatin1Char(','))) {
        for (const QString& seed : setting.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            seeds.push_back(seed.toUInt());
        }
    } else {
        for (unsigned seed = 1; seed <= setting.toUInt(); ++seed) seeds.push_back(seed);
    }
    return seeds;
}

int Actions() {
    return qEnvironmentVariableIntValue("NUBERA_RANDOM_ACTIONS") > 0
               ? qEnvironmentVariableIntValue("NUBERA_RANDOM_ACTIONS")
               : 200;
}

QString Example(const char* name) {
    return QStringLiteral(NUBERA_SOURCE_DIR "/examples/") + QString::fromUtf8(name);
}

// Tables equal as the numbers they are read as (a file keeps texts such as a
// point's "1.50" as numbers, and numbers to 15 digits).
bool SameNumbers(const std::optional<CellTable>& a, const std::optional<CellTable>& b) {
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    if (a->RowCount() != b->RowCount() || a->ColumnCount() != b->ColumnCount()) return false;
    for (std::size_t r = 0; r < a->RowCount(); ++r) {
        for (std::size_t c = 0; c < a->ColumnCount(); ++c) {
            const Cell& x = a->At(c, r);
            const Cell& y = b->At(c, r);
            if (x.IsMissing() != y.IsMissing()) return false;
            if (std::fabs(x.AsNumber() - y.AsNumber()) > 1e-9 * (1 + std::fabs(x.AsNumber()))) {
                return false;
            }
        }
    }
    return true;
}

bool SamePoints(const std::optional<FocusPointList>& a, const std::optional<FocusPointList>& b) {
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        if ((*a)[i].IsMissing() != (*b)[i].IsMissing()) return false;
        if ((*a)[i].AsNumber() != (*b)[i].AsNumber()) return false;
    }
    return true;
}

// The real screens, noting whether each one handed values back.
class NotingScreens : public app::ScreenOpener {
  public:
    NotingScreens(widgets::MessageBox& messages, const QString& folder) : real_(messages, folder) {}

    bool EditSoilConditions(QWidget* owner, SoilConditions& conditions) override {
        return accepted = real_.EditSoilConditions(owner, conditions);
    }
    bool EditFillLoads(QWidget* owner, FillLoads& loads, Placement placement, bool manualPointsSet,
                       const std::function<void(bool)>& pointsDiscarded) override {
        return accepted =
                   real_.EditFillLoads(owner, loads, placement, manualPointsSet, pointsDiscarded);
    }
    bool EditFocusPoints(QWidget* owner, const std::optional<FillLoadTable>& fillLoads,
                         std::optional<FocusPointList>& points) override {
        return accepted = real_.EditFocusPoints(owner, fillLoads, points);
    }

    bool accepted = false;

  private:
    app::ModalScreenOpener real_;
};

const std::vector<QString> kTexts{"",    "0", "1",     "2.5", "5",    "10",   "100", "100.01",
                                  "150", ".", "1.2.3", "-3",  "-0.5", "3000", "0.3", "7000"};
const std::vector<QString> kPastes{"2800.5", "abc12.3xyz", " 7 \n",   "12",
                                   "-4.25",  "1,5",        "１２．５"};
// What a person's keys (and a Japanese input method) put into a box.
const std::vector<QString> kKeys{"0", "1", "5",  "9", "１", "２", "０", "．",
                                 ".", "-", "－", ",", "，", "a",  "x",  "+"};

// A box shows only ASCII text its own rule takes as it stands: nothing a
// commit would read differently (a full-width digit, a letter, a separator).
bool ShowsWhatACommitStores(const widgets::NumericField& box) {
    const std::string text = box.text().toStdString();
    if (text.empty()) return true;
    const EntryInsertion verdict = CheckEntryInsertion(
        text, box.Filter() == widgets::KeyFilter::SignedDecimal ? EntrySign::Signed
                                                                : EntrySign::Unsigned);
    return verdict.accepted && verdict.text == text;
}

class Session {
  public:
    explicit Session(unsigned seed)
        : person_(seed),
          answers_(person_),
          // Copies: 上書き保存 writes into the file loaded last.
          dialogs_(person_, folder_.path(),
                   {Copied("one-block.nbr"), Copied("five-blocks-lateral.nbr"),
                    Copied("manual-points.nbr"), Copied("four-blocks-manual-lateral.nbr")}),
          screens_(answers_, folder_.path()) {
        for (const QString& figure :
             {QStringLiteral("土質条件.svg"), QStringLiteral("盛土荷重.svg"),
              QString::fromUtf8(report::kTemplateFileName)}) {
            QFile::copy(QStringLiteral(NUBERA_BINARY_DIR "/bin/") + figure,
                        QDir(folder_.path()).filePath(figure));
        }
        window_ = std::make_unique<app::MainWindow>(
            session_,
            app::MainWindowServices{answers_, dialogs_, opener_, preview_, screens_, folder_.path(),
                                    folder_.path(), folder_.path(), [](int) {}});
        window_->Start();
        // Another copy hands a file over while a question or the preview is open.
        answers_.whileShown = [this] {
            if (person_.Chance(0.1)) HandOver("while a question is open");
        };
        preview_.whileOpen = [this] {
            if (person_.Chance(0.3)) HandOver("while the preview is open");
        };
    }

    // Runs the steps; false, once a step broke an invariant.
    bool Play(int actions) {
        for (int step = 0; step < actions; ++step) {
            InEventLoop([this] { Step(); });
            // Files handed over meanwhile are opened once the window is idle.
            QApplication::processEvents();
            CheckInvariants();
            if (::testing::Test::HasFailure()) return false;
        }
        window_->hide();
        return true;
    }

    const std::vector<std::string>& Steps() const { return person_.Steps(); }

  private:
    QPushButton* Button(const char* name) const {
        return Child<QPushButton>(*window_, QString::fromUtf8(name));
    }

    // A copy of an example in the session's folder.
    QString Copied(const char* example) {
        const QString copy = QDir(folder_.path()).filePath(QString::fromUtf8(example));
        QFile::copy(Example(example), copy);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    void HandOver(const char* when) {
        const QString file = dialogs_.AnyLoadable();
        person_.Note(std::string("  hand over ") + QFileInfo(file).fileName().toStdString() + " " +
                     when);
        window_->OpenProjectFile(file);
    }

    void Step() {
        switch (person_.Pick(13)) {
            case 10:
                return HandOver("to the idle window");
            case 11:
                return UndoOrRedo();
            case 12:
                return Workspace();
            case 0:
            case 1:
                return Screen("CMD_土質条件");
            case 2:
            case 3:
                return Screen("CMD_盛土荷重");
            case 4:
                if (Button("CMD_着目点")->isEnabled()) return Screen("CMD_着目点");
                return Choose("OPT_Tyaku_1");
            case 5:
                return Choose(person_.OneOf<const char*>(
                    {"OPT_Select_0", "OPT_Select_1", "OPT_Tyaku_0", "OPT_Tyaku_1"}));
            case 6:
                return Command(person_.OneOf<const char*>(
                    {"mnuLoad", "mnuLoad", "mnuSave", "mnuSaveInPlace", "mnuNew"}));
            case 7:
                return TypePoisson();
            case 8:
                return Quit();
            default:
                return Run();
        }
    }

    void Choose(const char* option) {
        person_.Note(std::string("click ") + option);
        auto* button = Child<QRadioButton>(*window_, QString::fromUtf8(option));
        if (button->isEnabled()) button->click();
    }

    void Command(const char* action) {
        person_.Note(std::string("menu ") + action);
        Child<QAction>(*window_, QString::fromUtf8(action))->trigger();
    }

    // Undo puts back the project before the last committed change, and redo
    // right after it the project it undid, exactly; the panel follows both.
    void UndoOrRedo() {
        QUndoStack& history = window_->History();
        if (history.canUndo() && person_.Chance(0.6)) {
            const ProjectData before = project_;
            Command("mnuUndo");
            ExpectPanelFollows();
            if (!person_.Chance(0.5)) return;
            Command("mnuRedo");
            EXPECT_EQ(project_, before) << "redo right after undo";
        } else if (history.canRedo()) {
            Command("mnuRedo");
        } else {
            return;  // a ratio being typed is not shown until it is confirmed
        }
        ExpectPanelFollows();
    }

    // Results kept for comparison stay as they were kept until cleared.
    void Workspace() {
        app::ResultsPanel& panel = window_->ResultsView();
        if (panel.Kept() && person_.Chance(0.5)) {
            person_.Note("clear the kept results");
            Child<QPushButton>(*window_, QStringLiteral("clearKeptButton"))->click();
            EXPECT_FALSE(panel.Kept());
            return;
        }
        person_.Note("keep the results");
        const bool computed = panel.Current().Computed();
        Child<QPushButton>(*window_, QStringLiteral("keepButton"))->click();
        if (computed) {
            ASSERT_TRUE(panel.Kept());
            EXPECT_EQ(panel.Kept()->results, panel.Current());
        }
    }

    // The panel shows what the run would compute from the inputs as they stand.
    void ExpectPanelFollows() {
        const auto* box = Child<widgets::NumericField>(*window_, QStringLiteral("TXT_Poa"));
        EXPECT_EQ(
            window_->ResultsView().Current(),
            ComputeDesignResults(project_, window_->SelectedPlacement(), box->text().toStdString()))
            << "the results panel lags behind";
    }

    void TypePoisson() {
        auto* box = Child<widgets::NumericField>(*window_, QStringLiteral("TXT_Poa"));
        if (!box->isEnabled()) return;
        const QString text = person_.OneOf(kTexts);
        person_.Note("type Poisson " + text.toStdString());
        Type(box, text);
    }

    void Quit() {
        person_.Note("close the main window");
        window_->close();
    }

    void Run() {
        if (!Button("CMD_Exec")->isEnabled()) return;
        person_.Note("run");
        const std::size_t before = preview_.shown.size();
        Button("CMD_Exec")->click();
        if (preview_.shown.size() == before) return;
        const RecordingPreview::Shown& shown = preview_.shown.back();
        CheckReport(shown.workbook);
        if (person_.Chance(0.2)) SavePdf(shown);
        QFile::remove(shown.workbook);
    }

    // The preview's PDF保存, with or without the extension typed: the PDF
    // lands under a name ending in .pdf, and the preview says where.
    void SavePdf(const RecordingPreview::Shown& shown) {
        std::vector<std::string> sheets;
        for (const QString& sheet : shown.sheets) sheets.push_back(sheet.toStdString());
        app::PrintPreviewDialog dialog(
            std::make_unique<printout::WorkbookPrintout>(widgets::ToPath(shown.workbook), sheets),
            answers_, opener_);
        const QString name =
            QDir(folder_.path())
                .filePath(person_.OneOf<QString>({"report", "report.pdf", "report.PDF", "other"}));
        person_.Note("  PDF保存 as " + QFileInfo(name).fileName().toStdString());
        dialog.SetPdfNameChooser([&](QWidget*, const QString&) { return name; });
        // The preview is not shown modally here, so its overwrite question
        // would not hold a handover back as the real one does.
        const std::function<void()> handOver = std::exchange(answers_.whileShown, nullptr);
        Child<QPushButton>(dialog, QStringLiteral("CMD_SavePdf"))->click();
        answers_.whileShown = handOver;
        const QString saved = name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                                  ? name
                                  : name + QStringLiteral(".pdf");
        if (dialog.StatusText().isEmpty()) return;  // いいえ to the overwrite question
        EXPECT_EQ(dialog.StatusText(), QStringLiteral("PDFを保存しました: ") + saved);
        EXPECT_TRUE(QFile::exists(saved));
        EXPECT_FALSE(QFile::exists(QDir(folder_.path()).filePath(QStringLiteral("report"))));
    }

    // Opens the screen and works it at random until it has closed. Left by
    // キャンセル, No or Esc the project is as it was, whatever the screen says;
    // only ＯＫ or Yes to the changed-data question may have changed it.
    void Screen(const char* button) {
        person_.Note(std::string("open ") + button);
        const ProjectData before = project_;
        bool committed = false;
        QTimer::singleShot(0, [this, &before, &committed] {
            auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (screen == nullptr) {
                ADD_FAILURE() << "no screen opened";
                return;
            }
            InEventLoop([&] { committed = WorkScreen(*screen, before); });
            if (screen->isVisible()) {
                person_.Note("  キャンセル");
                Child<QPushButton>(*screen, QStringLiteral("CMD_Cancel"))->click();
            }
        });
        Button(button)->click();
        if (!committed || !screens_.accepted) {
            EXPECT_EQ(project_, before) << "a screen left without a commit";
        }
    }

    // True when the screen closed by a commit.
    bool WorkScreen(QDialog& screen, const ProjectData& before) {
        const std::size_t edits = 1 + person_.Pick(10);
        for (std::size_t i = 0; i < edits && screen.isVisible(); ++i) {
            if (person_.Chance(0.1)) HandOver("while a screen is open");
            Edit(screen);
            EXPECT_EQ(project_, before) << "an open screen changed the project";
            for (const widgets::NumericField* box : screen.findChildren<widgets::NumericField*>()) {
                EXPECT_TRUE(ShowsWhatACommitStores(*box))
                    << box->objectName().toStdString() << " shows " << box->text().toStdString();
            }
        }
        return screen.isVisible() && Leave(screen);
    }

    // Values that make a layer, a block or points the screen takes, so that
    // the sessions get past the checks and commit, stack and run too.
    void EnterSensibleValues(QDialog& screen) {
        const auto fill = [&](const char* name, const QString& text) {
            if (auto* box = screen.findChild<widgets::NumericField*>(QString::fromUtf8(name))) {
                person_.Note(std::string("  type ") + name + " " + text.toStdString());
                Type(box, text);
            }
        };
        if (screen.findChild<widgets::NumericField*>(QStringLiteral("TXT_層厚"))) {
            fill("TXT_開削幅", person_.OneOf<QString>({"6", "10", "12"}));
            fill("TXT_堤体幅", person_.OneOf<QString>({"18", "20", "40", "12"}));
            fill("TXT_層厚", person_.OneOf<QString>({"1.5", "3", "5"}));
            fill("TXT_変形係数Es", person_.OneOf<QString>({"1400", "6860", "28000", "0"}));
        } else if (screen.findChild<widgets::NumericField*>(QStringLiteral("TXT_Base"))) {
            fill("TXT_qX", person_.OneOf<QString>({"0", "10", "12.5"}));
            fill("TXT_Base", person_.OneOf<QString>({"0", "0", "2"}));
            fill("TXT_A", person_.OneOf<QString>({"1", "2"}));
            fill("TXT_B", person_.OneOf<QString>({"3", "5", "8"}));
            fill("TXT_C", person_.OneOf<QString>({"1", "2"}));
            fill("TXT_h", person_.OneOf<QString>({"1", "2"}));
            fill("TXT_hy", person_.OneOf<QString>({"", "0.5"}));
            fill("TXT_土重量", person_.OneOf<QString>({"18", "19"}));
        } else {
            const std::vector<QString> points{"-4", "-2", "-1", "0", "0", "1", "2.5", "4"};
            const std::size_t count = 1 + person_.Pick(4);
            std::vector<QString> chosen;
            for (std::size_t i = 0; i < count; ++i) chosen.push_back(person_.OneOf(points));
            std::sort(chosen.begin(), chosen.end(), [](const QString& a, const QString& b) {
                return a.toDouble() < b.toDouble();
            });
            for (std::size_t i = 0; i < count; ++i) {
                fill(QStringLiteral("TXT_着目点_%1").arg(i).toUtf8().constData(), chosen[i]);
            }
            return;
        }
        if (auto* add = screen.findChild<QPushButton*>(QStringLiteral("CMD_Upd"))) {
            person_.Note("  click CMD_Upd");
            add->click();
        }
    }

    void Edit(QDialog& screen) {
        const QList<widgets::NumericField*> boxes = screen.findChildren<widgets::NumericField*>();
        widgets::NumericField* box = boxes[static_cast<int>(person_.Pick(boxes.size()))];
        const std::string name = box->objectName().toStdString();
        switch (person_.Pick(10)) {
            case 7:
            case 8:
                return EnterSensibleValues(screen);
            case 9: {
                QString keys;
                for (std::size_t n = 1 + person_.Pick(6); n > 0; --n) keys += person_.OneOf(kKeys);
                person_.Note("  keys " + name + " " + keys.toStdString());
                box->setFocus();
                return TypeKeys(box, keys);
            }
            case 0:
            case 1: {
                const QString text = person_.OneOf(kTexts);
                person_.Note("  type " + name + " " + text.toStdString());
                return Type(box, text);
            }
            case 2: {
                const QString text = person_.OneOf(kPastes);
                person_.Note("  paste " + name + " " + text.toStdString());
                QGuiApplication::clipboard()->setText(text);
                box->setFocus();
                return QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            case 3:
                person_.Note("  Enter in " + name);
                return PressEnter(box);
            case 4: {
                auto* list = screen.findChild<input::ListGrid*>(QStringLiteral("VSF_List"));
                if (list == nullptr || list->DataRows() == 0) return;
                const int row =
                    list->FixedRows() + static_cast<int>(person_.Pick(list->DataRows()));
                person_.Note("  click row " + std::to_string(row));
                list->scrollToItem(list->item(row - list->FixedRows(), 0));
                return ClickRow(list, row);
            }
            default: {
                const char* command =
                    person_.OneOf<const char*>({"CMD_Upd", "CMD_Upd", "CMD_Del", "CMD_Alldel"});
                auto* button = screen.findChild<QPushButton*>(QString::fromUtf8(command));
                if (button == nullptr || !button->isEnabled()) return;
                person_.Note(std::string("  click ") + command);
                return button->click();
            }
        }
    }

    // True when the screen closed by a commit.
    bool Leave(QDialog& screen) {
        answers_.lastAnswer = widgets::MsgAnswer::Ok;
        bool byOk = false;
        switch (person_.Pick(5)) {
            case 0:
            case 4:
                person_.Note("  ＯＫ");
                Child<QPushButton>(screen, QStringLiteral("CMD_Exec"))->click();
                byOk = true;
                break;
            case 1:
                person_.Note("  キャンセル");
                Child<QPushButton>(screen, QStringLiteral("CMD_Cancel"))->click();
                break;
            case 2:
                person_.Note("  close box");
                screen.close();
                break;
            default:
                person_.Note("  Esc");
                QTest::keyClick(&screen, Qt::Key_Escape);
                break;
        }
        return !screen.isVisible() && (byOk || answers_.lastAnswer == widgets::MsgAnswer::Yes);
    }

    void CheckInvariants() {
        EXPECT_EQ(Button("CMD_Exec")->isEnabled(),
                  RunAllowed(project_, window_->SelectedPlacement()))
            << "the run button and the run's inputs disagree";
        const widgets::NumericField& poisson =
            *Child<widgets::NumericField>(*window_, QStringLiteral("TXT_Poa"));
        EXPECT_TRUE(ShowsWhatACommitStores(poisson)) << poisson.text().toStdString();
        CheckSavedFile();
        CheckStatusLine();
    }

    // Another project loaded (not saved under a new name): the status line no
    // longer names the workbook of the project before.
    void CheckStatusLine() {
        const QString file = QString::fromStdString(session_.FileName());
        if (file != lastFile_ && dialogs_.saves == lastSaves_) {
            EXPECT_FALSE(window_->StatusText().startsWith(QStringLiteral("計算結果")))
                << "the status line names the workbook of the project before "
                << file.toStdString();
        }
        lastFile_ = file;
        lastSaves_ = dialogs_.saves;
    }

    // A project unchanged since it was loaded or saved is what its file holds.
    void CheckSavedFile() {
        if (window_->isWindowModified()) return;
        const QString title = window_->windowTitle();
        const qsizetype end = title.indexOf(QStringLiteral("[*] - "));
        if (end < 0) return;
        const QString name = title.left(end);
        const QString file = QFile::exists(QDir(folder_.path()).filePath(name))
                                 ? QDir(folder_.path()).filePath(name)
                                 : Example(name.toUtf8().constData());
        std::string error;
        const std::optional<LoadedProject> loaded = LoadProject(widgets::ToPath(file), &error);
        ASSERT_TRUE(loaded) << error;
        ProjectData reloaded;
        ApplyLoadedProject(*loaded, reloaded);
        EXPECT_EQ(reloaded.excavationWidth, project_.excavationWidth) << name.toStdString();
        EXPECT_EQ(reloaded.leveeWidth, project_.leveeWidth) << name.toStdString();
        EXPECT_TRUE(SameNumbers(reloaded.soilLayers, project_.soilLayers)) << name.toStdString();
        EXPECT_TRUE(SameNumbers(reloaded.fillLoads, project_.fillLoads)) << name.toStdString();
        EXPECT_TRUE(SameNumbers(reloaded.surcharge, project_.surcharge)) << name.toStdString();
        EXPECT_TRUE(SamePoints(reloaded.focusPoints, project_.focusPoints)) << name.toStdString();
        EXPECT_EQ(reloaded.alsoLateral, project_.alsoLateral) << name.toStdString();
    }

    // Row 4 + i of a summary sheet is point i: numbers there only for the
    // points this run placed.
    void CheckReport(const QString& workbook) {
        const auto book = sheet::OpenWorkbook(widgets::ToPath(workbook));
        const QString project = QFileInfo(QString::fromStdString(session_.FileName())).fileName();
        EXPECT_EQ(
            book->Sheet("入力条件").Value(4, 5),
            sheet::CellValue{project.isEmpty() ? std::string("未保存") : project.toStdString()})
            << "the report names another project";
        std::vector<std::string> summaries{"即時沈下量のまとめ"};
        if (project_.alsoLateral) summaries.push_back("側方変位量のまとめ");
        for (const std::string& summary : summaries) {
            const sheet::Worksheet& sheet = book->Sheet(summary);
            for (std::size_t i = 0; i < kPointCount; ++i) {
                const bool placed = !results_.pointOffsets.at(0)[i].IsMissing();
                const bool shown = !std::holds_alternative<std::monostate>(
                    sheet.Value(4 + static_cast<int>(i), 4));
                EXPECT_EQ(shown, placed) << summary << " point " << i + 1;
            }
        }
    }

    QTemporaryDir folder_;
    RandomPerson person_;
    RandomAnswers answers_;
    RandomFileDialogs dialogs_;
    RecordingOpener opener_;
    RecordingPreview preview_;
    NotingScreens screens_;
    ProjectSession session_;
    ProjectData& project_ = session_.Project();
    CalcResults& results_ = session_.Results();
    std::unique_ptr<app::MainWindow> window_;
    QString lastFile_;
    int lastSaves_ = 0;
};

TEST(RandomSession, EverySeedKeepsTheInvariants) {
    const int actions = Actions();
    for (const unsigned seed : Seeds()) {
        Session session(seed);
        if (session.Play(actions)) continue;
        std::string steps;
        for (const std::string& step : session.Steps()) steps += step + "\n";
        FAIL() << "seed " << seed << " (again: NUBERA_RANDOM_SEEDS=" << seed << ","
               << ", NUBERA_RANDOM_ACTIONS=" << actions << ") failed after:\n"
               << steps;
    }
}

}  // namespace
}  // namespace nubera::test
