#include "input/soil_conditions_screen.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "boring/boring_reader.h"
#include "engine/engine_error.h"
#include "engine/equivalent_modulus.h"
#include "input/boring_review_dialog.h"
#include "input/list_grid.h"
#include "text/number_text.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/named_control.h"
#include "widgets/numeric_field.h"
#include "widgets/qt_path.h"
#include "widgets/tab_order.h"
#include "widgets/twips.h"
#include "widgets/utf8_text.h"

namespace nubera::input {
namespace {

const QString kLayerLimitMessage = QStringLiteral("土質条件は２０層まで入力可能です。");
const QString kClearQuestion = QStringLiteral("土質条件をクリアします。\nよろしいですか？");
const QString kCheckInput = QStringLiteral("入力した内容をご確認ください。");
const QString kModulusZeroMessage =
    QStringLiteral("Em値(換算変形係数)の値が0になりました。\nEm値が0の場合は、計算できません。\n") +
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

SoilConditionsScreen::SoilConditionsScreen(SoilConditions conditions, widgets::MessageBox& messages,
                                           const QString& figureFolder, QWidget* parent)
    : ListEntryScreen(messages, kMaxSoilLayers, kLayerLimitMessage, parent),
      conditions_(std::move(conditions)),
      thumb_(messages, figureFolder) {
    setObjectName(QStringLiteral("FRM_土質条件入力"));
    setWindowTitle(QStringLiteral("土質条件入力画面"));
    BuildControls();
    ConfigureBoxes();
    ShowFigure();
    ResetEntryRow();
    excavationWidthBox_->clear();
    leveeWidthBox_->clear();
    LoadConditions();
    MarkOpened();
}

void SoilConditionsScreen::BuildControls() {
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
    window->addWidget(BuildCommandRow([this] { ClearAll(); }));
    window->setSizeConstraint(QLayout::SetFixedSize);

    widgets::ChainTabOrder({excavationWidthBox_, leveeWidthBox_, thicknessBox_, modulusBox_,
                            addButton_, deleteButton_, clearAllButton_, okButton_, cancelButton_});
}

QWidget* SoilConditionsScreen::BuildWidthFrame() {
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* form = new QFormLayout(frame);
    excavationWidthBox_ =
        widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                       QStringLiteral("TXT_開削幅"));
    leveeWidthBox_ =
        widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                       QStringLiteral("TXT_堤体幅"));
    for (widgets::NumericField* box : {excavationWidthBox_, leveeWidthBox_}) {
        box->setFixedWidth(widgets::TwipsToPixels(kColumnWidths[0], *this));
    }
    excavationWidthBox_->SetFieldName(QStringLiteral("開削幅"));
    leveeWidthBox_->SetFieldName(QStringLiteral("堤体幅"));
    form->addRow(QStringLiteral("開削幅(m)"), excavationWidthBox_);
    form->addRow(QStringLiteral("堤体幅(m)"), leveeWidthBox_);
    return frame;
}

QWidget* SoilConditionsScreen::BuildLayerArea() {
    list_ = widgets::Named(
        new ListGrid(3, {QStringLiteral("    層厚(m)"), QStringLiteral("    深度(m)"),
                         QStringLiteral("変形係数Es(kN/㎡)")}),
        QStringLiteral("VSF_List"));
    list_->SetColumnWidthsTwips(kColumnWidths, kGridExtraWidth);
    list_->setFixedHeight(list_->horizontalHeader()->sizeHint().height() +
                          list_->verticalHeader()->defaultSectionSize() * kVisibleRows +
                          2 * list_->frameWidth());
    list_->setFocusPolicy(Qt::ClickFocus);

    thicknessBox_ =
        widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                       QStringLiteral("TXT_層厚"));
    depthDisplay_ = MakeDisplayBox(QStringLiteral("LBL_深度1"));
    modulusBox_ = widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                                 QStringLiteral("TXT_変形係数Es"));
    thicknessBox_->SetFieldName(QStringLiteral("層厚"));
    modulusBox_->SetFieldName(QStringLiteral("変形係数Es"));
    addButton_ = widgets::MakeButton(QStringLiteral("CMD_Upd"), QStringLiteral("追加/更新"));
    deleteButton_ = widgets::MakeButton(QStringLiteral("CMD_Del"), QStringLiteral("行削除"));
    boringButton_ =
        widgets::MakeButton(QStringLiteral("CMD_Boring"), QStringLiteral("ボーリングから読込"));
    boringButton_->hide();
    connect(boringButton_, &QPushButton::clicked, this, [this] { LoadFromBoring(); });

    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->addWidget(
        list_->ColumnStrip({new QLabel(QStringLiteral("層厚")), new QLabel(QStringLiteral("深度")),
                            new QLabel(QStringLiteral("変形係数Es"))}),
        0, 0);
    grid->addWidget(list_->ColumnStrip({thicknessBox_, depthDisplay_, modulusBox_}), 1, 0);
    grid->addWidget(addButton_, 1, 1);
    grid->addWidget(list_, 2, 0);
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(deleteButton_);
    listButtons->addWidget(boringButton_);
    listButtons->addStretch();
    grid->addLayout(listButtons, 2, 1);

    ConnectList();
    return area;
}

