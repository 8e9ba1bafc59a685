#include "input/boring_review_dialog.h"

#include <QCheckBox>
#include <QColor>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "boring/proposal_rows.h"
#include "text/number_text.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/named_control.h"
#include "widgets/numeric_field.h"
#include "widgets/qt_path.h"
#include "widgets/twips.h"
#include "widgets/utf8_text.h"

namespace nubera::input {
namespace {

enum Column { kName, kDepthRange, kNValues, kMeanN, kModulus, kColumnCount };

constexpr int kVisibleRows = 10;
constexpr int kBoxWidthTwips = 1400;
// The Es a layer without a test still needs.
const QColor kNeedsEntry{255, 244, 190};

// What the log says is shown on the window's colour; only Es, which may be
// typed over, stands out as an entry.
QTableWidgetItem* ReadOnlyItem(const QString& text, const QWidget& owner) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setBackground(owner.palette().window());
    return item;
}

QTableWidgetItem* NumberItem(QTableWidgetItem* item) {
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

BoringReviewDialog::BoringReviewDialog(BoringLog log, QString filePath,
                                       widgets::MessageBox& messages, QWidget* parent)
    : QDialog(parent), log_(std::move(log)), filePath_(std::move(filePath)), messages_(messages) {
    setObjectName(QStringLiteral("FRM_ボーリング読込"));
    setWindowTitle(QStringLiteral("ボーリングから読込"));
    BuildControls();
    Repropose();
}

void BoringReviewDialog::BuildControls() {
    const QString boring =
        log_.name.empty() ? QStringLiteral("（名称なし）") : widgets::ToQt(log_.name);
    auto* source =
        new QLabel(QStringLiteral("%1　ボーリング %2（DTD %3、総掘進長 %4 m）")
                       .arg(QFileInfo(filePath_).fileName(), boring, widgets::ToQt(log_.dtdVersion),
                            widgets::ToQt(FormatFixed2(log_.totalLength))));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source);
    if (!log_.warnings.empty()) layout->addWidget(BuildWarnings());
    layout->addLayout(BuildOptions());
    layout->addWidget(BuildTable());
    layout->addWidget(new QLabel(
        QStringLiteral("N値は30cmに換算（上限%1）。Es は書き換えられます。試験のない層の Es は"
                       "入力してください。")
            .arg(widgets::ToQt(FormatNumber(kMaxConvertedN)))));
    layout->addWidget(BuildButtons());
}

// What the reader took on trust or found at odds, one a line, to be seen
// before the layers are taken.
QLabel* BoringReviewDialog::BuildWarnings() {
    QStringList lines;
    for (const std::string& warning : log_.warnings) {
        lines << QStringLiteral("警告: ") + widgets::ToQt(warning);
    }
    auto* warnings =
        widgets::Named(new QLabel(lines.join(QLatin1Char('\n'))), QStringLiteral("LBL_警告"));
    warnings->setWordWrap(true);
    return warnings;
}

QFormLayout* BoringReviewDialog::BuildOptions() {
    alphaBox_ = widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                               QStringLiteral("TXT_α"));
    alphaBox_->setText(widgets::ToQt(FormatNumber(kDefaultAlpha)));
    alphaBox_->SetFieldName(QStringLiteral("係数α"));
    depthBox_ = widgets::Named(new widgets::NumericField(messages_, widgets::KeyFilter::Decimal),
                               QStringLiteral("TXT_深度H"));
    depthBox_->SetFieldName(QStringLiteral("深度H"));
    mergeBox_ = widgets::Named(new QCheckBox(QStringLiteral("隣り合う同じ土質名の層をまとめる")),
                               QStringLiteral("CHK_まとめる"));
    for (widgets::NumericField* box : {alphaBox_, depthBox_}) {
        box->setFixedWidth(widgets::TwipsToPixels(kBoxWidthTwips, *this));
        box->SetAfterEnter([this] { Repropose(); });
    }
    connect(mergeBox_, &QCheckBox::toggled, this, [this] { Repropose(); });

    auto* options = new QFormLayout;
    options->addRow(QStringLiteral("係数α（Es = α·N、kN/㎡）"), alphaBox_);
    options->addRow(QStringLiteral("深度H(m)"), depthBox_);
    options->addRow(mergeBox_);
    return options;
}

