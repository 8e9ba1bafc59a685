#include "widgets/qt_file_dialogs.h"

#include <QFileDialog>

namespace nubera {

std::optional<QString> QtFileDialogs::Ask(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, QString(), folder_.Folder(), kProjectFileFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().front();
    folder_.Remember(chosen);
    return chosen;
}

std::optional<QString> QtFileDialogs::OpenProjectName(QWidget* parent) {
    return Ask(parent, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::SaveProjectName(QWidget* parent) {
    return Ask(parent, QFileDialog::AcceptSave);
}

}  // namespace nubera
