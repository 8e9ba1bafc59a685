#include "printout/render/print_fonts.h"

#include <QFontDatabase>

namespace nubera::printout {
namespace {

const QString kGothic = QStringLiteral("Noto Sans CJK JP");
const QString kMonoGothic = QStringLiteral("Noto Sans Mono CJK JP");
const QString kMincho = QStringLiteral("Noto Serif CJK JP");

bool Names(const QString& family, std::initializer_list<const char*> parts) {
    for (const char* part : parts) {
        if (family.contains(QString::fromUtf8(part), Qt::CaseInsensitive)) return true;
    }
    return false;
}

// The CJK face closest in kind: serif for the Mincho faces, fixed pitch for
// the non-proportional Gothic, proportional sans for the rest.
QString Substitute(const QString& family) {
    if (Names(family, {"明朝", "Mincho", "Serif"})) return kMincho;
    const bool proportional = Names(family, {"Ｐ", "PGothic", "P Gothic", "UI"});
    if (Names(family, {"ゴシック", "Gothic"}) && !proportional) return kMonoGothic;
    return kGothic;
}

}  // namespace

QString InstalledFamily(const QString& family) {
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return family;
    const QString substitute = Substitute(family);
    return QFontDatabase::hasFamily(substitute) ? substitute : QFont().defaultFamily();
}

void FindInstalledFonts() {
    InstalledFamily(kGothic);
}

// A font's point size counts the device's pixels, which the painter's scale
// to points enlarges in turn; sizes are set in points of the painter instead.
PrintFonts::PrintFonts(QPaintDevice* device)
    : device_(device), pointsPerPixel_(72.0 / device->logicalDpiY()) {}

QString PrintFonts::Family(const std::string& name) {
    const QString family = QString::fromStdString(name);
    auto found = families_.find(family);
    if (found == families_.end()) found = families_.insert(family, InstalledFamily(family));
    return *found;
}

const QFont& PrintFonts::Font(const std::string& name, double size, bool bold, bool italic,
                              bool underline, bool strike) {
    Request request{name, size, bold, italic, underline, strike};
    const auto found = fonts_.find(request);
    if (found != fonts_.end()) return found->second;
    QFont font(Family(name));
    font.setPointSizeF(size * pointsPerPixel_);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strike);
    // Glyphs keep their outline widths at every zoom, as on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    // Japanese and Latin need no shaping; shaped digits would lose their
    // characters in the PDF's text ("H = 21m" read back as "H = m").
    font.setStyleStrategy(QFont::PreferNoShaping);
    return fonts_.emplace(std::move(request), font).first->second;
}

const QFontMetricsF& PrintFonts::Metrics(const QFont& font) {
    auto found = metrics_.find(font);
    if (found == metrics_.end()) {
        found = metrics_.insert(font, std::make_shared<QFontMetricsF>(font, device_));
    }
    return **found;
}

void SetFont(QPainter& painter, const QFont& font) {
    if (painter.font() != font) painter.setFont(font);
}

}  // namespace nubera::printout
