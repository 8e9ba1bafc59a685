// The project file dialogs open in the folder last used, remembered per user.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "widgets/dialogs/qt_file_dialogs.h"
#include "widgets/dialogs/recent_folder.h"

namespace nubera::widgets {
namespace {

// The user's settings live in a temporary folder for the test.
class RecentFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(settings.isValid() && program.isValid() && projects.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }

    QTemporaryDir settings;
    QTemporaryDir program;
    QTemporaryDir projects;
};

TEST_F(RecentFolderTest, StartsInTheProgramsFolderThenKeepsTheLastUsedAcrossRuns) {
    EXPECT_EQ(widgets::RecentFolder(program.path()).Folder(), program.path());
    widgets::RecentFolder(program.path())
        .Remember(QDir(projects.path()).filePath(QStringLiteral("a.nbr")));
    EXPECT_EQ(widgets::RecentFolder(program.path()).Folder(), projects.path());
}

TEST_F(RecentFolderTest, AFolderThatIsGoneFallsBackToTheProgramsFolder) {
    const QString gone = QDir(projects.path()).filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkdir(gone));
    widgets::RecentFolder(program.path()).Remember(QDir(gone).filePath(QStringLiteral("a.nbr")));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    EXPECT_EQ(widgets::RecentFolder(program.path()).Folder(), program.path());
}

TEST_F(RecentFolderTest, TheDialogsOpenThereAndRememberTheChosenFile) {
    widgets::QtFileDialogs dialogs(program.path());
    const QString chosen = QDir(projects.path()).filePath(QStringLiteral("p.nbr"));
    QString openedIn;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        openedIn = dialog->directory().absolutePath();
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(dialogs.SaveProjectName(nullptr), chosen);
    EXPECT_EQ(QDir(openedIn), QDir(program.path()));
    EXPECT_EQ(widgets::RecentFolder(program.path()).Folder(), projects.path());

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        openedIn = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_EQ(dialogs.OpenProjectName(nullptr), std::nullopt);
    EXPECT_EQ(QDir(openedIn), QDir(projects.path()));
}

}  // namespace
}  // namespace nubera::widgets
