#include "app/workspace/results_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/workspace/result_profile_plot.h"
#include "engine/design_table.h"
#include "widgets/named_control.h"

namespace nubera::app {

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("resultsPanel"));
    modulus_ = widgets::Named(new QLabel, QStringLiteral("resultModulus"));
    whyNot_ = widgets::Named(new QLabel, QStringLiteral("resultWhyNot"));
    whyNot_->setWordWrap(true);
    table_ = widgets::Named(new QTableWidget, QStringLiteral("resultTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    // Rows as tall as their text, so that the eleven points fit without a scroll.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    plot_ = new ResultProfilePlot;
    keepButton_ = widgets::MakeButton(QStringLiteral("keepButton"), QStringLiteral("比較用に保持"));
    clearButton_ =
        widgets::MakeButton(QStringLiteral("clearKeptButton"), QStringLiteral("比較を解除"));
    keptName_ = widgets::Named(new QLabel, QStringLiteral("keptName"));

    auto* frame = new QGroupBox(QStringLiteral("計算結果"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(modulus_);
    layout->addWidget(whyNot_);
    // The table as tall as its rows; a larger window gives the rest to the plot.
    layout->addWidget(table_, 0);
    layout->addWidget(plot_, 1);
    // Without results the reason stands alone and the buttons stay at the foot.
    layout->addStretch(0);
    auto* compare = new QHBoxLayout;
    compare->addWidget(keepButton_);
    compare->addWidget(clearButton_);
    compare->addWidget(keptName_, 1);
    layout->addLayout(compare);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    connect(keepButton_, &QPushButton::clicked, this, &ResultsPanel::keepRequested);
    connect(clearButton_, &QPushButton::clicked, this, &ResultsPanel::ClearKept);
    Refresh();
}

void ResultsPanel::ShowResults(const DesignResults& results,
                               const std::optional<FillLoadTable>& fillLoads) {
    current_ = results;
    plot_->SetSection(fillLoads);
    Refresh();
}

void ResultsPanel::Keep(const QString& name) {
    if (!current_.Computed()) return;
    kept_ = KeptResults{current_, name};
    Refresh();
}

void ResultsPanel::ClearKept() {
    kept_.reset();
    Refresh();
}

void ResultsPanel::Refresh() {
    const bool computed = current_.Computed();
    const DesignResults* kept = kept_ ? &kept_->results : nullptr;
    modulus_->setText(computed ? QString::fromStdString(ModulusLine(current_, kept)) : QString());
    modulus_->setVisible(computed);
    whyNot_->setText(QString::fromStdString(current_.whyNot));
    whyNot_->setVisible(!computed);
    table_->setVisible(computed);
    plot_->setVisible(computed);
    FillTable();
    plot_->SetResults(current_, kept_ ? std::optional(kept_->results) : std::nullopt);
    keepButton_->setEnabled(computed);
    clearButton_->setEnabled(kept_.has_value());
    keptName_->setText(kept_ ? QStringLiteral("保持: ") + kept_->name : QString());
}

void ResultsPanel::FillTable() {
    if (!current_.Computed()) {
        table_->clear();
        table_->setRowCount(0);
        table_->setColumnCount(0);
        return;
    }
    const DesignTable table = MakeDesignTable(current_, kept_ ? &kept_->results : nullptr);
    table_->clear();
    table_->setColumnCount(static_cast<int>(table.headers.size()));
    table_->setRowCount(static_cast<int>(table.rows.size()));
    QStringList headers;
    for (const std::string& header : table.headers) headers << QString::fromStdString(header);
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(table.rows[r][c]));
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() +
                           table_->rowCount() * table_->verticalHeader()->defaultSectionSize() +
                           table_->horizontalScrollBar()->sizeHint().height() +
                           2 * table_->frameWidth());
}

}  // namespace nubera::app
