#pragma once

#include <cstddef>
#include <vector>

#include "model/cell.h"

namespace nubera {

// A two-dimensional table of cells with a fixed number of columns, indexed
// (column, row) from 0 as everywhere in the program. Rows grow on demand and
// keep their earlier contents.
class CellTable {
  public:
    explicit CellTable(std::size_t columns = 0) : columns_(columns) {}

    std::size_t ColumnCount() const { return columns_; }
    std::size_t RowCount() const { return rows_.size(); }

    // Makes rows 0..rowCount-1 exist, keeping the cells of earlier rows.
    void ResizeRows(std::size_t rowCount) { rows_.resize(rowCount, std::vector<Cell>(columns_)); }

    Cell& At(std::size_t column, std::size_t row) { return rows_.at(row).at(column); }
    const Cell& At(std::size_t column, std::size_t row) const { return rows_.at(row).at(column); }

    // The cell read as a number (missing cells read as 0).
    double Number(std::size_t column, std::size_t row) const { return At(column, row).AsNumber(); }

    bool operator==(const CellTable&) const = default;

  private:
    std::size_t columns_;
    std::vector<std::vector<Cell>> rows_;
};

}  // namespace nubera
