#include "focus_point_screen.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "message_box.h"
#include "msg_box_center_hook.h"
#include "named_control.h"
#include "number_text.h"
#include "numeric_field.h"
#include "point_name.h"
#include "section_figure.h"
#include "section_view.h"
#include "tab_order.h"
#include "twips.h"
#include "utf8_text.h"

namespace nubera {
namespace {

const QString kClearQuestion = QStringLiteral("着目点設定をクリアします。\r\nよろしいですか？");
const QString kConfirmQuestion = QStringLiteral("着目点位置を設定してよろしいですか？");
// Boxes ① to ⑥ stand in the first column, ⑦ to ⑪ in the second, with a gap
// (grid column 2) between them.
constexpr std::size_t kFirstColumnRows = 6;
// Box width and the gap between the two columns, in twips.
constexpr int kBoxWidth = 1215;
constexpr int kColumnGap = 600;

}  // namespace

FRM_着目点手動設定::FRM_着目点手動設定(ProjectData& project, MessageBox& messages, QWidget* parent)
    : InputScreen(messages, parent), project_(project) {
    setObjectName(QStringLiteral("FRM_着目点手動設定"));
    setWindowTitle(QStringLiteral("着目点手動設定画面"));
    BuildControls();
    if (project_.fillLoads && project_.fillLoads->RowCount() > 0) {
        range_ = PointRangeOf(*project_.fillLoads);
    }
    LBL_範囲->setText(ToQt(PointRangeText(range_)));
    LoadProject();
    ClearFlags();
}

void FRM_着目点手動設定::BuildControls() {
    auto* window = new QVBoxLayout(this);
    window->addWidget(BuildFigureFrame(), 0, Qt::AlignHCenter);
    window->addWidget(BuildEntryFrame());
    window->addWidget(BuildCommandRow([this] { ClearAll(); }, [this] { return Commit(); }));
    window->setSizeConstraint(QLayout::SetFixedSize);
    for (std::size_t i = 0; i + 1 < kPointCount; ++i) {
        setTabOrder(TXT_着目点[i], TXT_着目点[i + 1]);
    }
    ChainTabOrder({TXT_着目点.back(), CMD_Alldel, CMD_Exec, CMD_Cancel});
}

QWidget* FRM_着目点手動設定::BuildFigureFrame() {
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    PIC_QView = Named(new SectionView(kFocusPointSectionLayout), QStringLiteral("PIC_QView"));
    layout->addWidget(PIC_QView);
    return frame;
}

QWidget* FRM_着目点手動設定::BuildEntryFrame() {
    Frame4 = Named(new QFrame, QStringLiteral("Frame4"));
    auto* boxes = new QGridLayout;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        TXT_着目点[i] = Named(new NumericField(messages_, KeyFilter::SignedDecimal),
                              QStringLiteral("TXT_着目点_%1").arg(i));
        LBL_着目点[i] =
            Named(new QLabel(ToQt(PointName(i))), QStringLiteral("LBL_着目点_%1").arg(i));
        const int row = static_cast<int>(i % kFirstColumnRows);
        const int column = static_cast<int>(i / kFirstColumnRows) * 3;
        TXT_着目点[i]->setFixedWidth(TwipsToPixels(kBoxWidth, *this));
        boxes->addWidget(LBL_着目点[i], row, column);
        boxes->addWidget(TXT_着目点[i], row, column + 1);
        connect(TXT_着目点[i], &QLineEdit::textChanged, this, [this] { SetChanged(); });
    }
    boxes->setColumnMinimumWidth(2, TwipsToPixels(kColumnGap, *this));
    boxes->setColumnStretch(5, 1);
    LBL_範囲 = Named(new QLabel, QStringLiteral("LBL_範囲"));
    LBL_範囲->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(Frame4);
    layout->addWidget(new QLabel(QStringLiteral("着目点を入力してください。")));
    layout->addLayout(boxes);
    layout->addWidget(new QLabel(QStringLiteral("着目点は以下の範囲で入力してください。")));
    layout->addWidget(LBL_範囲);
    layout->addWidget(
        new QLabel(QStringLiteral("重心位置を着目点にする場合は、\"0\"を入力してください。")));
    return Frame4;
}

void FRM_着目点手動設定::LoadProject() {
    PointTexts texts;
    if (project_.focusPoints) {
        for (std::size_t i = 0; i < kPointCount; ++i) {
            const Cell& slot = (*project_.focusPoints)[i];
            if (!slot.IsMissing()) texts[i] = FormatFixed2(slot.AsNumber());
        }
    }
    ShowTexts(texts);
    DrawPoints(texts);
}

PointTexts FRM_着目点手動設定::Texts() const {
    PointTexts texts;
    for (std::size_t i = 0; i < kPointCount; ++i) texts[i] = TXT_着目点[i]->text().toStdString();
    return texts;
}

void FRM_着目点手動設定::ShowTexts(const PointTexts& texts) {
    for (std::size_t i = 0; i < kPointCount; ++i) {
        const QString text = ToQt(texts[i]);
        if (TXT_着目点[i]->text() != text) TXT_着目点[i]->setText(text);
    }
}

// The section of the fill loads with a marker for every point entered.
void FRM_着目点手動設定::DrawPoints(const PointTexts& texts) {
    if (!project_.fillLoads) return PIC_QView->Clear();
    SectionFigure figure = DrawSection(*project_.fillLoads, kFocusPointSectionLayout);
    const double centre = -range_.minimum;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        const QString text = ToQt(texts[i]).trimmed();
        if (!text.isEmpty())
            AddPointMarker(figure, centre, ReadNumberPrefix(text.toStdString()), i);
    }
    PIC_QView->SetFigure(figure);
}

void FRM_着目点手動設定::ClearAll() {
    if (!messages_.Ask(this, kClearQuestion, MsgIcon::Information)) return;
    for (NumericField* box : TXT_着目点) box->clear();
}

// Writes the points once checked and confirmed on the drawing; no points at
// all remove the manual placement's list.
bool FRM_着目点手動設定::Commit() {
    const PointCheck check = CheckFocusPoints(Texts(), range_);
    ShowTexts(check.texts);
    if (check.box) {
        TXT_着目点[*check.box]->ReportAndRefocus(ToQt(check.message));
        return false;
    }
    if (!check.entered) {
        project_.focusPoints.reset();
        return true;
    }
    DrawPoints(check.texts);
    MsgBoxCenterHook::Install(Frame4);
    if (!messages_.Ask(this, kConfirmQuestion, MsgIcon::Information)) return false;
    project_.focusPoints = BuildFocusPointList(check.texts);
    return true;
}

bool FRM_着目点手動設定::CommitOnClose() {
    return Commit();
}

}  // namespace nubera
