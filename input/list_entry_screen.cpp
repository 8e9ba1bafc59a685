#include "list_entry_screen.h"

#include <QPushButton>
#include <utility>

#include "list_grid.h"
#include "message_box.h"

namespace nubera {

ListEntryScreen::ListEntryScreen(MessageBox& messages, std::size_t rowLimit, QString limitMessage,
                                 QWidget* parent)
    : InputScreen(messages, parent), rowLimit_(rowLimit), limitMessage_(std::move(limitMessage)) {}

void ListEntryScreen::ConnectList() {
    connect(VSF_List, &ListGrid::RowSelected, this, [this](int row) { SelectRow(row); });
    connect(CMD_Upd, &QPushButton::clicked, this, [this] { AddOrUpdate(); });
    connect(CMD_Del, &QPushButton::clicked, this, [this] { DeleteRow(); });
}

bool ListEntryScreen::Full() const {
    return static_cast<std::size_t>(VSF_List->DataRows()) >= rowLimit_;
}

void ListEntryScreen::UpdateAddButton() {
    CMD_Upd->setEnabled(editing_ || !Full());
}

void ListEntryScreen::AddOrUpdate() {
    if (!editing_ && Full()) {
        messages_.Warning(this, limitMessage_);
        Refocus(FirstBox());
        return;
    }
    if (!CheckEntry()) return;
    VSF_List->SetRedraw(false);
    const int row = editing_ ? selectedRow_ : VSF_List->AddRow();
    WriteRow(row);
    VSF_List->ShowRow(row);
    VSF_List->SetRedraw(true);
    ResetEntryRow();
    Refocus(FirstBox());
    SetChanged();
}

void ListEntryScreen::SelectRow(int row) {
    if (row < VSF_List->FixedRows()) return;
    VSF_List->setCurrentCell(row - VSF_List->FixedRows(), 0);
    editing_ = true;
    selectedRow_ = row;
    CMD_Upd->setText(QStringLiteral("更新"));
    CMD_Del->setEnabled(true);
    UpdateAddButton();
    LoadRow(row);
    Refocus(FirstBox());
}

// Removes the row loaded for editing.
void ListEntryScreen::DeleteRow() {
    if (VSF_List->DataRows() == 0) return;
    if (editing_) {
        VSF_List->RemoveRow(selectedRow_);
        VSF_List->ClearCurrentRow();
        RowsMovedUp(selectedRow_);
    }
    ResetEntryRow();
    Refocus(FirstBox());
    SetChanged();
}

void ListEntryScreen::ResetEntryRow() {
    editing_ = false;
    selectedRow_ = 0;
    CMD_Del->setEnabled(false);
    CMD_Upd->setText(QStringLiteral("追加"));
    ClearEntry();
    UpdateAddButton();
}

}  // namespace nubera
