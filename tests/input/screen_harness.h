#pragma once

// Helpers for the input screens' widget tests: finding controls by the names
// testers use, typing, Enter, clicks on list rows, and the figures folder.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "input/list_grid.h"
#include "tests/widgets/find_child.h"
#include "tests/widgets/key_typing.h"

namespace nubera::test {

inline QString FigureFolder() {
    return QStringLiteral(NUBERA_SOURCE_DIR "/desktop/figures");
}

inline void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Replaces the box's text as a user would, through the key filter.
inline void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    } else {
        TypeKeys(box, text);
    }
}

inline void PressEnter(QWidget* widget, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, Qt::Key_Return, modifiers);
}

inline void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the first cell of a row, numbered as the screen numbers it.
inline void ClickRow(input::ListGrid* grid, int row) {
    QTableWidgetItem* cell = grid->item(row - grid->FixedRows(), 0);
    ASSERT_NE(cell, nullptr);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->visualItemRect(cell).center());
}

inline QStringList RowTexts(const input::ListGrid* grid, int row) {
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column) {
        texts << grid->Text(row, column);
    }
    return texts;
}

}  // namespace nubera::test
