#pragma once

#include <QLockFile>
#include <QString>

namespace nubera::app {

// Keeps a second copy of the program from starting: the first copy holds a
// lock file in the user's runtime folder for as long as it runs. A lock left
// by a copy that has died is taken over.
class InstanceLock {
  public:
    explicit InstanceLock(const QString& path = DefaultPath());

    // False only when another running copy holds the lock. True when the lock
    // is now held, or when no lock file can be made at all (the check is then
    // skipped rather than refusing every start).
    bool TryAcquire();

    static QString DefaultPath();

  private:
    QLockFile lock_;
};

}  // namespace nubera::app
