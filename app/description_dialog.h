#pragma once

#include <QDialog>
#include <vector>

#include "model/project_description.h"

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace nubera::widgets {
class MessageBox;
}  // namespace nubera::widgets

namespace nubera::app {

// Edits the project's title, section, sign-off names, revision and notes,
// which the report's first page prints. ＯＫ checks every field by the
// project file's rules and keeps the dialog open on the first it refuses,
// with the message and the field's text selected; nothing typed is lost.
class DescriptionDialog : public QDialog {
  public:
    DescriptionDialog(QWidget* parent, widgets::MessageBox& messages,
                      const ProjectDescription& description);

    // The fields as typed (line breaks as LF).
    ProjectDescription Description() const;

    // The ＯＫ button's action: accepts when every field can be kept.
    void TryAccept();

  private:
    widgets::MessageBox& messages_;
    // One editor per field, in the fields' order: a line box, or a text box
    // for a field that may span lines.
    std::vector<QWidget*> editors_;
};

// Opens the dialog; the edited description when the person confirmed it.
bool EditDescription(QWidget* parent, widgets::MessageBox& messages,
                     ProjectDescription& description);

}  // namespace nubera::app
