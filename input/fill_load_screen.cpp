#include "fill_load_screen.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "list_grid.h"
#include "message_box.h"
#include "msg_box_center_hook.h"
#include "named_control.h"
#include "number_text.h"
#include "numeric_field.h"
#include "round_half.h"
#include "section_figure.h"
#include "section_view.h"
#include "tab_order.h"
#include "utf8_text.h"

namespace nubera {
namespace {

const QString kBlockLimitMessage = QStringLiteral("分布荷重は５つまで入力可能です。");
const QString kMissingValueMessage =
    QStringLiteral("入力してください。設定しない場合は、\"0\"を入力してください。");
const QString kHeightZeroMessage = QStringLiteral("0より大きい値を入力してください。");
const QString kClearQuestion = QStringLiteral("盛土荷重入力をクリアします。\r\nよろしいですか？");
const QString kConfirmQuestion =
    QStringLiteral("入力された盛土荷重は上図の通りです。\r\n確定しますか？");
const QString kPointsClearedMessage =
    QStringLiteral("手動で設定した着目点はクリアされました。\r\n再設定してください。");
const QString kFigureFile = QStringLiteral("盛土荷重.svg");

constexpr double kEntryLimit = 100;
constexpr int kListColumns = 10;
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
    return ToQt(FormatFixed2(value));
}
QString RowLabel(int row) {
    return ToQt(FillLoadLabel(static_cast<std::size_t>(row)));
}

QLabel* Heading(const QString& name, const QString& text) {
    auto* label = Named(new QLabel(text), name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

}  // namespace

FRM_盛土荷重入力::FRM_盛土荷重入力(ProjectData& project, MessageBox& messages,
                                   const QString& figureFolder, ManualPointsLink mainWindow,
                                   QWidget* parent)
    : ListEntryScreen(messages, kMaxFillBlocks, kBlockLimitMessage, parent),
      project_(project),
      mainWindow_(std::move(mainWindow)),
      thumb_(messages, figureFolder) {
    setObjectName(QStringLiteral("FRM_盛土荷重入力"));
    setWindowTitle(QStringLiteral("盛土荷重入力画面"));
    BuildControls();
    ConfigureBoxes();
    WatchKeys();
    ShowFigure();
    ResetScreen();
    ClearFlags();
    LoadProject();
}

void FRM_盛土荷重入力::BuildControls() {
    auto* window = new QVBoxLayout(this);
    window->addWidget(BuildFigureFrame(), 0, Qt::AlignHCenter);
    window->addWidget(BuildEntryFrame());
    window->addWidget(BuildCommandRow([this] { ClearAll(); }, [this] { return Commit(); }));
    window->setSizeConstraint(QLayout::SetFixedSize);
    ChainTabOrder({TXT_qX, TXT_Base, TXT_A, TXT_B, TXT_C, TXT_h, TXT_hy, TXT_土重量, CMD_Del,
                   CMD_Upd, CMD_Alldel, CMD_Exec, CMD_Cancel});
}

// The explanatory picture and the section drawing share one place; only one
// of them is visible at a time.
QWidget* FRM_盛土荷重入力::BuildFigureFrame() {
    auto* frame = Named(new QFrame, QStringLiteral("FRA_View"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QGridLayout(frame);
    Pic_Source = Named(new QLabel(frame), QStringLiteral("Pic_Source"));
    Pic_Source->hide();
    PIC_View = Named(new QLabel, QStringLiteral("PIC_View"));
    PIC_QView = Named(new SectionView(kFillLoadSectionLayout), QStringLiteral("PIC_QView"));
    layout->addWidget(PIC_View, 0, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(PIC_QView, 0, 0);
    frame->setMinimumSize(
        PIC_QView->size() + QSize(2, 2) * frame->frameWidth() +
        QSize(layout->contentsMargins().left() * 2, layout->contentsMargins().top() * 2));
    return frame;
}

QWidget* FRM_盛土荷重入力::BuildEntryFrame() {
    Frame1 = Named(new QFrame, QStringLiteral("Frame1"));
    const auto box = [this](const char* name) {
        return Named(new NumericField(messages_, KeyFilter::Decimal), QString::fromUtf8(name));
    };
    TXT_qX = box("TXT_qX");
    TXT_Base = box("TXT_Base");
    TXT_A = box("TXT_A");
    TXT_B = box("TXT_B");
    TXT_C = box("TXT_C");
    TXT_h = box("TXT_h");
    TXT_hy = box("TXT_hy");
    LBL_hsum = MakeDisplayBox(QStringLiteral("LBL_hsum"));
    TXT_土重量 = box("TXT_土重量");
    LBL_mtwait = MakeDisplayBox(QStringLiteral("LBL_mtwait"));
    entries_ = {TXT_Base, TXT_A, TXT_B, TXT_C, TXT_h, TXT_hy, LBL_hsum, TXT_土重量, LBL_mtwait};

    VSF_List = Named(new ListGrid(kListColumns, {}), QStringLiteral("VSF_List"));
    VSF_List->SetColumnWidthsTwips(QVector<int>(kListColumns, kColumnWidth), kGridExtraWidth);
    VSF_List->setFixedHeight(VSF_List->verticalHeader()->defaultSectionSize() *
                                 static_cast<int>(kMaxFillBlocks) +
                             2 * VSF_List->frameWidth());
    VSF_List->setFocusPolicy(Qt::ClickFocus);
    CMD_Upd = MakeButton(QStringLiteral("CMD_Upd"), QStringLiteral("追加"));
    CMD_Del = MakeButton(QStringLiteral("CMD_Del"), QStringLiteral("行削除"));

    QVector<QWidget*> titles;
    QVector<QWidget*> entryTitles;
    QVector<QWidget*> entries{nullptr};
    for (int i = 0; i < kListColumns; ++i) {
        LBL_Title[i] = Heading(QStringLiteral("LBL_Title_%1").arg(i), kTitles[i]);
        LBL_Title2[i] = Heading(QStringLiteral("LBL_Title2_%1").arg(i), kEntryTitles[i]);
        titles.append(LBL_Title[i]);
        entryTitles.append(LBL_Title2[i]);
        if (i > 0) entries.append(entries_[i - 1]);
    }
    // The placeholder over the label column keeps its place when hidden.
    QSizePolicy placeholder = LBL_Title2[0]->sizePolicy();
    placeholder.setRetainSizeWhenHidden(true);
    LBL_Title2[0]->setSizePolicy(placeholder);
    LBL_Title2[0]->hide();
    TXT_qX->setFixedWidth(VSF_List->columnWidth(1));

    auto* surcharge = new QHBoxLayout;
    surcharge->addWidget(new QLabel(QStringLiteral("qX(上載荷重kN/㎡)")));
    surcharge->addWidget(TXT_qX);
    surcharge->addStretch();

    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(0);
    grid->addLayout(surcharge, 0, 0);
    grid->addWidget(VSF_List->ColumnStrip(entryTitles), 1, 0);
    grid->addWidget(VSF_List->ColumnStrip(entries), 2, 0);
    grid->addWidget(CMD_Upd, 2, 1);
    grid->addWidget(VSF_List->ColumnStrip(titles), 3, 0);
    grid->addWidget(VSF_List, 4, 0);
    grid->addWidget(CMD_Del, 4, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("※") + kBlockLimitMessage), 5, 0);

    ConnectList();
    return Frame1;
}

void FRM_盛土荷重入力::ConfigureBoxes() {
    for (NumericField* box : {TXT_qX, TXT_Base, TXT_A, TXT_B, TXT_C, TXT_h, TXT_hy, TXT_土重量}) {
        box->SetUpperLimit(kEntryLimit);
    }
    connect(TXT_qX, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    TXT_hy->SetAfterEnter([this] {
        UpdateTotalHeight();
        TXT_hy->FocusNext();
    });
    TXT_土重量->SetEnterHandler([this] { EnterUnitWeight(); });
}

// The screen sees every key before its controls, for the figure toggle.
void FRM_盛土荷重入力::WatchKeys() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void FRM_盛土荷重入力::ShowFigure() {
    PIC_View->setFixedSize(PIC_QView->size());
    ShowFittedFigure(thumb_, Pic_Source, PIC_View, kFigureFile);
}

void FRM_盛土荷重入力::LoadProject() {
    if (!project_.fillLoads) return;
    const FillLoadTable& table = *project_.fillLoads;
    static constexpr std::size_t kListedColumns[] = {5, 6, 7, 8, 0, 1, 2, 3, 4};
    VSF_List->SetRedraw(false);
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        const int row = VSF_List->AddRow();
        VSF_List->SetText(row, 0, RowLabel(row));
        for (int column = 1; column <= kEntryColumns; ++column) {
            VSF_List->SetText(row, column, Fixed2(table.Number(kListedColumns[column - 1], r)));
        }
        VSF_List->ShowRow(row);
    }
    VSF_List->SetRedraw(true);
    if (project_.surcharge && project_.surcharge->RowCount() > 0) {
        const Cell& qx = project_.surcharge->At(0, 0);
        TXT_qX->setText(qx.IsMissing() ? QString() : Fixed2(qx.AsNumber()));
    }
    UpdateAddButton();
}

QString FRM_盛土荷重入力::EntryText(int column) const {
    QWidget* entry = entries_[column - 1];
    if (auto* label = qobject_cast<QLabel*>(entry)) return label->text();
    return static_cast<QLineEdit*>(entry)->text();
}

void FRM_盛土荷重入力::SetEntryText(int column, const QString& text) {
    QWidget* entry = entries_[column - 1];
    if (auto* label = qobject_cast<QLabel*>(entry)) return label->setText(text);
    static_cast<QLineEdit*>(entry)->setText(text);
}

std::vector<FillBlock> FRM_盛土荷重入力::Blocks() const {
    std::vector<FillBlock> blocks;
    for (int row = 0; row < VSF_List->Rows(); ++row) {
        const auto cell = [&](int column) { return ValueOf(VSF_List->Text(row, column)); };
        blocks.push_back({.base = cell(1),
                          .a = cell(2),
                          .b = cell(3),
                          .c = cell(4),
                          .h = cell(5),
                          .hy = cell(6),
                          .totalHeight = cell(7),
                          .unitWeight = cell(8),
                          .load = cell(9)});
    }
    return blocks;
}

void FRM_盛土荷重入力::ResetScreen() {
    ResetEntryRow();
    TXT_qX->clear();
    PIC_QView->hide();
    PIC_View->show();
    drawingShown_ = false;
}

void FRM_盛土荷重入力::ClearEntry() {
    for (int column = 1; column <= kEntryColumns; ++column) SetEntryText(column, QString());
}

QLineEdit* FRM_盛土荷重入力::FirstBox() const {
    return TXT_Base;
}

void FRM_盛土荷重入力::UpdateTotalHeight() {
    LBL_hsum->setText(Fixed2(TotalHeight(ValueOf(TXT_h->text()), ValueOf(TXT_hy->text()))));
}

void FRM_盛土荷重入力::UpdateLoad() {
    LBL_mtwait->setText(
        Fixed2(LoadIntensity(ValueOf(LBL_hsum->text()), ValueOf(TXT_土重量->text()))));
}

bool FRM_盛土荷重入力::CheckRequired(NumericField* box, const QString& missingMessage) {
    if (box->text().isEmpty()) {
        box->ReportAndRefocus(missingMessage);
        return false;
    }
    return CheckNumber(box);
}

// Numeric and rewritten "0.00"; the limit of 100 belongs to Enter alone.
bool FRM_盛土荷重入力::CheckNumber(NumericField* box) {
    const std::optional<double> value = box->Value();
    if (!value) {
        box->ReportAndRefocus(kInvalidEntryMessage);
        return false;
    }
    box->Normalise(*value);
    return true;
}

bool FRM_盛土荷重入力::CheckHeight() {
    if (TXT_h->text().isEmpty()) {
        TXT_h->ReportAndRefocus(kEnterValueMessage);
        return false;
    }
    // Compared as listed, so that no block of height 0.00 gets into the list.
    const std::optional<double> value = TXT_h->Value();
    if (value && RoundHalf(*value) == 0) {
        TXT_h->ReportAndRefocus(kHeightZeroMessage);
        return false;
    }
    return CheckNumber(TXT_h);
}

bool FRM_盛土荷重入力::CheckEntry() {
    for (NumericField* box : {TXT_Base, TXT_A, TXT_B, TXT_C}) {
        if (!CheckRequired(box, kMissingValueMessage)) return false;
    }
    if (!CheckHeight()) return false;
    if (TXT_hy->text().isEmpty()) {
        TXT_hy->setText(QStringLiteral("0"));
    } else if (!CheckNumber(TXT_hy)) {
        return false;
    }
    UpdateTotalHeight();
    if (!CheckRequired(TXT_土重量, kMissingValueMessage)) return false;
    UpdateLoad();
    return CheckRequired(TXT_qX, kMissingValueMessage);
}

void FRM_盛土荷重入力::WriteRow(int row) {
    VSF_List->SetText(row, 0, RowLabel(row));
    for (int column = 1; column <= kEntryColumns; ++column) {
        VSF_List->SetText(row, column, EntryText(column));
    }
}

// Enter in the last box completes the block: its load, then add or update.
void FRM_盛土荷重入力::EnterUnitWeight() {
    switch (TXT_土重量->CheckEntry()) {
        case NumericField::EnterOutcome::Rejected:
            return;
        case NumericField::EnterOutcome::Accepted:
            UpdateLoad();
            break;
        case NumericField::EnterOutcome::Empty:
            break;
    }
    AddOrUpdate();
}

void FRM_盛土荷重入力::LoadRow(int row) {
    for (int column = 1; column <= kEntryColumns; ++column) {
        SetEntryText(column, VSF_List->Text(row, column));
    }
}

// The blocks below a removed one move up a label.
void FRM_盛土荷重入力::RowsMovedUp(int row) {
    for (; row < VSF_List->Rows(); ++row) VSF_List->SetText(row, 0, RowLabel(row));
}

void FRM_盛土荷重入力::ClearAll() {
    if (!messages_.Ask(this, kClearQuestion, MsgIcon::Information)) return;
    VSF_List->RemoveAllRows();
    ResetScreen();
}

bool FRM_盛土荷重入力::CheckSurcharge() {
    return TXT_qX->CheckEntry() != NumericField::EnterOutcome::Rejected;
}

// Writes the blocks once they stack and the user has confirmed their drawing;
// an empty list removes the fill loads.
bool FRM_盛土荷重入力::CommitBlocks() {
    if (VSF_List->Rows() == 0) {
        project_.fillLoads.reset();
        return true;
    }
    const std::vector<FillBlock> blocks = Blocks();
    if (const auto failure = CheckStacking(blocks)) {
        messages_.Warning(this, ToQt(failure->message));
        SelectRow(static_cast<int>(failure->row));
        Refocus(failure->focus == StackingFailure::Field::Base ? TXT_Base : TXT_A);
        return false;
    }
    drawingShown_ = true;
    return Confirm(blocks);
}

bool FRM_盛土荷重入力::Confirm(const std::vector<FillBlock>& blocks) {
    const FillLoadTable table = BuildFillLoadTable(blocks);
    PIC_QView->SetFigure(DrawSection(table, kFillLoadSectionLayout));
    PIC_QView->show();
    PIC_View->hide();
    MsgBoxCenterHook::Install(Frame1);
    if (!messages_.Ask(this, kConfirmQuestion, MsgIcon::Information)) return false;
    project_.fillLoads = table;
    const QString qx = TXT_qX->text().trimmed();
    if (!qx.isEmpty() && ValueOf(qx) != 0) {
        project_.surcharge = BuildSurchargeTable(ValueOf(qx), blocks);
    } else {
        project_.surcharge.reset();
    }
    return true;
}

bool FRM_盛土荷重入力::Commit() {
    if (!CheckSurcharge() || !CommitBlocks()) return false;
    DiscardManualPoints();
    return true;
}

// Manual points are measured from the fill geometry that has just changed.
void FRM_盛土荷重入力::DiscardManualPoints() {
    if (!mainWindow_.manualSelected || !mainWindow_.manualSelected()) return;
    mainWindow_.showUnset();
    mainWindow_.enableEntry(project_.fillLoads.has_value());
    if (project_.fillLoads && project_.focusPoints) {
        MsgBoxCenterHook::Install(Frame1);
        messages_.Information(this, kPointsClearedMessage);
    }
    project_.focusPoints.reset();
}

bool FRM_盛土荷重入力::CommitOnClose() {
    return Commit();
}

void FRM_盛土荷重入力::ToggleFigure() {
    const bool showDrawing = PIC_QView->isHidden();
    PIC_QView->setVisible(showDrawing);
    PIC_View->setVisible(!showDrawing);
}

bool FRM_盛土荷重入力::eventFilter(QObject* watched, QEvent* event) {
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
    return qobject_cast<NumericField*>(watched) == nullptr;
}

}  // namespace nubera
