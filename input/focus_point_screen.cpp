#include "input/focus_point_screen.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "input/section_view.h"
#include "model/point_name.h"
#include "screenrules/section_figure.h"
#include "text/number_text.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/dialogs/message_over_frame.h"
#include "widgets/named_control.h"
#include "widgets/numeric_field.h"
#include "widgets/tab_order.h"
#include "widgets/twips.h"
#include "widgets/utf8_text.h"

namespace nubera::input {
namespace {

const QString kClearQuestion = QStringLiteral("着目点設定をクリアします。\nよろしいですか？");
const QString kConfirmQuestion = QStringLiteral("着目点位置を設定してよろしいですか？");
// Boxes ① to ⑥ stand in the first column, ⑦ to ⑪ in the second, with a gap
// (grid column 2) between them.
constexpr std::size_t kFirstColumnRows = 6;
// Box width and the gap between the two columns, in twips.
constexpr int kBoxWidth = 1215;
constexpr int kColumnGap = 600;

}  // namespace

FocusPointScreen::FocusPointScreen(std::optional<FillLoadTable> fillLoads,
                                   std::optional<FocusPointList> points,
                                   widgets::MessageBox& messages, QWidget* parent)
    : InputScreen(messages, parent), fillLoads_(std::move(fillLoads)), points_(std::move(points)) {
    setObjectName(QStringLiteral("FRM_着目点手動設定"));
    setWindowTitle(QStringLiteral("着目点手動設定画面"));
    BuildControls();
    if (fillLoads_ && fillLoads_->RowCount() > 0) range_ = PointRangeOf(*fillLoads_);
    rangeLabel_->setText(widgets::ToQt(PointRangeText(range_)));
    LoadPoints();
    MarkOpened();
}

void FocusPointScreen::BuildControls() {
    auto* window = new QVBoxLayout(this);
    window->addWidget(BuildFigureFrame(), 0, Qt::AlignHCenter);
    window->addWidget(BuildEntryFrame());
    window->addWidget(BuildCommandRow([this] { ClearAll(); }));
    window->setSizeConstraint(QLayout::SetFixedSize);
    for (std::size_t i = 0; i + 1 < kPointCount; ++i) {
        setTabOrder(pointBoxes_[i], pointBoxes_[i + 1]);
    }
    widgets::ChainTabOrder({pointBoxes_.back(), clearAllButton_, okButton_, cancelButton_});
}

QWidget* FocusPointScreen::BuildFigureFrame() {
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    sectionView_ =
        widgets::Named(new SectionView(kFocusPointSectionLayout), QStringLiteral("PIC_QView"));
    layout->addWidget(sectionView_);
    return frame;
}

QWidget* FocusPointScreen::BuildEntryFrame() {
    entryFrame_ = widgets::Named(new QFrame, QStringLiteral("Frame4"));
    auto* boxes = new QGridLayout;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        pointBoxes_[i] =
            widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::SignedDecimal),
                           QStringLiteral("TXT_着目点_%1").arg(i));
        pointLabels_[i] = widgets::Named(new QLabel(widgets::ToQt(PointName(i))),
                                         QStringLiteral("LBL_着目点_%1").arg(i));
        pointBoxes_[i]->SetFieldName(pointLabels_[i]->text());
        const int row = static_cast<int>(i % kFirstColumnRows);
        const int column = static_cast<int>(i / kFirstColumnRows) * 3;
        pointBoxes_[i]->setFixedWidth(widgets::TwipsToPixels(kBoxWidth, *this));
        boxes->addWidget(pointLabels_[i], row, column);
        boxes->addWidget(pointBoxes_[i], row, column + 1);
    }
    boxes->setColumnMinimumWidth(2, widgets::TwipsToPixels(kColumnGap, *this));
    boxes->setColumnStretch(5, 1);
    rangeLabel_ = widgets::Named(new QLabel, QStringLiteral("LBL_範囲"));
    rangeLabel_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(entryFrame_);
    layout->addWidget(new QLabel(QStringLiteral("着目点を入力してください。")));
    layout->addLayout(boxes);
    layout->addWidget(new QLabel(QStringLiteral("着目点は以下の範囲で入力してください。")));
    layout->addWidget(rangeLabel_);
    layout->addWidget(
        new QLabel(QStringLiteral("重心位置を着目点にする場合は、\"0\"を入力してください。")));
    return entryFrame_;
}

void FocusPointScreen::LoadPoints() {
    PointTexts texts;
    if (points_) {
        for (std::size_t i = 0; i < kPointCount; ++i) {
            const Cell& slot = (*points_)[i];
            if (!slot.IsMissing()) texts[i] = FormatFixed2(slot.AsNumber());
        }
    }
    ShowTexts(texts);
    DrawPoints(texts);
}

QStringList FocusPointScreen::CommittedTexts() const {
    QStringList texts;
    for (const widgets::NumericField* box : pointBoxes_) texts << box->text();
    return texts;
}

PointTexts FocusPointScreen::Texts() const {
    PointTexts texts;
    for (std::size_t i = 0; i < kPointCount; ++i) texts[i] = pointBoxes_[i]->text().toStdString();
    return texts;
}

void FocusPointScreen::ShowTexts(const PointTexts& texts) {
    for (std::size_t i = 0; i < kPointCount; ++i) {
        const QString text = widgets::ToQt(texts[i]);
        if (pointBoxes_[i]->text() != text) pointBoxes_[i]->setText(text);
    }
}

// The section of the fill loads with a marker for every point entered.
void FocusPointScreen::DrawPoints(const PointTexts& texts) {
    if (!fillLoads_) return sectionView_->Clear();
    SectionFigure figure = DrawSection(*fillLoads_, kFocusPointSectionLayout);
    const double centre = -range_.minimum;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        const QString text = widgets::ToQt(texts[i]).trimmed();
        if (!text.isEmpty())
            AddPointMarker(figure, centre, ReadNumberPrefix(text.toStdString()), i);
    }
    sectionView_->SetFigure(figure);
}

void FocusPointScreen::ClearAll() {
    if (!messages_.Ask(this, kClearQuestion, widgets::MsgIcon::Information)) return;
    for (widgets::NumericField* box : pointBoxes_) box->clear();
}

// Takes the points once checked and confirmed on the drawing; no points at
// all remove the manual placement's list.
bool FocusPointScreen::Commit() {
    const PointCheck check = CheckFocusPoints(Texts(), range_);
    ShowTexts(check.texts);
    if (check.box) {
        pointBoxes_[*check.box]->ReportAndRefocus(widgets::ToQt(check.message));
        return false;
    }
    if (!check.entered) {
        points_.reset();
        return true;
    }
    DrawPoints(check.texts);
    widgets::MessageOverFrame::Install(entryFrame_);
    if (!messages_.Ask(this, kConfirmQuestion, widgets::MsgIcon::Information)) return false;
    points_ = BuildFocusPointList(check.texts);
    return true;
}

}  // namespace nubera::input
