#pragma once

#include <QString>
#include <cstddef>

#include "input/input_screen.h"

class QLineEdit;
class QPushButton;

namespace nubera::input {

class ListGrid;

// What the soil and fill-load screens share: a list of at most `rowLimit` rows
// edited through one entry row. 追加 adds the entry as a new row; a click on a
// row loads it into the entry row, 追加 becomes 更新 and rewrites that row, and
// 行削除 removes it. Adding stops at the limit; a listed row can always be
// updated.
class ListEntryScreen : public InputScreen {
  protected:
    ListEntryScreen(widgets::MessageBox& messages, std::size_t rowLimit, QString limitMessage,
                    QWidget* parent);

    // The screen's own steps. CheckEntry reports the entry row's first fault
    // and returns false; WriteRow puts the checked entry into grid row `row`
    // (a new row or the one being edited); LoadRow puts grid row `row` into
    // the entry boxes; RowsMovedUp follows a removal that moved the rows from
    // `row` on up one.
    virtual bool CheckEntry() = 0;
    virtual void WriteRow(int row) = 0;
    virtual void LoadRow(int row) = 0;
    virtual void ClearEntry() = 0;
    virtual void RowsMovedUp(int row) = 0;
    // The box that takes the focus after every step.
    virtual QLineEdit* FirstBox() const = 0;

    // Connects the list and its two buttons once the screen has made them.
    void ConnectList();
    void AddOrUpdate();
    void SelectRow(int row);
    void DeleteRow();
    // Empties the entry row and goes back to adding.
    void ResetEntryRow();
    void UpdateAddButton();
    // The texts of every list cell, row by row.
    QStringList ListTexts() const;

    bool Editing() const { return editing_; }
    int SelectedRow() const { return selectedRow_; }

    ListGrid* list_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;

  private:
    bool Full() const;

    std::size_t rowLimit_;
    QString limitMessage_;
    bool editing_ = false;
    int selectedRow_ = 0;
};

}  // namespace nubera::input
