#pragma once

#include <QLockFile>
#include <QString>

namespace nubera {

// Keeps a second copy of the program from starting: the first copy holds a
// lock file in the user's runtime folder for as long as it runs. A lock left
// by a copy that has died is taken over.
class InstanceLock {
  public:
    explicit InstanceLock(const QString& path = DefaultPath());

    // True when this is the only running copy (the lock is now held).
    bool TryAcquire();

    static QString DefaultPath();

  private:
    QLockFile lock_;
};

}  // namespace nubera
