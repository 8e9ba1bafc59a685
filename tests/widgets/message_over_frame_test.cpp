#include "widgets/dialogs/message_over_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>

namespace nubera::widgets {
namespace {

TEST(MessageOverFrame, CentresABoxOverTheFrame) {
    EXPECT_EQ(widgets::MessageOverFrame::CentredTopLeft(QRect(100, 200, 400, 300), QSize(200, 100)),
              QPoint(200, 300));
    EXPECT_EQ(widgets::MessageOverFrame::CentredTopLeft(QRect(0, 0, 301, 101), QSize(100, 50)),
              QPoint(100, 26));  // 100.5 goes to the even pixel, 25.5 as well
}

class HookedBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(40, 60, 700, 500);
        frame = new QGroupBox(&window);
        frame->setGeometry(300, 200, 380, 280);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { widgets::MessageOverFrame::Take(); }

    // Shows a message box without blocking and waits until it has settled.
    void ShowBox(QMessageBox& box) {
        box.setText(QStringLiteral("入力された盛土荷重は上図の通りです。"));
        box.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        QApplication::processEvents();
    }

    QRect FrameOnScreen() const { return {frame->mapToGlobal(QPoint(0, 0)), frame->size()}; }

    QWidget window;
    QGroupBox* frame = nullptr;
};

TEST_F(HookedBoxTest, PlacesTheNextBoxOverTheFrameWithThePointerOnIt) {
    widgets::MessageOverFrame::Install(frame);
    EXPECT_EQ(widgets::MessageOverFrame::Pending(), frame);
    QMessageBox box(&window);
    ShowBox(box);
    const QSize size = box.frameGeometry().size();
    EXPECT_EQ(box.frameGeometry().topLeft(),
              widgets::MessageOverFrame::CentredTopLeft(FrameOnScreen(), size));
    EXPECT_EQ(QCursor::pos(), box.frameGeometry().topLeft() +
                                  QPoint(qRound(size.width() * 0.5), qRound(size.height() * 0.5)));
    EXPECT_EQ(widgets::MessageOverFrame::Pending(), nullptr);
}

TEST_F(HookedBoxTest, WorksOnceOnly) {
    widgets::MessageOverFrame::Install(frame);
    QMessageBox first(&window);
    ShowBox(first);
    first.close();
    window.move(10, 10);  // the frame moves; an unhooked box does not follow
    QMessageBox second(&window);
    ShowBox(second);
    EXPECT_NE(
        second.frameGeometry().topLeft(),
        widgets::MessageOverFrame::CentredTopLeft(FrameOnScreen(), second.frameGeometry().size()));
}

TEST_F(HookedBoxTest, TakeRemovesThePendingHook) {
    widgets::MessageOverFrame::Install(frame);
    EXPECT_EQ(widgets::MessageOverFrame::Take(), frame);
    EXPECT_EQ(widgets::MessageOverFrame::Take(), nullptr);
}

}  // namespace
}  // namespace nubera::widgets
