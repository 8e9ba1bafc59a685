#pragma once

// Qt's PDF writer tags each embedded font subset's descriptor with the six
// letters that mark a subset (QQCAAA+Name) but leaves the tag off the font
// itself, so PDF readers list the fonts as complete, and it has no Author.
// Both are mended by an incremental update, as PDF editors save a change:
// the changed objects and a cross-reference section for them are appended,
// and not one byte already written moves.

#include <QByteArray>
#include <QString>

namespace nubera::printout {

// The document information a PDF carries.
struct PdfInformation {
    QString title;
    QString author;
    QString creator;
};

// Appends to `pdf` the fonts whose name lacks their descriptor's subset tag,
// renamed with it, and a document information dictionary of `information`
// (keeping the creation date). Returns false, with `pdf` as it was, when the
// file does not end in the cross-reference table and trailer Qt writes.
bool ReviseNamesAndInformation(QByteArray& pdf, const PdfInformation& information);

}  // namespace nubera::printout
