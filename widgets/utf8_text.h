#pragma once

#include <QString>
#include <string>

namespace nubera::widgets {

// The core hands its texts (messages, formatted numbers, names) over as UTF-8.
inline QString ToQt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace nubera::widgets
