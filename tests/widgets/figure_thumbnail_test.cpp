#include "widgets/figure_thumbnail.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "tests/widgets/scripted_message_box.h"

namespace nubera::widgets {
namespace {

using ::testing::HasSubstr;

struct FitCase {
    double width, height, maxWidth, maxHeight, scale;
};

TEST(FitScale, FitsTheLimitingSideAndNeverEnlarges) {
    const FitCase cases[] = {
        {640, 480, 320, 240, 0.5},  // both sides twice too large
        {100, 50, 320, 240, 1},     // fits: natural size
        {400, 100, 320, 240, 0.8},  // width limits
        {100, 480, 320, 240, 0.5},  // height limits
        {320, 240, 320, 240, 1},    // exactly the maximum
        {640, 480, 0, 240, 0},      // no room at all
        {640, 480, 320, 0, 0},      // a zero height cannot be fitted
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(
            widgets::FigureThumbnail::FitScale(c.width, c.height, c.maxWidth, c.maxHeight), c.scale)
            << c.width << "x" << c.height << " into " << c.maxWidth << "x" << c.maxHeight;
    }
}

class ShowFigureTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void WriteSvg(const QString& name, int width, int height) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                           "height=\"%2\"><rect width=\"%1\" height=\"%2\" fill=\"red\"/></svg>")
                .arg(width)
                .arg(height)
                .toUtf8());
    }

    widgets::FigureThumbnail::Preview Preview(const QString& name, QSize target,
                                              bool fade = false) {
        thumb.SetPictureBoxes(&source, &view);
        view.resize(target);
        thumb.KeepTargetSizeAsLimit();
        return thumb.ShowFigure(name, fade);
    }

    QTemporaryDir folder;
    test::ScriptedMessageBox messages;
    widgets::FigureThumbnail thumb{messages, folder.path()};
    QLabel source;
    QLabel view;
};

TEST_F(ShowFigureTest, ScalesALargeFigureDownIntoTheTarget) {
    WriteSvg(QStringLiteral("図.svg"), 640, 480);
    const auto preview = Preview(QStringLiteral("図.svg"), QSize(320, 240));
    EXPECT_EQ(preview.width, 640);
    EXPECT_EQ(preview.height, 480);
    EXPECT_DOUBLE_EQ(preview.scale, 0.5);
    EXPECT_EQ(source.size(), QSize(640, 480));
    EXPECT_EQ(view.pixmap().size(), QSize(320, 240));
    EXPECT_EQ(view.pixmap().toImage().pixelColor(160, 120), QColor(Qt::red));
}

TEST_F(ShowFigureTest, DrawsWidthLimitedFiguresWithTheIntegerPartOfTheScaledSize) {
    WriteSvg(QStringLiteral("wide.svg"), 400, 100);
    const auto preview = Preview(QStringLiteral("wide.svg"), QSize(320, 240));
    EXPECT_DOUBLE_EQ(preview.scale, 0.8);
    EXPECT_EQ(view.pixmap().size(), QSize(320, 80));
}

TEST_F(ShowFigureTest, AFigureThatFitsKeepsItsSizeAndTheFadeEndsOnTheFigure) {
    WriteSvg(QStringLiteral("small.svg"), 100, 50);
    const auto preview = Preview(QStringLiteral("small.svg"), QSize(320, 240), true);
    EXPECT_DOUBLE_EQ(preview.scale, 1);
    EXPECT_EQ(view.pixmap().size(), QSize(100, 50));
    EXPECT_EQ(view.pixmap().toImage().pixelColor(50, 25), QColor(Qt::red));
}

TEST_F(ShowFigureTest, AZeroWidthTargetDrawsNothing) {
    WriteSvg(QStringLiteral("a.svg"), 100, 50);
    const auto preview = Preview(QStringLiteral("a.svg"), QSize(0, 240));
    EXPECT_EQ(preview.scale, 0);
    EXPECT_TRUE(view.pixmap().isNull());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ShowFigureTest, AMissingFigureIsReportedAndGivesScaleZero) {
    const auto preview = Preview(QStringLiteral("none.svg"), QSize(320, 240));
    EXPECT_EQ(preview.scale, 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Critical);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(), HasSubstr("none.svg"));
}

}  // namespace
}  // namespace nubera::widgets
