#include "printout/render/page_painter.h"

#include <QDateTime>
#include <algorithm>
#include <vector>

#include "printout/header_footer.h"
#include "printout/render/cell_painter.h"
#include "printout/render/shape_painter.h"

namespace nubera::printout {
namespace {

// A border on a region's edge is centred on it; the clip leaves it whole.
constexpr double kClipAllowance = 1.5;  // points

}  // namespace

// A block of cells and where its top-left corner lies on the paper.
struct PagePainter::Region {
    sheet::CellRange block;
    QPointF at;
    bool shapes;  // the page's own cells show the sheet's shapes, repeated titles not
};

PagePainter::PagePainter(QPainter& painter, const WorkbookPrintout& printout)
    : painter_(painter), printout_(printout), fonts_(painter.device()) {}

void PagePainter::Paint(int index) {
    const PrintedPage& page = printout_.Page(index);
    const SheetPrintout& sheet = *page.sheet;
    const PageArea& area = *page.area;
    const PagePlacement placement = sheet.Placement(area);
    const QPointF corner(placement.left, placement.top);
    const QPointF body(placement.bodyLeft, placement.bodyTop);
    const sheet::CellRange cells{area.firstRow, area.firstColumn, area.lastRow, area.lastColumn};

    std::vector<Region> regions;
    if (const auto& rows = area.titleRows) {
        if (const auto& columns = area.titleColumns) {
            regions.push_back(
                {{rows->first, columns->first, rows->second, columns->second}, corner, false});
        }
        regions.push_back({{rows->first, cells.firstColumn, rows->second, cells.lastColumn},
                           {body.x(), corner.y()},
                           false});
    }
    if (const auto& columns = area.titleColumns) {
        regions.push_back({{cells.firstRow, columns->first, cells.lastRow, columns->second},
                           {corner.x(), body.y()},
                           false});
    }
    regions.push_back({cells, body, true});
    for (const Region& region : regions) PaintRegion(sheet, region, placement.scale);
    PaintHeaderFooter(page);
}

void PagePainter::PaintRegion(const SheetPrintout& sheet, const Region& region, double scale) {
    const sheet::CellRange& block = region.block;
    const QRectF sheetRect = RangeRect(sheet, block);
    const QPointF sheetCorner = sheetRect.topLeft();
    painter_.save();
    painter_.translate(region.at);
    painter_.scale(scale, scale);
    painter_.translate(-sheetCorner);
    painter_.setClipRect(
        sheetRect.adjusted(-kClipAllowance, -kClipAllowance, kClipAllowance, kClipAllowance));
    CellPainter(painter_, fonts_, sheet, block).Paint();
    if (region.shapes) {
        painter_.setClipRect(sheetRect);
        ShapePainter shapes(painter_, fonts_, printout_.DefaultFont().name);
        for (const sheet::DrawnShape& shape : sheet.Shapes()) {
            const QRectF bounds(shape.rect.left, shape.rect.top, shape.rect.width,
                                shape.rect.height);
            // Lines are boxes of no width or height; they still cross the page.
            if (bounds.normalized().adjusted(-1, -1, 1, 1).intersects(sheetRect)) {
                shapes.Paint(shape);
            }
        }
    }
    painter_.restore();
}

void PagePainter::PaintHeaderFooter(const PrintedPage& page) {
    const SheetPrintout& sheet = *page.sheet;
    const sheet::PageSetup& setup = sheet.Setup();
    const QDateTime now = QDateTime::currentDateTime();
    PageFields fields;
    fields.page = page.number;
    fields.pages = printout_.PageCount();
    fields.sheetName = sheet.Name();
    fields.fileName = printout_.Path().filename().string();
    fields.folder = printout_.Path().parent_path().string();
    fields.date = now.toString(QStringLiteral("yyyy/MM/dd")).toStdString();
    fields.time = now.toString(QStringLiteral("HH:mm")).toStdString();
    const sheet::FontFormat& base = printout_.DefaultFont();
    const double left = setup.marginLeft;
    const double width = setup.PrintableWidth();
    auto paint = [&](const std::string& codes, double edge, Qt::Alignment vertical) {
        const HeaderFooterTexts texts = ExpandHeaderFooter(codes, fields);
        const std::pair<const HeaderFooterSection*, Qt::Alignment> sections[] = {
            {&texts.left, Qt::AlignLeft},
            {&texts.center, Qt::AlignHCenter},
            {&texts.right, Qt::AlignRight}};
        for (const auto& [section, horizontal] : sections) {
            if (section->text.empty()) continue;
            SetFont(painter_, fonts_.Font(base.name, section->fontSize.value_or(base.size),
                                          section->bold, section->italic));
            painter_.setPen(Qt::black);
            const QRectF box = vertical == Qt::AlignTop ? QRectF(left, edge, width, 1000)
                                                        : QRectF(left, edge - 1000, width, 1000);
            painter_.drawText(box, static_cast<int>(horizontal | vertical),
                              QString::fromStdString(section->text));
        }
    };
    paint(setup.header, setup.headerMargin, Qt::AlignTop);
    paint(setup.footer, setup.paperHeight - setup.footerMargin, Qt::AlignBottom);
}

}  // namespace nubera::printout
