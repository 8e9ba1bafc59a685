#include "app/description_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/dialogs/message_box.h"

namespace nubera::app {
namespace {

QString TextOf(const QWidget* editor) {
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) return line->text();
    return static_cast<const QPlainTextEdit*>(editor)->toPlainText();
}

void SelectAll(QWidget* editor) {
    editor->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
    } else {
        static_cast<QPlainTextEdit*>(editor)->selectAll();
    }
}

QWidget* MakeEditor(const DescriptionField& field, const std::string& value) {
    const QString text = QString::fromStdString(value);
    if (field.multiline) {
        auto* box = new QPlainTextEdit(text);
        box->setTabChangesFocus(true);
        box->setFixedHeight(box->fontMetrics().lineSpacing() * 5 + 12);
        return box;
    }
    auto* line = new QLineEdit(text);
    line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 50);
    return line;
}

}  // namespace

DescriptionDialog::DescriptionDialog(QWidget* parent, widgets::MessageBox& messages,
                                     const ProjectDescription& description)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("FRM_表題"));
    setWindowTitle(QStringLiteral("表題・署名欄"));
    auto* form = new QFormLayout;
    for (const DescriptionField& field : DescriptionFields()) {
        QWidget* editor = MakeEditor(field, description.*field.member);
        const QString key = QString::fromUtf8(field.key.data(), qsizetype(field.key.size()));
        editor->setObjectName(QStringLiteral("TXT_") + key);
        form->addRow(key, editor);
        editors_.push_back(editor);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ＯＫ"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DescriptionDialog::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setLayout(form);
}

ProjectDescription DescriptionDialog::Description() const {
    ProjectDescription description;
    const auto fields = DescriptionFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        description.*fields[i].member = TextOf(editors_[i]).toStdString();
    }
    return description;
}

void DescriptionDialog::TryAccept() {
    const auto fields = DescriptionFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto problem = DescriptionTextProblem(fields[i], TextOf(editors_[i]).toStdString());
        if (problem) {
            messages_.Warning(this, QString::fromStdString(*problem));
            SelectAll(editors_[i]);
            return;
        }
    }
    accept();
}

bool EditDescription(QWidget* parent, widgets::MessageBox& messages,
                     ProjectDescription& description) {
    DescriptionDialog dialog(parent, messages, description);
    if (dialog.exec() != QDialog::Accepted) return false;
    description = dialog.Description();
    return true;
}

}  // namespace nubera::app
