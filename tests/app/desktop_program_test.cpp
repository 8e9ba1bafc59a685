#include "app/startup/desktop_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "app/main_window.h"
#include "report/result_workbook.h"
#include "tests/app/main_window_harness.h"

namespace nubera::test {
namespace {

using ::testing::HasSubstr;

// Runs `shown` when the main window is shown.
class WatchMainShown : public QObject {
  public:
    explicit WatchMainShown(std::function<void()> shown) : shown_(std::move(shown)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == QStringLiteral("FRM_Main")) {
            shown_();
        }
        return false;
    }

  private:
    std::function<void()> shown_;
};

class DesktopProgramTest : public ::testing::Test {
  protected:
    app::MainWindowServices Services() {
        return {messages,
                dialogs,
                opener,
                preview,
                screens,
                folder.path(),
                folder.path(),
                folder.path(),
                [this](int milliseconds) { pauses.push_back(milliseconds); }};
    }
    static QWidget* findShown(const QString& name) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible()) return widget;
        }
        return nullptr;
    }
    static QWidget* findTitle() { return findShown(QStringLiteral("FRM_Title")); }
    static bool MainShown() { return findShown(QStringLiteral("FRM_Main")) != nullptr; }
    QString TemplatePath() const {
        return folder.filePath(QString::fromUtf8(report::kTemplateFileName));
    }

    QTemporaryDir folder;
    ScriptedMessageBox messages;
    FakeFileDialogs dialogs;
    RecordingOpener opener;
    RecordingPreview preview;
    FakeInputScreens screens;
    std::vector<int> pauses;
    std::unique_ptr<app::DesktopProgram> program;
};

TEST_F(DesktopProgramTest, WithoutAReadableTemplateStartUpSaysWhichFileIsMissingAndEnds) {
    program = std::make_unique<app::DesktopProgram>(Services());
    EXPECT_FALSE(program->Show());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Critical);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(), HasSubstr(report::kTemplateFileName));
    // Beside the program, then the installed share/nubera relative to it.
    EXPECT_THAT(
        messages.Shown()[0].text.toStdString(),
        HasSubstr(
            QDir::cleanPath(folder.path() + QStringLiteral("/../share/nubera/")).toStdString()));
    EXPECT_FALSE(MainShown());
    EXPECT_TRUE(pauses.empty());
}

// The title window stays only while the main window is being made ready: it
// is on screen when the main window appears and gone once it has, without a
// pause of its own.
TEST_F(DesktopProgramTest, ShowsTheSplashUntilTheMainWindowIsReady) {
    QFile file(TemplatePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    program = std::make_unique<app::DesktopProgram>(Services());
    bool splashWhenMainShown = false;
    const WatchMainShown watch([&] { splashWhenMainShown = findTitle() != nullptr; });
    EXPECT_TRUE(program->Show());
    EXPECT_TRUE(pauses.empty());
    EXPECT_TRUE(splashWhenMainShown);
    EXPECT_TRUE(MainShown());
    EXPECT_EQ(findTitle(), nullptr);
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace nubera::test
