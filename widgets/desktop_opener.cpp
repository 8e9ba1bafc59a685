#include "desktop_opener.h"

#include <QDesktopServices>

namespace nubera {

bool DesktopOpener::Open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace nubera
