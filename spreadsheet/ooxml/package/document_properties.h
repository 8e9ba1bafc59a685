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

// The title and the creating program of the core part; empty texts for what
// it does not hold (or when there is no core part). The time is not read.
DocumentProperties ReadDocumentProperties(const Package& package);

}  // namespace nubera::sheet
