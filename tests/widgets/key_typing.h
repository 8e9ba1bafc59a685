#pragma once

// Typing text key by key as a keyboard (or a Japanese input method's direct
// input) does, full-width characters included, which QTest's key clicks
// cannot map to keys.

#include <QString>
#include <QTest>
#include <QWidget>

namespace nubera::test {

inline void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

}  // namespace nubera::test