QTableWidget* BoringReviewDialog::BuildTable() {
    table_ = widgets::Named(new QTableWidget(0, kColumnCount), QStringLiteral("VSF_Boring"));
    table_->setHorizontalHeaderLabels({QStringLiteral("土質名"), QStringLiteral("深度(m)"),
                                       QStringLiteral("N値"), QStringLiteral("N平均"),
                                       QStringLiteral("変形係数Es(kN/㎡)")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    table_->setMinimumWidth(640);
    // A log of ordinary length is seen whole, without scrolling.
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             table_->verticalHeader()->defaultSectionSize() * kVisibleRows +
                             2 * table_->frameWidth());
    return table_;
}

QDialogButtonBox* BoringReviewDialog::BuildButtons() {
    auto* buttons = new QDialogButtonBox;
    widgets::Named(buttons->addButton(QStringLiteral("ＯＫ"), QDialogButtonBox::AcceptRole),
                   QStringLiteral("CMD_Exec"));
    widgets::Named(buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole),
                   QStringLiteral("CMD_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void BoringReviewDialog::Repropose() {
    ProposalOptions options;
    options.alpha = alphaBox_->Value().value_or(0);
    if (!depthBox_->text().trimmed().isEmpty()) options.cutDepth = depthBox_->Value().value_or(0);
    options.mergeAlike = mergeBox_->isChecked();
    std::string error;
    auto proposal = ProposeLayers(log_, options, &error);
    if (!proposal) {
        messages_.Warning(this, widgets::ToQt(error));
        return;
    }
    proposal_ = std::move(*proposal);
    ShowProposal();
}

void BoringReviewDialog::ShowProposal() {
    depthBox_->setText(widgets::ToQt(FormatFixed2(proposal_.cutDepth)));
    const std::vector<SoilLayerRow> rows = SoilRowsOf(proposal_);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DerivedLayer& layer = proposal_.layers[i];
        const int row = static_cast<int>(i);
        table_->setItem(row, kName, ReadOnlyItem(widgets::ToQt(layer.name), *this));
        table_->setItem(
            row, kDepthRange,
            ReadOnlyItem(widgets::ToQt(FormatFixed2(layer.top) + "～" + FormatFixed2(layer.bottom)),
                         *this));
        table_->setItem(
            row, kNValues,
            ReadOnlyItem(layer.nValues.empty() ? QStringLiteral("試験なし")
                                               : widgets::ToQt(NValuesText(layer.nValues)),
                         *this));
        table_->setItem(row, kMeanN,
                        NumberItem(ReadOnlyItem(layer.meanN ? widgets::ToQt(MeanNText(*layer.meanN))
                                                            : QStringLiteral("-"),
                                                *this)));
        auto* modulus = NumberItem(new QTableWidgetItem(widgets::ToQt(rows[i].modulus)));
        if (rows[i].modulus.empty()) modulus->setBackground(kNeedsEntry);
        table_->setItem(row, kModulus, modulus);
    }
}

std::optional<std::vector<SoilLayerRow>> BoringReviewDialog::CheckedRows() {
    if (auto tooMany = TooManyLayers(proposal_.layers.size())) {
        messages_.Warning(this, widgets::ToQt(*tooMany));
        return std::nullopt;
    }
    std::vector<SoilLayerRow> rows = SoilRowsOf(proposal_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString typed = table_->item(static_cast<int>(i), kModulus)->text().trimmed();
        const auto value = ParseNumericText(typed.toStdString());
        // A layer without stiffness is no layer: Es must be above zero.
        if (typed.isEmpty() || !value || *value <= 0) {
            messages_.Warning(
                this, widgets::ToQt(LayerLabel(proposal_, i)) +
                          (typed.isEmpty() ? QStringLiteral("の Es を入力してください。")
                                           : QStringLiteral("の Es「%1」が不正です。").arg(typed)));
            table_->setCurrentCell(static_cast<int>(i), kModulus);
            return std::nullopt;
        }
        rows[i].modulus = FormatNumber(*value);
    }
    return rows;
}

void BoringReviewDialog::accept() {
    // α or H typed without Enter: the table is made again for them, to be
    // reviewed before ＯＫ takes it.
    if (alphaBox_->Value() != proposal_.alpha || depthBox_->Value() != proposal_.cutDepth) {
        Repropose();
        return;
    }
    auto rows = CheckedRows();
    if (!rows) return;
    rows_ = std::move(*rows);
    derivation_ = DerivationOf(proposal_, log_, widgets::ToPath(filePath_));
    QDialog::accept();
}

}  // namespace nubera::input
