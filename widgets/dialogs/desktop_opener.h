#pragma once

#include <QString>

#include "widgets/dialogs/document_opener.h"

namespace nubera::widgets {

// The desktop's default programs, through Qt's desktop services. A file is
// handed over only when the desktop has a program for its type.
class DesktopOpener : public DocumentOpener {
  public:
    bool Open(const QUrl& url) override;
};

// Whether the desktop has a default program for the file's type. Where the
// desktop is asked through xdg-utils, Qt starts xdg-open and reports success
// whether or not that finds a program, so the default is asked for first
// (xdg-mime); elsewhere Qt's own answer tells, and this says yes.
bool DesktopHasProgramFor(const QString& file);

}  // namespace nubera::widgets
