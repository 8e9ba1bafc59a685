#pragma once

// The package's document properties: the core part (title, creator, times)
// and the extended part's application name.

#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/package.h"
#include "spreadsheet/workbook.h"

namespace nubera::sheet {

// Sets the title, the creating program and the creation and modification
// times, creating the core part when the package has none; keeps whatever
// else the parts hold.
void WriteDocumentProperties(Package& package, ContentTypes& contentTypes,
                             const DocumentProperties& properties);

}  // namespace nubera::sheet
