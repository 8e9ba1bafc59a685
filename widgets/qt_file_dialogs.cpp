#include "qt_file_dialogs.h"

#include <QFileDialog>

namespace nubera {
namespace {

std::optional<QString> Ask(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, QString(), QString(), kProjectFileFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

}  // namespace

std::optional<QString> QtFileDialogs::OpenProjectName(QWidget* parent) {
    return Ask(parent, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::SaveProjectName(QWidget* parent) {
    return Ask(parent, QFileDialog::AcceptSave);
}

}  // namespace nubera
