#include "widgets/dialogs/qt_file_dialogs.h"

#include <QFileDialog>

namespace nubera::widgets {

std::optional<QString> QtFileDialogs::Ask(QWidget* parent, QFileDialog::AcceptMode mode,
                                          const QString& filter, const QString& caption) {
    QFileDialog dialog(parent, caption, folder_.Folder(), filter);
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

std::optional<QString> QtFileDialogs::OpenBoringName(QWidget* parent) {
    return Ask(parent, QFileDialog::AcceptOpen, kBoringFileFilter,
               QStringLiteral("ボーリング交換用データを開く"));
}

}  // namespace nubera::widgets
