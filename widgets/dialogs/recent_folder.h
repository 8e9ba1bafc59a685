#pragma once

#include <QString>

namespace nubera::widgets {

// The folder the project file dialogs open in: the one the person last chose
// a file in, remembered per user across runs, or `fallback` (the program's
// folder) the first time and when the remembered one is gone.
class RecentFolder {
  public:
    explicit RecentFolder(QString fallback) : fallback_(std::move(fallback)) {}

    QString Folder() const;
    // Remembers the folder of a chosen file.
    void Remember(const QString& chosenFile);

  private:
    QString fallback_;
};

}  // namespace nubera::widgets
