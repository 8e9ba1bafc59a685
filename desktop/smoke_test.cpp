#include "desktop/smoke_test.h"

#include <cstdio>

namespace nubera {

widgets::MsgAnswer SmokeTestMessages::Show(QWidget*, const QString& text, widgets::MsgIcon,
                                           widgets::MsgButtons buttons, const QString&) {
    anySaid_ = true;
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    switch (buttons) {
        case widgets::MsgButtons::Ok:
            return widgets::MsgAnswer::Ok;
        case widgets::MsgButtons::YesNo:
            return widgets::MsgAnswer::No;
        case widgets::MsgButtons::YesNoCancel:
            return widgets::MsgAnswer::Cancel;
    }
    return widgets::MsgAnswer::Cancel;
}

void SmokeTestPreview::Show(QWidget*, const QString& workbook, const QStringList&) {
    workbook_ = workbook;
}

}  // namespace nubera
