#include "input/list_grid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "widgets/twips.h"

namespace nubera::input {
namespace {

// Room above and below a row's text, in pixels.
constexpr int kRowPadding = 8;

}  // namespace

ListGrid::ListGrid(int columns, const QStringList& headers, QWidget* parent)
    : QTableWidget(0, columns, parent), fixedRows_(headers.isEmpty() ? 0 : 1) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grids have always used this font; where it is missing the desktop's
    // Japanese sans-serif stands in.
    QFont gridFont = font();
    gridFont.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                          QStringLiteral("Noto Sans CJK JP")});
    setFont(gridFont);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    if (fixedRows_ == 0) {
        horizontalHeader()->hide();
    } else {
        setHorizontalHeaderLabels(headers);
    }
    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int) { Q_EMIT RowSelected(row + fixedRows_); });
    connect(this, &QTableWidget::cellActivated, this,
            [this](int row, int) { Q_EMIT RowSelected(row + fixedRows_); });
}

void ListGrid::SetColumnWidthsTwips(const QVector<int>& widths, int extra) {
    int total = 0;
    for (int column = 0; column < widths.size(); ++column) {
        int width = widgets::TwipsToPixels(widths[column], *this);
        // A desktop font larger than the widths were made for widens a column
        // rather than cutting off its header text.
        if (fixedRows_ > 0) width = std::max(width, horizontalHeader()->sectionSizeHint(column));
        setColumnWidth(column, width);
        total += width;
    }
    setFixedWidth(total + widgets::TwipsToPixels(extra, *this));
}

QWidget* ListGrid::ColumnStrip(const QVector<QWidget*>& cells) const {
    auto* strip = new QWidget;
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(frameWidth(), 0, 0, 0);
    row->setSpacing(0);
    for (int column = 0; column < cells.size(); ++column) {
        QWidget* cell = cells[column] ? cells[column] : new QWidget;
        cell->setFixedWidth(columnWidth(column));
        row->addWidget(cell);
    }
    row->addStretch();
    return strip;
}

int ListGrid::CurrentRow() const {
    const int row = currentRow();
    return row < 0 ? -1 : row + fixedRows_;
}

void ListGrid::ClearCurrentRow() {
    setCurrentCell(-1, -1);
    clearSelection();
}

QString ListGrid::Text(int row, int column) const {
    const QTableWidgetItem* cell = item(ModelRow(row), column);
    return cell ? cell->text() : QString();
}

void ListGrid::SetText(int row, int column, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(Qt::AlignCenter);
    setItem(ModelRow(row), column, cell);
}

int ListGrid::AddRow() {
    insertRow(rowCount());
    return Rows() - 1;
}

void ListGrid::RemoveRow(int row) {
    removeRow(ModelRow(row));
}

void ListGrid::RemoveAllRows() {
    setRowCount(0);
}

// Enter selects the current row and goes no further: passed on, it would
// press the screen's default button as well (行削除 while a row is loaded).
void ListGrid::keyPressEvent(QKeyEvent* event) {
    QTableWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
}

void ListGrid::ShowRow(int row) {
    // A row just added reaches the scroll bar's range only with the next
    // layout of the rows, which Qt puts off; do it now, or the scroll stops short.
    executeDelayedItemsLayout();
    const int modelRow = ModelRow(row);
    const int top = rowViewportPosition(modelRow);
    if (top >= 0 && top + rowHeight(modelRow) <= viewport()->height()) return;
    verticalScrollBar()->setValue(std::max(modelRow - 2, 0));
}

}  // namespace nubera::input
