#pragma once

class QApplication;

namespace nubera::widgets {

// Makes the program look as on a Japanese desktop: Qt's own Japanese
// translation (qtbase_ja.qm) for the standard buttons and dialogs (はい,
// いいえ, キャンセル), and a Japanese font for every window. Returns false when
// the translation is not installed; the program still runs then.
bool SetUpJapaneseDesktop(QApplication& app);

}  // namespace nubera::widgets
