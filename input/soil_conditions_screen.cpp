#include "soil_conditions_screen.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine_error.h"
#include "equivalent_modulus.h"
#include "list_grid.h"
#include "message_box.h"
#include "named_control.h"
#include "number_text.h"
#include "numeric_field.h"
#include "tab_order.h"
#include "twips.h"
#include "utf8_text.h"

namespace nubera {
namespace {

const QString kLayerLimitMessage = QStringLiteral("土質条件は２０層まで入力可能です。");
const QString kClearQuestion = QStringLiteral("土質条件をクリアします。\r\nよろしいですか？");
const QString kCheckInput = QStringLiteral("入力した内容をご確認ください。");
const QString kModulusZeroMessage =
    QStringLiteral(
        "Em値(換算変形係数)の値が0になりました。\r\nEm値が0の場合は、計算できません。\r\n") +
    kCheckInput;
const QString kFigureFile = QStringLiteral("土質条件.svg");

constexpr double kLengthLimit = 100;
constexpr int kThicknessColumn = 0;
constexpr int kDepthColumn = 1;
constexpr int kModulusColumn = 2;
// Column widths in twips, and the room beside them for the scroll bar.
const QVector<int> kColumnWidths{1215, 1215, 1715};
constexpr int kGridExtraWidth = 300;
constexpr int kVisibleRows = 10;

}  // namespace

FRM_土質条件入力::FRM_土質条件入力(ProjectData& project, CalcResults& results, MessageBox& messages,
                                   const QString& figureFolder, QWidget* parent)
    : ListEntryScreen(messages, kMaxSoilLayers, kLayerLimitMessage, parent),
      project_(project),
      results_(results),
      thumb_(messages, figureFolder) {
    setObjectName(QStringLiteral("FRM_土質条件入力"));
    setWindowTitle(QStringLiteral("土質条件入力画面"));
    BuildControls();
    ConfigureBoxes();
    ShowFigure();
    ResetEntryRow();
    TXT_開削幅->clear();
    TXT_堤体幅->clear();
    ClearFlags();
    LoadProject();
}

void FRM_土質条件入力::BuildControls() {
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(BuildWidthFrame());
    inputs->addWidget(BuildLayerArea());
    inputs->addWidget(new QLabel(QStringLiteral("※") + kLayerLimitMessage));
    inputs->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(inputs);
    body->addWidget(BuildFigureFrame(), 1);

    auto* window = new QVBoxLayout(this);
    window->addLayout(body);
    window->addWidget(
        BuildCommandRow([this] { ClearAll(); }, [this] { return CommitWithModulus(); }));
    window->setSizeConstraint(QLayout::SetFixedSize);

    ChainTabOrder({TXT_開削幅, TXT_堤体幅, TXT_層厚, TXT_変形係数Es, CMD_Upd, CMD_Del, CMD_Alldel,
                   CMD_Exec, CMD_Cancel});
}

QWidget* FRM_土質条件入力::BuildWidthFrame() {
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* form = new QFormLayout(frame);
    TXT_開削幅 =
        Named(new NumericField(messages_, KeyFilter::Decimal), QStringLiteral("TXT_開削幅"));
    TXT_堤体幅 =
        Named(new NumericField(messages_, KeyFilter::Decimal), QStringLiteral("TXT_堤体幅"));
    for (NumericField* box : {TXT_開削幅, TXT_堤体幅}) {
        box->setFixedWidth(TwipsToPixels(kColumnWidths[0], *this));
    }
    form->addRow(QStringLiteral("開削幅(m)"), TXT_開削幅);
    form->addRow(QStringLiteral("堤体幅(m)"), TXT_堤体幅);
    return frame;
}

QWidget* FRM_土質条件入力::BuildLayerArea() {
    VSF_List = Named(new ListGrid(3, {QStringLiteral("    層厚(m)"), QStringLiteral("    深度(m)"),
                                      QStringLiteral("変形係数Es(kN/㎡)")}),
                     QStringLiteral("VSF_List"));
    VSF_List->SetColumnWidthsTwips(kColumnWidths, kGridExtraWidth);
    VSF_List->setFixedHeight(VSF_List->horizontalHeader()->sizeHint().height() +
                             VSF_List->verticalHeader()->defaultSectionSize() * kVisibleRows +
                             2 * VSF_List->frameWidth());
    VSF_List->setFocusPolicy(Qt::ClickFocus);

    TXT_層厚 = Named(new NumericField(messages_, KeyFilter::Decimal), QStringLiteral("TXT_層厚"));
    LBL_深度1 = MakeDisplayBox(QStringLiteral("LBL_深度1"));
    TXT_変形係数Es =
        Named(new NumericField(messages_, KeyFilter::Integer), QStringLiteral("TXT_変形係数Es"));
    CMD_Upd = MakeButton(QStringLiteral("CMD_Upd"), QStringLiteral("追加/更新"));
    CMD_Del = MakeButton(QStringLiteral("CMD_Del"), QStringLiteral("行削除"));

    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->addWidget(VSF_List->ColumnStrip({new QLabel(QStringLiteral("層厚")),
                                           new QLabel(QStringLiteral("深度")),
                                           new QLabel(QStringLiteral("変形係数Es"))}),
                    0, 0);
    grid->addWidget(VSF_List->ColumnStrip({TXT_層厚, LBL_深度1, TXT_変形係数Es}), 1, 0);
    grid->addWidget(CMD_Upd, 1, 1);
    grid->addWidget(VSF_List, 2, 0);
    grid->addWidget(CMD_Del, 2, 1, Qt::AlignTop);

    ConnectList();
    return area;
}

QWidget* FRM_土質条件入力::BuildFigureFrame() {
    auto* frame = Named(new QFrame, QStringLiteral("FRA_View"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    Pic_Source = Named(new QLabel(frame), QStringLiteral("Pic_Source"));
    Pic_Source->hide();
    PIC_View = Named(new QLabel, QStringLiteral("PIC_View"));
    layout->addWidget(PIC_View, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addStretch();
    return frame;
}

void FRM_土質条件入力::ConfigureBoxes() {
    for (NumericField* box : {TXT_開削幅, TXT_堤体幅, TXT_層厚}) box->SetUpperLimit(kLengthLimit);
    for (NumericField* box : {TXT_開削幅, TXT_堤体幅}) {
        connect(box, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    }
    TXT_層厚->SetAfterEnter([this] {
        UpdateDepthDisplay();
        TXT_層厚->FocusNext();
    });
    TXT_変形係数Es->SetEnterHandler([this] {
        NormaliseModulus();
        AddOrUpdate();
    });
}

// The figure takes at most the room its box was given, centred in its frame.
void FRM_土質条件入力::ShowFigure() {
    PIC_View->setFixedSize(TwipsToPixels(4800, *this), TwipsToPixels(6000, *this));
    ShowFittedFigure(thumb_, Pic_Source, PIC_View, kFigureFile);
}

void FRM_土質条件入力::LoadProject() {
    if (!project_.soilLayers) return;
    VSF_List->SetRedraw(false);
    for (const SoilLayerRow& layer : SoilLayerRowsOf(*project_.soilLayers)) {
        const int row = VSF_List->AddRow();
        ShowLayer(row, layer);
        VSF_List->ShowRow(row);
    }
    VSF_List->SetRedraw(true);
    TXT_開削幅->setText(ToQt(FormatNumber(project_.excavationWidth)));
    TXT_堤体幅->setText(ToQt(FormatNumber(project_.leveeWidth)));
    UpdateAddButton();
}

std::vector<SoilLayerRow> FRM_土質条件入力::Layers() const {
    std::vector<SoilLayerRow> layers;
    for (int row = VSF_List->FixedRows(); row < VSF_List->Rows(); ++row) {
        layers.push_back({VSF_List->Text(row, kThicknessColumn).trimmed().toStdString(),
                          VSF_List->Text(row, kDepthColumn).trimmed().toStdString(),
                          VSF_List->Text(row, kModulusColumn).trimmed().toStdString()});
    }
    return layers;
}

void FRM_土質条件入力::ShowLayer(int row, const SoilLayerRow& layer) {
    VSF_List->SetText(row, kThicknessColumn, ToQt(layer.thickness));
    VSF_List->SetText(row, kDepthColumn, ToQt(layer.depth));
    VSF_List->SetText(row, kModulusColumn, ToQt(layer.modulus));
}

// Every layer from grid row `row` down gets its depth from the one above it.
void FRM_土質条件入力::RecomputeDepthsFrom(int row) {
    std::vector<SoilLayerRow> layers = Layers();
    const std::size_t first = static_cast<std::size_t>(row - VSF_List->FixedRows());
    RecomputeDepths(layers, first);
    for (std::size_t i = first; i < layers.size(); ++i) {
        VSF_List->SetText(static_cast<int>(i) + VSF_List->FixedRows(), kDepthColumn,
                          ToQt(layers[i].depth));
    }
}

void FRM_土質条件入力::ClearEntry() {
    TXT_層厚->clear();
    LBL_深度1->clear();
    TXT_変形係数Es->clear();
}

QLineEdit* FRM_土質条件入力::FirstBox() const {
    return TXT_層厚;
}

void FRM_土質条件入力::UpdateDepthDisplay() {
    const std::vector<SoilLayerRow> layers = Layers();
    const std::size_t position =
        Editing() ? static_cast<std::size_t>(SelectedRow() - VSF_List->FixedRows()) : layers.size();
    const double thickness = ReadNumberPrefix(TXT_層厚->text().toStdString());
    LBL_深度1->setText(ToQt(LayerDepthText(layers, position, thickness)));
}

// A text too long to be a number stays as typed, for the entry check to refuse.
void FRM_土質条件入力::NormaliseModulus() {
    if (const std::optional<double> value = TXT_変形係数Es->Value())
        TXT_変形係数Es->setText(ToQt(FormatNumber(*value)));
}

bool FRM_土質条件入力::CheckEntry() {
    if (!CheckRequired(TXT_層厚)) return false;
    UpdateDepthDisplay();
    if (TXT_変形係数Es->text().isEmpty()) {
        TXT_変形係数Es->ReportAndRefocus(kEnterValueMessage);
        return false;
    }
    if (!TXT_変形係数Es->Value()) {
        TXT_変形係数Es->ReportAndRefocus(kInvalidEntryMessage);
        return false;
    }
    NormaliseModulus();
    return true;
}

// An updated layer changes the depths of every layer below it.
void FRM_土質条件入力::WriteRow(int row) {
    ShowLayer(row, {TXT_層厚->text().toStdString(), LBL_深度1->text().toStdString(),
                    TXT_変形係数Es->text().toStdString()});
    if (Editing()) RecomputeDepthsFrom(row + 1);
}

void FRM_土質条件入力::LoadRow(int row) {
    TXT_層厚->setText(VSF_List->Text(row, kThicknessColumn));
    LBL_深度1->setText(VSF_List->Text(row, kDepthColumn));
    TXT_変形係数Es->setText(VSF_List->Text(row, kModulusColumn));
}

// The layers below a removed one take their depths from the thicknesses again.
void FRM_土質条件入力::RowsMovedUp(int row) {
    RecomputeDepthsFrom(row);
}

void FRM_土質条件入力::ClearAll() {
    if (!messages_.Ask(this, kClearQuestion, MsgIcon::Information)) return;
    VSF_List->RemoveAllRows();
    ResetEntryRow();
    TXT_開削幅->clear();
    TXT_堤体幅->clear();
}

// Required, numeric and within the box's limit; rewritten "0.00".
bool FRM_土質条件入力::CheckRequired(NumericField* box) {
    if (box->text().isEmpty()) {
        box->ReportAndRefocus(kEnterValueMessage);
        return false;
    }
    return box->CheckEntry() == NumericField::EnterOutcome::Accepted;
}

// A layer typed into the entry row but not added is not part of the commit.
FRM_土質条件入力::Commit FRM_土質条件入力::CommitToProject() {
    if (VSF_List->DataRows() == 0 && TXT_開削幅->text().isEmpty() && TXT_堤体幅->text().isEmpty()) {
        project_.soilLayers.reset();
        project_.excavationWidth = 0;
        project_.leveeWidth = 0;
        return Commit::Emptied;
    }
    if (!CheckRequired(TXT_開削幅) || !CheckRequired(TXT_堤体幅)) return Commit::Failed;
    if (VSF_List->DataRows() == 0) {
        project_.soilLayers.reset();
    } else {
        project_.soilLayers = BuildSoilLayerTable(Layers());
    }
    project_.excavationWidth = ReadNumberPrefix(TXT_開削幅->text().toStdString());
    project_.leveeWidth = ReadNumberPrefix(TXT_堤体幅->text().toStdString());
    return Commit::Written;
}

// ＯＫ also needs the equivalent modulus Em to be computable from the layers
// just written.
bool FRM_土質条件入力::CommitWithModulus() {
    const Commit commit = CommitToProject();
    if (commit != Commit::Written) return commit == Commit::Emptied;
    try {
        const double em =
            EquivalentModulus(project_, results_, project_.excavationWidth, project_.leveeWidth);
        if (em != 0) return true;
        ReportModulusFailure(kModulusZeroMessage);
    } catch (const EngineError& error) {
        ReportModulusFailure(QString::fromUtf8(error.what()) + QStringLiteral("\r\n") +
                             kCheckInput);
    }
    return false;
}

// The committed values stay in the project; the screen stays open to mend them.
void FRM_土質条件入力::ReportModulusFailure(const QString& reason) {
    messages_.Warning(this, reason);
    Refocus(TXT_開削幅);
}

bool FRM_土質条件入力::CommitOnClose() {
    return CommitToProject() != Commit::Failed;
}

}  // namespace nubera
