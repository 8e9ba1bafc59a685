// The small start-up services of the application: the second-copy lock and
// the help's address.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/help.h"
#include "app/startup/instance_lock.h"

namespace nubera::app {
namespace {

TEST(InstanceLock, ASecondCopyCannotTakeTheLockUntilTheFirstEnds) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("nubera.lock"));
    auto first = std::make_unique<app::InstanceLock>(path);
    ASSERT_TRUE(first->TryAcquire());
    app::InstanceLock second(path);
    EXPECT_FALSE(second.TryAcquire());
    first.reset();
    EXPECT_TRUE(second.TryAcquire());
}

// Only a copy that holds the lock keeps the program from starting; a folder
// where no lock file can be made must not end every start silently.
TEST(InstanceLock, AFolderRefusingTheLockFileDoesNotStopTheStart) {
    QTemporaryDir folder;
    app::InstanceLock lock(folder.filePath(QStringLiteral("missing/nubera.lock")));
    EXPECT_TRUE(lock.TryAcquire());
}

TEST(HelpUrl, ContextZeroIsTheContentsAndOtherNumbersTheirAnchor) {
    EXPECT_EQ(app::HelpUrl(QStringLiteral("/opt/nubera"), 0),
              QUrl::fromLocalFile(QStringLiteral("/opt/nubera/Help/index.html")));
    QUrl topic = app::HelpUrl(QStringLiteral("/opt/nubera"), 40);
    EXPECT_EQ(topic.fragment(), QStringLiteral("40"));
    EXPECT_EQ(topic.adjusted(QUrl::RemoveFragment), app::HelpUrl(QStringLiteral("/opt/nubera"), 0));
}

// Every link of the help that is built beside the program leads to a topic.
TEST(HelpFile, EveryLinkOfTheBuiltHelpHasItsAnchor) {
    QFile help(QStringLiteral(NUBERA_BINARY_DIR "/bin/Help/index.html"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString html = QString::fromUtf8(help.readAll());
    QStringList anchors;
    for (const auto& match :
         QRegularExpression(QStringLiteral("id=\"(\\d+)\"")).globalMatch(html)) {
        anchors << match.captured(1);
    }
    EXPECT_TRUE(anchors.contains(QStringLiteral("0")));
    int links = 0;
    for (const auto& match :
         QRegularExpression(QStringLiteral("href=\"#(\\w+)\"")).globalMatch(html)) {
        EXPECT_TRUE(anchors.contains(match.captured(1))) << match.captured(1).toStdString();
        ++links;
    }
    EXPECT_GE(links, 10);
}

}  // namespace
}  // namespace nubera::app
