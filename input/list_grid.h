#pragma once

#include <QString>
#include <QTableWidget>
#include <QVector>

class QWidget;

namespace nubera::input {

// The read-only list of the soil and fill-load screens. Rows are numbered as
// the screens count them: with a fixed header row that row is row 0 (drawn as
// the column header) and the data rows follow from 1; without one the data
// rows start at 0. Cells are never edited in place; a click (or Enter) on a
// cell reports its row, which also becomes the current row.
class ListGrid : public QTableWidget {
    Q_OBJECT

  public:
    // `headers` gives the fixed header row's texts; none means no header row.
    ListGrid(int columns, const QStringList& headers, QWidget* parent = nullptr);

    // Column widths in twips, widened where a header text needs more room; the
    // grid is as wide as its columns plus `extra` twips.
    void SetColumnWidthsTwips(const QVector<int>& widths, int extra);
    // A strip of widgets standing over the grid's columns, one per column
    // (null leaves a column's place empty), each as wide as its column, for
    // the headings and entry boxes that belong to the columns.
    QWidget* ColumnStrip(const QVector<QWidget*>& cells) const;

    int FixedRows() const { return fixedRows_; }
    // All rows, the fixed header row included.
    int Rows() const { return rowCount() + fixedRows_; }
    int DataRows() const { return rowCount(); }

    // The current row, or -1 when no row is current.
    int CurrentRow() const;
    void ClearCurrentRow();

    QString Text(int row, int column) const;
    void SetText(int row, int column, const QString& text);
    // Appends an empty row and returns its number.
    int AddRow();
    void RemoveRow(int row);
    void RemoveAllRows();

    // When the row is not wholly in view, scrolls so that it is the third
    // visible row (the top row becomes row - 2).
    void ShowRow(int row);
    // Suspends repainting while the rows are rewritten.
    void SetRedraw(bool on) { setUpdatesEnabled(on); }

  Q_SIGNALS:
    void RowSelected(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int ModelRow(int row) const { return row - fixedRows_; }

    int fixedRows_;
};

}  // namespace nubera::input
