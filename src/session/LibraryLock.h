#pragma once
// The lock of a library: a program folder (database, settings, themes) belongs to one running
// program at a time, or the last of two to save would silently win. The lock is a QLockFile named
// kLibraryLockFileName in the program folder, beside the database, so whoever holds a database file
// in hand (ridevault-cli) finds the lock in the database's folder. A lock left by a program that was
// killed is taken over: its process no longer runs. A live program's lock never goes stale by age.

#include <QLockFile>
#include <QString>

inline constexpr char kLibraryLockFileName[] = "ridevault.lock";

// The lock file of the library in folder.
QString LibraryLockPath(const QString& folder);

class LibraryLock {
public:
    explicit LibraryLock(const QString& folder);

    // Takes the lock, waiting up to timeoutMs; True when held (also when it already was).
    bool TryLock(int timeoutMs = 0);
    bool IsHeld() const { return m_file.isLocked(); }
    void Unlock() { m_file.unlock(); }
    // Why the last TryLock failed: LockFailedError when someone else holds it.
    QLockFile::LockError Error() const { return m_file.error(); }

    // True when a running process holds the library in folder (a stale lock does not count). Takes
    // and releases the lock when it is free, so it may remove a stale lock file.
    static bool IsHeldElsewhere(const QString& folder);

private:
    QLockFile m_file;
};
