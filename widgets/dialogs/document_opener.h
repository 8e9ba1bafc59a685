#pragma once

#include <QUrl>

namespace nubera::widgets {

// Hands a document (the saved workbook, a help page) to the desktop's default
// program for it. Returns false when the desktop has no program for it (or
// could not start it).
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual bool Open(const QUrl& url) = 0;
};

}  // namespace nubera::widgets
