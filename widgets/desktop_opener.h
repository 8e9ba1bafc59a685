#pragma once

#include "document_opener.h"

namespace nubera {

// The desktop's default programs, through Qt's desktop services.
class DesktopOpener : public DocumentOpener {
  public:
    bool Open(const QUrl& url) override;
};

}  // namespace nubera
