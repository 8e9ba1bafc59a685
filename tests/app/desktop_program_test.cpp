#include "app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/main_window_harness.h"
#include "frm_main.h"
#include "result_workbook.h"

namespace nubera::test {
namespace {

class AppTest : public ::testing::Test {
  protected:
    MainWindowServices Services() {
        return {messages, dialogs, opener, preview, {}, folder.path(), [this](int milliseconds) {
                    // The splash is on screen while start-up waits.
                    splashShown = findTitle() != nullptr;
                    pauses.push_back(milliseconds);
                    mainShownDuringSplash = app->MainWindow().isVisible();
                }};
    }
    static QWidget* findTitle() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("FRM_Title") && widget->isVisible())
                return widget;
        }
        return nullptr;
    }
    QString TemplatePath() const { return folder.filePath(QString::fromUtf8(kTemplateFileName)); }

    QTemporaryDir folder;
    ScriptedMessageBox messages;
    FakeFileDialogs dialogs;
    RecordingOpener opener;
    RecordingPreview preview;
    std::vector<int> pauses;
    bool splashShown = false;
    bool mainShownDuringSplash = true;
    std::unique_ptr<App> app;
};

TEST_F(AppTest, WithoutAReadableTemplateStartUpSaysWhichFileIsMissingAndEnds) {
    app = std::make_unique<App>(Services());
    EXPECT_FALSE(app->Show());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages.Shown()[0].text.contains(QString::fromUtf8(kTemplateFileName)));
    EXPECT_FALSE(app->MainWindow().isVisible());
    EXPECT_TRUE(pauses.empty());
}

TEST_F(AppTest, ShowsTheSplashForASecondThenTheMainWindow) {
    QFile file(TemplatePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    app = std::make_unique<App>(Services());
    EXPECT_TRUE(app->Show());
    EXPECT_EQ(pauses, std::vector<int>({1000}));
    EXPECT_TRUE(splashShown);
    EXPECT_FALSE(mainShownDuringSplash);
    EXPECT_TRUE(app->MainWindow().isVisible());
    EXPECT_EQ(findTitle(), nullptr);
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace nubera::test
