#pragma once

#include <QLockFile>
#include <QString>

// The lock file of the store file `storeFile`, beside it.
QString StoreLockFile(const QString& storeFile);

// The lock beside the settings file that says a program is using it: a window for its whole
// life, a batch command that writes the store while it writes. Two names of one file (a link,
// "..") share one lock. A lock left by a process that no longer runs is taken over.
class StoreLock {
  public:
    enum class State {
        Held,           // by this object, until it is destroyed
        HeldElsewhere,  // by a process that runs
        Unavailable,    // the lock file cannot be made (a read-only folder), so nobody can tell
    };

    explicit StoreLock(const QString& storeFile);

    // Never waits.
    State tryHold();
    // The store's path with every link resolved, also before the file exists.
    const QString& resolvedStore() const { return resolved_; }

  private:
    QString resolved_;
    QLockFile lock_;
};
