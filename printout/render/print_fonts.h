#pragma once

// The fonts a workbook names, found among the installed ones: a Japanese
// template names the Windows faces (ＭＳ Ｐゴシック, ＭＳ 明朝, …), which
// stand in here for the CJK faces of the same kind when they are missing.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <map>
#include <memory>
#include <string>

namespace nubera::printout {

class PrintFonts {
  public:
    // Fonts for painting on `device` with a painter scaled to draw in points.
    explicit PrintFonts(QPaintDevice* device);

    // `size` in points.
    const QFont& Font(const std::string& name, double size, bool bold, bool italic,
                      bool underline = false, bool strike = false);
    // The metrics of a font from Font(), in points.
    const QFontMetricsF& Metrics(const QFont& font);

  private:
    // A font as a workbook asks for it.
    struct Request {
        std::string name;
        double size;
        bool bold, italic, underline, strike;
        auto operator<=>(const Request&) const = default;
    };

    QString Family(const std::string& name);

    QPaintDevice* device_;
    double pointsPerPixel_;
    QHash<QString, QString> families_;
    std::map<Request, QFont> fonts_;
    QHash<QFont, std::shared_ptr<QFontMetricsF>> metrics_;
};

// The installed family printed for a family a workbook names.
QString InstalledFamily(const QString& family);

// Finds the installed fonts now (the first look takes milliseconds), so
// that it can be done while something else waits, such as a workbook being
// read on another thread.
void FindInstalledFonts();

// Gives `painter` the font unless it has an equal one already: a font set
// anew loses the glyph tables it has found, and finding them again for every
// cell costs more than drawing its text.
void SetFont(QPainter& painter, const QFont& font);

}  // namespace nubera::printout
