#pragma once

// The main window on scripted message boxes, fake file dialogs and a recording
// desktop, with its application folder in a temporary directory.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "app/main_window.h"
#include "app/preview/result_preview.h"
#include "app/screen_opener.h"
#include "projectfile/project_session.h"
#include "tests/core/one_block_project.h"
#include "tests/input/screen_harness.h"
#include "tests/widgets/scripted_message_box.h"
#include "widgets/dialogs/document_opener.h"
#include "widgets/dialogs/file_dialogs.h"
#include "widgets/numeric_field.h"

namespace nubera::test {

class FakeFileDialogs : public widgets::FileDialogs {
  public:
    // The answers of the next dialogs, in order; nothing means Cancel.
    void Plan(std::optional<QString> answer) {
        planned_.push_back({answer.has_value(), answer.value_or(QString())});
    }

    std::optional<QString> OpenProjectName(QWidget*) override { return Next(); }
    std::optional<QString> SaveProjectName(QWidget*) override { return Next(); }
    int Shown() const { return shown_; }

  private:
    std::optional<QString> Next() {
        ++shown_;
        if (planned_.empty()) {
            ADD_FAILURE() << "unplanned file dialog";
            return std::nullopt;
        }
        const Answer answer = planned_.front();
        planned_.pop_front();
        if (!answer.chosen) return std::nullopt;
        return answer.name;
    }
    struct Answer {
        bool chosen;
        QString name;
    };
    std::deque<Answer> planned_;
    int shown_ = 0;
};

// Records the previews a run asks for; each returns at once, as if closed,
// after what the test does while it is open.
class RecordingPreview : public app::ResultPreview {
  public:
    struct Shown {
        QString workbook;
        QStringList sheets;
    };
    void Show(QWidget*, const QString& workbook, const QStringList& sheets) override {
        shown.push_back({workbook, sheets});
        if (whileOpen) whileOpen();
    }
    std::vector<Shown> shown;
    std::function<void()> whileOpen;
};

class RecordingOpener : public widgets::DocumentOpener {
  public:
    bool Open(const QUrl& url) override {
        opened.push_back(url);
        return !fails;
    }
    std::vector<QUrl> opened;
    bool fails = false;  // as a desktop without a program for the document
};

// Input screens that stand for the real ones: each does what the test set for
// it with the values handed over and says whether the person accepted them.
// A screen the test left unset closes without accepting.
class FakeInputScreens : public app::ScreenOpener {
  public:
    using PointsDiscarded = std::function<void(bool fillLoadsRemain)>;

    bool EditSoilConditions(QWidget*, SoilConditions& conditions) override {
        return soil && soil(conditions);
    }
    bool EditFillLoads(QWidget*, FillLoads& loads, Placement placement, bool,
                       const PointsDiscarded& pointsDiscarded) override {
        return fill && fill(loads, placement, pointsDiscarded);
    }
    bool EditFocusPoints(QWidget*, const std::optional<FillLoadTable>&,
                         std::optional<FocusPointList>& focusPoints) override {
        return points && points(focusPoints);
    }

    std::function<bool(SoilConditions&)> soil;
    std::function<bool(FillLoads&, Placement, const PointsDiscarded&)> fill;
    std::function<bool(std::optional<FocusPointList>&)> points;
};

using test::OneBlock;
using test::OneLayer;

inline FocusPointList TwoPoints() {
    FocusPointList points;
    points[0] = Cell::Text("-2.00");
    points[1] = Cell::Text("1.50");
    return points;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Creates, starts and activates the window (after a test set its screens).
    void Open() { Open(screens); }
    void Open(app::ScreenOpener& inputScreens) {
        window = std::make_unique<app::MainWindow>(
            session,
            app::MainWindowServices{messages, dialogs, opener, preview, inputScreens, folder.path(),
                                    ProgramFolder(), folder.path(),
                                    [this](int milliseconds) { pauses.push_back(milliseconds); }});
        window->Start();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget>
    Widget* Find(const QString& name) const {
        return Child<Widget>(*window, name);
    }
    // Runs the menu command of that name.
    void Trigger(const char* name) const { Find<QAction>(QString::fromLatin1(name))->trigger(); }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QLabel* Label(const QString& name) const { return Find<QLabel>(name); }
    QRadioButton* Option(const QString& name) const { return Find<QRadioButton>(name); }
    widgets::NumericField* Poisson() const {
        return Find<widgets::NumericField>(QStringLiteral("TXT_Poa"));
    }

    // The template is found here, and the workbooks go here too unless a
    // test gives the program a folder of its own.
    QString ProgramFolder() const {
        return programFolder.isEmpty() ? folder.path() : programFolder;
    }

    QTemporaryDir folder;
    QString programFolder;
    ScriptedMessageBox messages;
    FakeFileDialogs dialogs;
    RecordingOpener opener;
    RecordingPreview preview;
    FakeInputScreens screens;
    std::vector<int> pauses;
    ProjectSession session;
    ProjectData& project = session.Project();
    CalcResults& results = session.Results();
    std::unique_ptr<app::MainWindow> window;
};

}  // namespace nubera::test
