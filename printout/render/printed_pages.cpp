#include "printout/render/printed_pages.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "files/atomic_file.h"
#include "printout/render/page_painter.h"
#include "printout/render/pdf_ideographs.h"
#include "printout/render/pdf_revision.h"

namespace nubera::printout {
namespace {

constexpr double kPointsPerInch = 72;

QString FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()),
                             static_cast<qsizetype>(text.size()));
}

// The painter's units become points from the paper's corner.
void ScaleToPoints(QPainter& painter, const QPaintDevice& device) {
    painter.resetTransform();
    painter.scale(device.logicalDpiX() / kPointsPerInch, device.logicalDpiY() / kPointsPerInch);
}

// The document's title and author: the workbook's, or its file's name and the
// program when it names none.
PdfInformation InformationOf(const WorkbookPrintout& printout) {
    const sheet::DocumentProperties& properties = printout.Properties();
    const QString program = QStringLiteral("ヌベラ");
    return {properties.title.empty() ? FromPath(printout.Path().stem())
                                     : QString::fromStdString(properties.title),
            properties.program.empty() ? program : QString::fromStdString(properties.program),
            program};
}

}  // namespace

QPageLayout PageLayoutOf(const WorkbookPrintout& printout, int index) {
    const sheet::PageSetup& setup = printout.Page(index).sheet->Setup();
    const bool landscape = setup.paperWidth > setup.paperHeight;
    const QSizeF portrait = landscape ? QSizeF(setup.paperHeight, setup.paperWidth)
                                      : QSizeF(setup.paperWidth, setup.paperHeight);
    return QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

bool PrintPages(QPagedPaintDevice& device, const WorkbookPrintout& printout, int first, int last) {
    if (first > last) return true;
    device.setPageLayout(PageLayoutOf(printout, first));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PagePainter pages(painter, printout);
    for (int index = first; index <= last; ++index) {
        if (index > first) {
            // A printer keeps its paper through a job; only a PDF writer
            // changes it between pages, for sheets set up differently.
            const QPageLayout layout = PageLayoutOf(printout, index);
            if (!device.pageLayout().isEquivalentTo(layout)) device.setPageLayout(layout);
            if (!device.newPage()) return false;
        }
        ScaleToPoints(painter, device);
        pages.Paint(index);
    }
    return painter.end();
}

bool PrintPages(QPagedPaintDevice& device, const WorkbookPrintout& printout) {
    return PrintPages(device, printout, 0, printout.PageCount() - 1);
}

// The pages are drawn into memory and the file is written in one step, so
// the PDF's name never holds half a document and the disk's refusal reads as
// the program's own reason.
std::string WritePdf(const WorkbookPrintout& printout, const std::filesystem::path& path,
                     ExistingFile existing) {
    const PdfInformation information = InformationOf(printout);
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(information.creator);
        writer.setTitle(information.title);
        if (printout.PageCount() == 0 || !PrintPages(writer, printout)) {
            return "PDFファイルを書き込めません: " + path.string();
        }
    }
    // Its text maps are mended before it is saved.
    NameIdeographsInTextMaps(
        std::span<char>(document.data(), static_cast<std::size_t>(document.size())));
    // Qt writes no author and leaves the subset tags off the fonts' names;
    // a file it laid out otherwise keeps what Qt wrote, which reads as well.
    ReviseNamesAndInformation(document, information);
    std::string reason;
    if (!WriteFileAtomically(path, std::string_view(document.constData(), document.size()), &reason,
                             existing)) {
        return "PDFファイルを保存できません: " + path.string() + ": " + reason;
    }
    return {};
}

}  // namespace nubera::printout
