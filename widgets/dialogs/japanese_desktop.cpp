#include "widgets/dialogs/japanese_desktop.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace nubera::widgets {
namespace {

// Texts of Qt's dialogs that its Japanese translation leaves in English.
class MissingQtTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        // The print dialog's choice of a page range.
        if (qstrcmp(context, "QPrintSettingsOutput") == 0 && qstrcmp(source, "Pages") == 0) {
            return QStringLiteral("ページ指定");
        }
        return {};
    }
};

bool InstallQtTranslation(QApplication& app) {
    QCoreApplication::installTranslator(new MissingQtTexts(&app));
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

}  // namespace nubera::widgets
