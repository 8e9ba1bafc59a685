#pragma once

#include <QString>
#include <filesystem>

namespace nubera::widgets {

// File names travel as QString in the windows and as paths in the core.
inline std::filesystem::path ToPath(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}
inline QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace nubera::widgets
