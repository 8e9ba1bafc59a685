#pragma once

#include <QStringList>

namespace nubera::app {

// The project files loaded or saved last, newest first, remembered per user
// (QSettings) so that the file menu offers them again in the next session.
class RecentFiles {
  public:
    static constexpr int kCount = 8;

    QStringList List() const;
    // Puts `file` first, once, and forgets what falls beyond kCount.
    void Add(const QString& file);
    // A file that could not be opened is offered no more.
    void Remove(const QString& file);

  private:
    void Store(const QStringList& files);
};

}  // namespace nubera::app
