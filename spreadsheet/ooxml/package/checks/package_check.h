#pragma once

// What a package must hold for every reader to open it, checked on the bytes
// of its parts: the same check serves a template as read and a workbook
// before it is written.

#include <string>
#include <vector>

#include "spreadsheet/ooxml/package/zip_archive.h"

namespace nubera::sheet {

// Why other readers would refuse the package of `parts`, naming the part;
// empty when they would not. Looks at the content types (every entry with
// its part name or extension and its type, every part with a type) and at
// every XML part (each relationships part, and each part whose type is XML)
// with XmlWellFormedFault.
std::string PackageFault(const std::vector<ZipEntry>& parts);

}  // namespace nubera::sheet
