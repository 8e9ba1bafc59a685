#include "input/fill_load_screen.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "input/list_grid.h"
#include "input/section_view.h"
#include "screenrules/section_figure.h"
#include "text/number_text.h"
#include "text/round_half.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/dialogs/message_over_frame.h"
#include "widgets/named_control.h"
#include "widgets/numeric_field.h"
#include "widgets/tab_order.h"
#include "widgets/utf8_text.h"

namespace nubera::input {
namespace {

const QString kBlockLimitMessage = QStringLiteral("分布荷重は５つまで入力可能です。");
const QString kMissingValueMessage =
    QStringLiteral("入力してください。設定しない場合は、\"0\"を入力してください。");
const QString kHeightZeroMessage = QStringLiteral("0より大きい値を入力してください。");
const QString kClearQuestion = QStringLiteral("盛土荷重入力をクリアします。\nよろしいですか？");
const QString kConfirmQuestion =
    QStringLiteral("入力された盛土荷重は上図の通りです。\n確定しますか？");
const QString kPointsClearedMessage =
    QStringLiteral("手動で設定した着目点はクリアされました。\n再設定してください。");
const QString kFigureFile = QStringLiteral("盛土荷重.svg");

constexpr double kEntryLimit = 100;
// The list's columns: the row's load name, then the entries in screen order.
enum ListColumn : int {
    kLabelColumn,
    kToeDistanceColumn,
    kLeftSlopeColumn,
    kCrestColumn,
    kRightSlopeColumn,
    kHeightColumn,
    kExtraHeightColumn,
    kTotalHeightColumn,
    kUnitWeightColumn,
    kLoadColumn,
    kListColumns
};
// The fill table's column that each list column from kToeDistanceColumn on shows.
constexpr std::size_t kListedTableColumns[] = {
    fill_column::kToeDistance, fill_column::kLeftSlope,  fill_column::kCrest,
    fill_column::kRightSlope,  fill_column::kHeight,     fill_column::kExtraHeight,
    fill_column::kTotalHeight, fill_column::kUnitWeight, fill_column::kLoad};
constexpr int kColumnWidth = 1215;  // twips
constexpr int kGridExtraWidth = 20;

const std::array<QString, 10> kTitles{
    QStringLiteral("q:分布荷重"), QStringLiteral("基準点距離 (m)"),
    QStringLiteral("A:法面幅１  (m)"), QStringLiteral("B:天端幅    (m)"),
    QStringLiteral("C:法面幅２   (m)"), QStringLiteral("h:盛土高(m)"),
    QStringLiteral("hy:余盛高(m)"), QStringLiteral("合計高(m)"),
    // The cubic metre's raised 3 sits in the gap the heading leaves for it.
    QStringLiteral("土の単位重量(kN/m<sup>3</sup>)"), QStringLiteral("盛土荷重(kN/㎡)")};
const std::array<QString, 10> kEntryTitles{QString(),
                                           QStringLiteral("基準点距離"),
                                           QStringLiteral("A:法面幅１"),
                                           QStringLiteral("B:天端幅"),
                                           QStringLiteral("C:法面幅２"),
                                           QStringLiteral("h:盛土高"),
                                           QStringLiteral("hy:余盛高"),
                                           QStringLiteral("合計高"),
                                           QStringLiteral("土の単位重量"),
                                           QStringLiteral("盛土荷重")};

double ValueOf(const QString& text) {
    return ReadNumberPrefix(text.trimmed().toStdString());
}
QString Fixed2(double value) {
    return widgets::ToQt(FormatFixed2(value));
}
QString RowLabel(int row) {
    return widgets::ToQt(FillLoadLabel(static_cast<std::size_t>(row)));
}

QLabel* Heading(const QString& name, const QString& text) {
    auto* label = widgets::Named(new QLabel(text), name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

}  // namespace

FillLoadScreen::FillLoadScreen(FillLoads loads, Placement placement, bool manualPointsSet,
                               widgets::MessageBox& messages, const QString& figureFolder,
                               QWidget* parent)
    : ListEntryScreen(messages, kMaxFillBlocks, kBlockLimitMessage, parent),
      loads_(std::move(loads)),
      openedBlocks_(loads_.blocks),
      placement_(placement),
      manualPointsSet_(manualPointsSet),
      thumb_(messages, figureFolder) {
    setObjectName(QStringLiteral("FRM_盛土荷重入力"));
    setWindowTitle(QStringLiteral("盛土荷重入力画面"));
    BuildControls();
    ConfigureBoxes();
    WatchKeys();
    ShowFigure();
    ResetScreen();
    LoadBlocks();
    openedList_ = ListTexts();
    MarkOpened();
}

void FillLoadScreen::BuildControls() {
    auto* window = new QVBoxLayout(this);
    window->addWidget(BuildFigureFrame(), 0, Qt::AlignHCenter);
    window->addWidget(BuildEntryFrame());
    window->addWidget(BuildCommandRow([this] { ClearAll(); }));
    window->setSizeConstraint(QLayout::SetFixedSize);
    widgets::ChainTabOrder({surchargeBox_, baseBox_, slopeABox_, crestBox_, slopeCBox_, heightBox_,
                            extraHeightBox_, unitWeightBox_, deleteButton_, addButton_,
                            clearAllButton_, okButton_, cancelButton_});
}

// The explanatory picture and the section drawing share one place; only one
// of them is visible at a time.
QWidget* FillLoadScreen::BuildFigureFrame() {
    auto* frame = widgets::Named(new QFrame, QStringLiteral("FRA_View"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QGridLayout(frame);
    figureSource_ = widgets::Named(new QLabel(frame), QStringLiteral("Pic_Source"));
    figureSource_->hide();
    figureView_ = widgets::Named(new QLabel, QStringLiteral("PIC_View"));
    sectionView_ =
        widgets::Named(new SectionView(kFillLoadSectionLayout), QStringLiteral("PIC_QView"));
    layout->addWidget(figureView_, 0, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(sectionView_, 0, 0);
    frame->setMinimumSize(
        sectionView_->size() + QSize(2, 2) * frame->frameWidth() +
        QSize(layout->contentsMargins().left() * 2, layout->contentsMargins().top() * 2));
    return frame;
}

QWidget* FillLoadScreen::BuildEntryFrame() {
    entryFrame_ = widgets::Named(new QFrame, QStringLiteral("Frame1"));
    const auto box = [this](const char* name) {
        return widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                              QString::fromUtf8(name));
    };
    surchargeBox_ = box("TXT_qX");
    baseBox_ = box("TXT_Base");
    slopeABox_ = box("TXT_A");
    crestBox_ = box("TXT_B");
    slopeCBox_ = box("TXT_C");
    heightBox_ = box("TXT_h");
    extraHeightBox_ = box("TXT_hy");
    totalHeightDisplay_ = MakeDisplayBox(QStringLiteral("LBL_hsum"));
    unitWeightBox_ = box("TXT_土重量");
    loadDisplay_ = MakeDisplayBox(QStringLiteral("LBL_mtwait"));
    entries_ = {baseBox_,        slopeABox_,          crestBox_,      slopeCBox_,  heightBox_,
                extraHeightBox_, totalHeightDisplay_, unitWeightBox_, loadDisplay_};

    list_ = widgets::Named(new ListGrid(kListColumns, {}), QStringLiteral("VSF_List"));
    list_->SetColumnWidthsTwips(QVector<int>(kListColumns, kColumnWidth), kGridExtraWidth);
    list_->setFixedHeight(list_->verticalHeader()->defaultSectionSize() *
                              static_cast<int>(kMaxFillBlocks) +
                          2 * list_->frameWidth());
    list_->setFocusPolicy(Qt::ClickFocus);
    addButton_ = widgets::MakeButton(QStringLiteral("CMD_Upd"), QStringLiteral("追加"));
    deleteButton_ = widgets::MakeButton(QStringLiteral("CMD_Del"), QStringLiteral("行削除"));

    QVector<QWidget*> titles;
    QVector<QWidget*> entryTitles;
    QVector<QWidget*> entries{nullptr};
    for (int i = 0; i < kListColumns; ++i) {
        headings_[i] = Heading(QStringLiteral("LBL_Title_%1").arg(i), kTitles[i]);
        entryHeadings_[i] = Heading(QStringLiteral("LBL_Title2_%1").arg(i), kEntryTitles[i]);
        titles.append(headings_[i]);
        entryTitles.append(entryHeadings_[i]);
        if (i > 0) entries.append(entries_[i - 1]);
        if (auto* field = qobject_cast<widgets::NumericField*>(entries.back())) {
            field->SetFieldName(kEntryTitles[i]);
        }
    }
    surchargeBox_->SetFieldName(QStringLiteral("qX(上載荷重)"));
    // The placeholder over the label column keeps its place when hidden.
    QSizePolicy placeholder = entryHeadings_[0]->sizePolicy();
    placeholder.setRetainSizeWhenHidden(true);
    entryHeadings_[0]->setSizePolicy(placeholder);
    entryHeadings_[0]->hide();
    surchargeBox_->setFixedWidth(list_->columnWidth(1));

    auto* surcharge = new QHBoxLayout;
    surcharge->addWidget(new QLabel(QStringLiteral("qX(上載荷重kN/㎡)")));
    surcharge->addWidget(surchargeBox_);
    surcharge->addStretch();

    auto* grid = new QGridLayout(entryFrame_);
    grid->setHorizontalSpacing(0);
    grid->addLayout(surcharge, 0, 0);
    grid->addWidget(list_->ColumnStrip(entryTitles), 1, 0);
    grid->addWidget(list_->ColumnStrip(entries), 2, 0);
    grid->addWidget(addButton_, 2, 1);
    grid->addWidget(list_->ColumnStrip(titles), 3, 0);
    grid->addWidget(list_, 4, 0);
    grid->addWidget(deleteButton_, 4, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("※") + kBlockLimitMessage), 5, 0);

    ConnectList();
    return entryFrame_;
}

void FillLoadScreen::ConfigureBoxes() {
    for (widgets::NumericField* box : {surchargeBox_, baseBox_, slopeABox_, crestBox_, slopeCBox_,
                                       heightBox_, extraHeightBox_, unitWeightBox_}) {
        box->SetUpperLimit(kEntryLimit);
    }
    extraHeightBox_->SetAfterEnter([this] {
        UpdateTotalHeight();
        extraHeightBox_->FocusNext();
    });
    unitWeightBox_->SetEnterHandler([this] { EnterUnitWeight(); });
}

// The screen sees every key before its controls, for the figure toggle.
void FillLoadScreen::WatchKeys() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void FillLoadScreen::ShowFigure() {
    figureView_->setFixedSize(sectionView_->size());
    ShowFittedFigure(thumb_, figureSource_, figureView_, kFigureFile);
}

void FillLoadScreen::LoadBlocks() {
    if (!loads_.blocks) return;
    const FillLoadTable& table = *loads_.blocks;
    list_->SetRedraw(false);
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        const int row = list_->AddRow();
        list_->SetText(row, kLabelColumn, RowLabel(row));
        for (int column = kToeDistanceColumn; column < kListColumns; ++column) {
            list_->SetText(
                row, column,
                Fixed2(table.Number(kListedTableColumns[column - kToeDistanceColumn], r)));
        }
        list_->ShowRow(row);
    }
    list_->SetRedraw(true);
    if (loads_.surcharge && loads_.surcharge->RowCount() > 0) {
        const Cell& qx = loads_.surcharge->At(surcharge_column::kLoad, 0);
        surchargeBox_->setText(qx.IsMissing() ? QString() : Fixed2(qx.AsNumber()));
    }
    UpdateAddButton();
}

QString FillLoadScreen::EntryText(int column) const {
    QWidget* entry = entries_[column - 1];
    if (auto* label = qobject_cast<QLabel*>(entry)) return label->text();
    return static_cast<QLineEdit*>(entry)->text();
}

void FillLoadScreen::SetEntryText(int column, const QString& text) {
    QWidget* entry = entries_[column - 1];
    if (auto* label = qobject_cast<QLabel*>(entry)) return label->setText(text);
    static_cast<QLineEdit*>(entry)->setText(text);
}

std::vector<FillBlock> FillLoadScreen::Blocks() const {
    std::vector<FillBlock> blocks;
    for (int row = 0; row < list_->Rows(); ++row) {
        const auto cell = [&](int column) { return ValueOf(list_->Text(row, column)); };
        blocks.push_back({.base = cell(kToeDistanceColumn),
                          .a = cell(kLeftSlopeColumn),
                          .b = cell(kCrestColumn),
                          .c = cell(kRightSlopeColumn),
                          .h = cell(kHeightColumn),
                          .hy = cell(kExtraHeightColumn),
                          .totalHeight = cell(kTotalHeightColumn),
                          .unitWeight = cell(kUnitWeightColumn),
                          .load = cell(kLoadColumn)});
    }
    return blocks;
}

void FillLoadScreen::ResetScreen() {
    ResetEntryRow();
    surchargeBox_->clear();
    sectionView_->hide();
    figureView_->show();
    drawingShown_ = false;
}

void FillLoadScreen::ClearEntry() {
    for (int column = kToeDistanceColumn; column < kListColumns; ++column)
        SetEntryText(column, QString());
}

QLineEdit* FillLoadScreen::FirstBox() const {
    return baseBox_;
}

void FillLoadScreen::UpdateTotalHeight() {
    totalHeightDisplay_->setText(
        Fixed2(TotalHeight(ValueOf(heightBox_->text()), ValueOf(extraHeightBox_->text()))));
}

void FillLoadScreen::UpdateLoad() {
    loadDisplay_->setText(Fixed2(
        LoadIntensity(ValueOf(totalHeightDisplay_->text()), ValueOf(unitWeightBox_->text()))));
}

bool FillLoadScreen::CheckRequired(widgets::NumericField* box, const QString& missingMessage) {
    if (box->text().isEmpty()) {
        box->ReportAndRefocus(missingMessage);
        return false;
    }
    return CheckNumber(box);
}

// Numeric and rewritten "0.00"; the limit of 100 belongs to Enter alone.
bool FillLoadScreen::CheckNumber(widgets::NumericField* box) {
    const std::optional<double> value = box->Value();
    if (!value) {
        box->ReportAndRefocus(widgets::kInvalidEntryMessage);
        return false;
    }
    box->Normalise(*value);
    return true;
}

bool FillLoadScreen::CheckHeight() {
    if (heightBox_->text().isEmpty()) {
        heightBox_->ReportAndRefocus(kEnterValueMessage);
        return false;
    }
    // Compared as listed, so that no block of height 0.00 gets into the list.
    const std::optional<double> value = heightBox_->Value();
    if (value && RoundHalf(*value) == 0) {
        heightBox_->ReportAndRefocus(kHeightZeroMessage);
        return false;
    }
    return CheckNumber(heightBox_);
}

bool FillLoadScreen::CheckEntry() {
    for (widgets::NumericField* box : {baseBox_, slopeABox_, crestBox_, slopeCBox_}) {
        if (!CheckRequired(box, kMissingValueMessage)) return false;
    }
    if (!CheckHeight()) return false;
    if (extraHeightBox_->text().isEmpty()) {
        extraHeightBox_->setText(QStringLiteral("0"));
    } else if (!CheckNumber(extraHeightBox_)) {
        return false;
    }
    UpdateTotalHeight();
    if (!CheckRequired(unitWeightBox_, kMissingValueMessage)) return false;
    UpdateLoad();
    return CheckRequired(surchargeBox_, kMissingValueMessage);
}

void FillLoadScreen::WriteRow(int row) {
    list_->SetText(row, 0, RowLabel(row));
    for (int column = kToeDistanceColumn; column < kListColumns; ++column) {
        list_->SetText(row, column, EntryText(column));
    }
}

// Enter in the last box completes the block: its load, then add or update.
void FillLoadScreen::EnterUnitWeight() {
    switch (unitWeightBox_->CheckEntry()) {
        case widgets::NumericField::EnterOutcome::Rejected:
            return;
        case widgets::NumericField::EnterOutcome::Accepted:
            UpdateLoad();
            break;
        case widgets::NumericField::EnterOutcome::Empty:
            break;
    }
    AddOrUpdate();
}

void FillLoadScreen::LoadRow(int row) {
    for (int column = kToeDistanceColumn; column < kListColumns; ++column) {
        SetEntryText(column, list_->Text(row, column));
    }
}

// The blocks below a removed one move up a label.
void FillLoadScreen::RowsMovedUp(int row) {
    for (; row < list_->Rows(); ++row) list_->SetText(row, 0, RowLabel(row));
}

void FillLoadScreen::ClearAll() {
    if (!messages_.Ask(this, kClearQuestion, widgets::MsgIcon::Information)) return;
    list_->RemoveAllRows();
    ResetScreen();
}

bool FillLoadScreen::CheckSurcharge() {
    return surchargeBox_->CheckEntry() != widgets::NumericField::EnterOutcome::Rejected;
}

// Takes the blocks once they stack and the user has confirmed their drawing;
// an empty list removes the fill loads.
bool FillLoadScreen::CommitBlocks() {
    if (list_->Rows() == 0) {
        loads_.blocks.reset();
        return true;
    }
    const std::vector<FillBlock> blocks = Blocks();
    if (const auto failure = CheckStacking(blocks)) {
        messages_.Warning(this, widgets::ToQt(failure->message));
        SelectRow(static_cast<int>(failure->row));
        Refocus(failure->focus == StackingFailure::Field::Base ? baseBox_ : slopeABox_);
        return false;
    }
    drawingShown_ = true;
    return Confirm(blocks);
}

bool FillLoadScreen::Confirm(const std::vector<FillBlock>& blocks) {
    const FillLoadTable table = BuildFillLoadTable(blocks);
    sectionView_->SetFigure(DrawSection(table, kFillLoadSectionLayout));
    sectionView_->show();
    figureView_->hide();
    widgets::MessageOverFrame::Install(entryFrame_);
    if (!messages_.Ask(this, kConfirmQuestion, widgets::MsgIcon::Information)) return false;
    // Blocks listed as they were opened are handed back as they were, so that
    // a surcharge changed alone changes nothing else.
    loads_.blocks = ListTexts() == openedList_ ? openedBlocks_ : table;
    const QString qx = surchargeBox_->text().trimmed();
    if (!qx.isEmpty() && ValueOf(qx) != 0) {
        loads_.surcharge = BuildSurchargeTable(ValueOf(qx), blocks);
    } else {
        loads_.surcharge.reset();
    }
    return true;
}

QStringList FillLoadScreen::CommittedTexts() const {
    return QStringList{surchargeBox_->text()} + ListTexts();
}

bool FillLoadScreen::Commit() {
    if (!CheckSurcharge() || !CommitBlocks()) return false;
    AnnounceDiscardedPoints();
    return true;
}

// Manual points are measured from the fill geometry that has just changed.
void FillLoadScreen::AnnounceDiscardedPoints() {
    if (!CommitDiscardsManualPoints(loads_.blocks, openedBlocks_, placement_)) return;
    Q_EMIT ManualPointsDiscarded(loads_.blocks.has_value());
    if (TellsOfDiscardedPoints(loads_, openedBlocks_, placement_, manualPointsSet_)) {
        widgets::MessageOverFrame::Install(entryFrame_);
        messages_.Information(this, kPointsClearedMessage);
    }
}

void FillLoadScreen::ToggleFigure() {
    const bool showDrawing = sectionView_->isHidden();
    sectionView_->setVisible(showDrawing);
    figureView_->setVisible(!showDrawing);
}

bool FillLoadScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !drawingShown_) return false;
    // A key travels up from the focused control; look at it once, there.
    QWidget* focus = QApplication::focusWidget();
    if (watched != (focus ? static_cast<QObject*>(focus) : this)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || !(key->modifiers() & Qt::ControlModifier)) return false;
    ToggleFigure();
    // In an entry box Ctrl+Enter is Enter as well; anywhere else it only
    // toggles, so that a focused button (ＯＫ right after a No) is not pressed.
    return qobject_cast<widgets::NumericField*>(watched) == nullptr;
}

}  // namespace nubera::input
