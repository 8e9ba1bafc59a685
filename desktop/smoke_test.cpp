#include "desktop/smoke_test.h"

#include <cstdio>

namespace nubera {

MsgAnswer SmokeTestMessages::Show(QWidget*, const QString& text, MsgIcon, MsgButtons buttons,
                                  const QString&) {
    anySaid_ = true;
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

void SmokeTestPreview::Show(QWidget*, const QString& workbook, const QStringList&) {
    workbook_ = workbook;
}

}  // namespace nubera
