#include "input/list_entry_screen.h"

#include <QPushButton>
#include <utility>

#include "input/list_grid.h"
#include "widgets/dialogs/message_box.h"

namespace nubera::input {

ListEntryScreen::ListEntryScreen(widgets::MessageBox& messages, std::size_t rowLimit,
                                 QString limitMessage, QWidget* parent)
    : InputScreen(messages, parent), rowLimit_(rowLimit), limitMessage_(std::move(limitMessage)) {}

void ListEntryScreen::ConnectList() {
    connect(list_, &ListGrid::RowSelected, this, [this](int row) { SelectRow(row); });
    connect(addButton_, &QPushButton::clicked, this, [this] { AddOrUpdate(); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { DeleteRow(); });
}

bool ListEntryScreen::Full() const {
    return static_cast<std::size_t>(list_->DataRows()) >= rowLimit_;
}

void ListEntryScreen::UpdateAddButton() {
    addButton_->setEnabled(editing_ || !Full());
}

void ListEntryScreen::AddOrUpdate() {
    if (!editing_ && Full()) {
        messages_.Warning(this, limitMessage_);
        Refocus(FirstBox());
        return;
    }
    if (!CheckEntry()) return;
    list_->SetRedraw(false);
    const int row = editing_ ? selectedRow_ : list_->AddRow();
    WriteRow(row);
    list_->ShowRow(row);
    list_->SetRedraw(true);
    ResetEntryRow();
    Refocus(FirstBox());
}

void ListEntryScreen::SelectRow(int row) {
    if (row < list_->FixedRows()) return;
    list_->setCurrentCell(row - list_->FixedRows(), 0);
    editing_ = true;
    selectedRow_ = row;
    addButton_->setText(QStringLiteral("更新"));
    deleteButton_->setEnabled(true);
    UpdateAddButton();
    LoadRow(row);
    Refocus(FirstBox());
}

// Removes the row loaded for editing.
void ListEntryScreen::DeleteRow() {
    if (list_->DataRows() == 0) return;
    if (editing_) {
        list_->RemoveRow(selectedRow_);
        list_->ClearCurrentRow();
        RowsMovedUp(selectedRow_);
    }
    ResetEntryRow();
    Refocus(FirstBox());
}

QStringList ListEntryScreen::ListTexts() const {
    QStringList texts;
    for (int row = list_->FixedRows(); row < list_->Rows(); ++row) {
        for (int column = 0; column < list_->columnCount(); ++column) {
            texts << list_->Text(row, column);
        }
    }
    return texts;
}

void ListEntryScreen::ResetEntryRow() {
    editing_ = false;
    selectedRow_ = 0;
    deleteButton_->setEnabled(false);
    addButton_->setText(QStringLiteral("追加"));
    ClearEntry();
    UpdateAddButton();
}

}  // namespace nubera::input
