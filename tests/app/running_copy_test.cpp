#include "app/startup/running_copy.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTest>

namespace nubera::test {
namespace {

// A second copy started with a file gives it to the copy that runs.
TEST(RunningCopy, TheListeningCopyGetsEachFileHandedOver) {
    app::RunningCopy copy;
    QStringList received;
    ASSERT_TRUE(copy.Listen([&received](const QString& file) { received << file; }));
    ASSERT_TRUE(app::RunningCopy::HandOver(QStringLiteral("/projects/堤防 1.nbr")));
    ASSERT_TRUE(app::RunningCopy::HandOver(QStringLiteral("/projects/second.nbr")));
    QTRY_COMPARE(received.size(), 2);
    EXPECT_EQ(received, QStringList({QStringLiteral("/projects/堤防 1.nbr"),
                                     QStringLiteral("/projects/second.nbr")}));
}

TEST(RunningCopy, WithoutARunningCopyNothingTakesTheFile) {
    EXPECT_FALSE(app::RunningCopy::HandOver(QStringLiteral("/projects/alone.nbr")));
}

}  // namespace
}  // namespace nubera::test