QWidget* SoilConditionsScreen::BuildFigureFrame() {
    auto* frame = widgets::Named(new QFrame, QStringLiteral("FRA_View"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    figureSource_ = widgets::Named(new QLabel(frame), QStringLiteral("Pic_Source"));
    figureSource_->hide();
    figureView_ = widgets::Named(new QLabel, QStringLiteral("PIC_View"));
    layout->addWidget(figureView_, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addStretch();
    return frame;
}

void SoilConditionsScreen::ConfigureBoxes() {
    for (widgets::NumericField* box : {excavationWidthBox_, leveeWidthBox_, thicknessBox_})
        box->SetUpperLimit(kLengthLimit);
    thicknessBox_->SetAfterEnter([this] {
        UpdateDepthDisplay();
        thicknessBox_->FocusNext();
    });
    modulusBox_->SetEnterHandler([this] {
        NormaliseModulus();
        AddOrUpdate();
    });
}

// The figure takes at most the room its box was given, centred in its frame.
void SoilConditionsScreen::ShowFigure() {
    figureView_->setFixedSize(widgets::TwipsToPixels(4800, *this),
                              widgets::TwipsToPixels(6000, *this));
    ShowFittedFigure(thumb_, figureSource_, figureView_, kFigureFile);
}

void SoilConditionsScreen::LoadConditions() {
    if (!conditions_.layers) return;
    AppendLayers(SoilLayerRowsOf(*conditions_.layers));
    excavationWidthBox_->setText(widgets::ToQt(FormatNumber(conditions_.excavationWidth)));
    leveeWidthBox_->setText(widgets::ToQt(FormatNumber(conditions_.leveeWidth)));
    UpdateAddButton();
}

void SoilConditionsScreen::AppendLayers(const std::vector<SoilLayerRow>& layers) {
    list_->SetRedraw(false);
    for (const SoilLayerRow& layer : layers) {
        const int row = list_->AddRow();
        ShowLayer(row, layer);
        list_->ShowRow(row);
    }
    list_->SetRedraw(true);
}

std::vector<SoilLayerRow> SoilConditionsScreen::Layers() const {
    std::vector<SoilLayerRow> layers;
    for (int row = list_->FixedRows(); row < list_->Rows(); ++row) {
        layers.push_back({list_->Text(row, kThicknessColumn).trimmed().toStdString(),
                          list_->Text(row, kDepthColumn).trimmed().toStdString(),
                          list_->Text(row, kModulusColumn).trimmed().toStdString()});
    }
    return layers;
}

void SoilConditionsScreen::ShowLayer(int row, const SoilLayerRow& layer) {
    list_->SetText(row, kThicknessColumn, widgets::ToQt(layer.thickness));
    list_->SetText(row, kDepthColumn, widgets::ToQt(layer.depth));
    list_->SetText(row, kModulusColumn, widgets::ToQt(layer.modulus));
}

// Every layer from grid row `row` down gets its depth from the one above it.
void SoilConditionsScreen::RecomputeDepthsFrom(int row) {
    std::vector<SoilLayerRow> layers = Layers();
    const std::size_t first = static_cast<std::size_t>(row - list_->FixedRows());
    RecomputeDepths(layers, first);
    for (std::size_t i = first; i < layers.size(); ++i) {
        list_->SetText(static_cast<int>(i) + list_->FixedRows(), kDepthColumn,
                       widgets::ToQt(layers[i].depth));
    }
}

void SoilConditionsScreen::ClearEntry() {
    thicknessBox_->clear();
    depthDisplay_->clear();
    modulusBox_->clear();
}

QLineEdit* SoilConditionsScreen::FirstBox() const {
    return thicknessBox_;
}

void SoilConditionsScreen::UpdateDepthDisplay() {
    const std::vector<SoilLayerRow> layers = Layers();
    const std::size_t position =
        Editing() ? static_cast<std::size_t>(SelectedRow() - list_->FixedRows()) : layers.size();
    const double thickness = ReadNumberPrefix(thicknessBox_->text().toStdString());
    depthDisplay_->setText(widgets::ToQt(LayerDepthText(layers, position, thickness)));
}

// A text too long to be a number stays as typed, for the entry check to refuse.
void SoilConditionsScreen::NormaliseModulus() {
    if (const std::optional<double> value = modulusBox_->Value())
        modulusBox_->setText(widgets::ToQt(FormatNumber(*value)));
}

bool SoilConditionsScreen::CheckEntry() {
    if (!CheckRequired(thicknessBox_)) return false;
    UpdateDepthDisplay();
    if (modulusBox_->text().isEmpty()) {
        modulusBox_->ReportAndRefocus(kEnterValueMessage);
        return false;
    }
    if (!modulusBox_->Value()) {
        modulusBox_->ReportAndRefocus(widgets::kInvalidEntryMessage);
        return false;
    }
    NormaliseModulus();
    return true;
}

// An updated layer changes the depths of every layer below it.
void SoilConditionsScreen::WriteRow(int row) {
    ShowLayer(row, {thicknessBox_->text().toStdString(), depthDisplay_->text().toStdString(),
                    modulusBox_->text().toStdString()});
    if (Editing()) RecomputeDepthsFrom(row + 1);
}

void SoilConditionsScreen::LoadRow(int row) {
    thicknessBox_->setText(list_->Text(row, kThicknessColumn));
    depthDisplay_->setText(list_->Text(row, kDepthColumn));
    modulusBox_->setText(list_->Text(row, kModulusColumn));
}

// The layers below a removed one take their depths from the thicknesses again.
void SoilConditionsScreen::RowsMovedUp(int row) {
    RecomputeDepthsFrom(row);
}

void SoilConditionsScreen::SetBoringFileChooser(FileChooser choose) {
    chooseBoringFile_ = std::move(choose);
    boringButton_->setVisible(static_cast<bool>(chooseBoringFile_));
}

void SoilConditionsScreen::LoadFromBoring() {
    const std::optional<QString> path = chooseBoringFile_(this);
    if (!path) return;
    std::string error;
    std::optional<BoringLog> log = ReadBoringLog(widgets::ToPath(*path), &error);
    if (!log) {
        messages_.Warning(this, widgets::ToQt(error));
        return;
    }
    BoringReviewDialog review(std::move(*log), *path, messages_, this);
    if (review.exec() == QDialog::Accepted) FillFromBoring(review.Rows(), review.Derivation());
}

void SoilConditionsScreen::FillFromBoring(const std::vector<SoilLayerRow>& rows,
                                          const SoilDerivation& derivation) {
    list_->RemoveAllRows();
    AppendLayers(rows);
    ResetEntryRow();
    conditions_.derivation = derivation;
    FirstBox()->setFocus();
}

void SoilConditionsScreen::ClearAll() {
    if (!messages_.Ask(this, kClearQuestion, widgets::MsgIcon::Information)) return;
    list_->RemoveAllRows();
    conditions_.derivation.reset();
    ResetEntryRow();
    excavationWidthBox_->clear();
    leveeWidthBox_->clear();
}

// Required, numeric and within the box's limit; rewritten "0.00".
bool SoilConditionsScreen::CheckRequired(widgets::NumericField* box) {
    if (box->text().isEmpty()) {
        box->ReportAndRefocus(kEnterValueMessage);
        return false;
    }
    return box->CheckEntry() == widgets::NumericField::EnterOutcome::Accepted;
}

// A layer typed into the entry row but not added is not part of the commit.
QStringList SoilConditionsScreen::CommittedTexts() const {
    return QStringList{excavationWidthBox_->text(), leveeWidthBox_->text()} + ListTexts();
}

SoilConditionsScreen::Taken SoilConditionsScreen::TakeValues() {
    if (list_->DataRows() == 0 && excavationWidthBox_->text().isEmpty() &&
        leveeWidthBox_->text().isEmpty()) {
        conditions_.layers.reset();
        conditions_.excavationWidth = 0;
        conditions_.leveeWidth = 0;
        return Taken::Emptied;
    }
    if (!CheckRequired(excavationWidthBox_) || !CheckRequired(leveeWidthBox_)) {
        return Taken::Failed;
    }
    if (list_->DataRows() == 0) {
        conditions_.layers.reset();
    } else {
        conditions_.layers = BuildSoilLayerTable(Layers());
    }
    conditions_.excavationWidth = ReadNumberPrefix(excavationWidthBox_->text().toStdString());
    conditions_.leveeWidth = ReadNumberPrefix(leveeWidthBox_->text().toStdString());
    return Taken::Written;
}

// The values are taken only once the equivalent modulus Em is computable from
// them, also when the close box commits: values that cannot be run are never
// handed back.
bool SoilConditionsScreen::Commit() {
    const Taken taken = TakeValues();
    if (taken != Taken::Written) return taken == Taken::Emptied;
    try {
        ProjectData layers;
        layers.soilLayers = conditions_.layers;
        const double em = EquivalentModulus(EngineInputOf(layers).layers,
                                            conditions_.excavationWidth, conditions_.leveeWidth);
        conditions_.equivalentModulus = em;
        if (UsableModulus(em)) return true;
        ReportModulusFailure(kModulusZeroMessage);
    } catch (const EngineError& error) {
        ReportModulusFailure(QString::fromUtf8(error.what()) + QStringLiteral("\n") + kCheckInput);
    }
    return false;
}

// The screen stays open to mend the values.
void SoilConditionsScreen::ReportModulusFailure(const QString& reason) {
    messages_.Warning(this, reason);
    Refocus(excavationWidthBox_);
}

}  // namespace nubera::input
