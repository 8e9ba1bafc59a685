#pragma once

// The printout's pages on a printer or a PDF file. A PDF gives each page the
// paper of its sheet; a printer keeps the first page's paper for the job.

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <filesystem>
#include <string>

#include "files/atomic_file.h"
#include "printout/workbook_printout.h"

namespace nubera::printout {

// The paper of page `index`, without margins: the sheet's margins are drawn
// into the page.
QPageLayout PageLayoutOf(const WorkbookPrintout& printout, int index);

// Draws pages first..last (0-based, inclusive) on `device`, which must not
// be painted on yet. Returns false when the device refuses painting.
bool PrintPages(QPagedPaintDevice& device, const WorkbookPrintout& printout, int first, int last);
bool PrintPages(QPagedPaintDevice& device, const WorkbookPrintout& printout);

// Writes every page into a PDF file, which gets its name only once complete;
// a file of that name is replaced in that step, or with Refuse left as it is
// and the PDF refused. Returns what failed, naming the file; empty on success.
std::string WritePdf(const WorkbookPrintout& printout, const std::filesystem::path& path,
                     ExistingFile existing = ExistingFile::Replace);

}  // namespace nubera::printout
