#include "widgets/japanese_desktop.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace nubera {
namespace {

bool InstallQtTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace

bool SetUpJapaneseDesktop(QApplication& app) {
    // The windows were designed for "ＭＳ Ｐゴシック"; where it is missing, the
    // Japanese Noto face keeps the Japanese glyph shapes (not the Chinese ones
    // a generic fallback might pick).
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP")});
    QApplication::setFont(font);
    return InstallQtTranslation(app);
}

}  // namespace nubera
