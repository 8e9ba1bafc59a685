// Whether the desktop has a program for a document, asked through xdg-utils.

#include "widgets/dialogs/desktop_opener.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace nubera::widgets {
namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// PATH holds only a stand-in xdg-mime that knows a program for HTML alone and
// an xdg-open that notes what it was asked to open.
class DesktopProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(bin.isValid());
        Script(QStringLiteral("xdg-mime"),
               "#!/bin/sh\n[ \"$3\" = text/html ] && echo browser.desktop\nexit 0\n");
        Script(QStringLiteral("xdg-open"), "#!/bin/sh\necho \"$1\" >> \"$0.log\"\n");
        path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", path); }

    void Script(const QString& name, const char* text) {
        QFile file(bin.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir bin;
    QByteArray path;
};

TEST_F(DesktopProgramTest, AFileTypeWithoutADefaultProgramIsNotHandedOver) {
    const QString workbook = bin.filePath(QStringLiteral("result.xlsx"));
    EXPECT_FALSE(widgets::DesktopHasProgramFor(workbook));
    EXPECT_TRUE(widgets::DesktopHasProgramFor(bin.filePath(QStringLiteral("index.html"))));
    EXPECT_FALSE(widgets::DesktopOpener().Open(QUrl::fromLocalFile(workbook)));
    EXPECT_FALSE(QFile::exists(bin.filePath(QStringLiteral("xdg-open.log"))));
}

#endif

}  // namespace
}  // namespace nubera::widgets
