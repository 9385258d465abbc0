#include "session/LibraryLock.h"

#include <QDir>

QString LibraryLockPath(const QString& folder)
{
    return QDir(folder).filePath(QLatin1String(kLibraryLockFileName));
}

LibraryLock::LibraryLock(const QString& folder) : m_file(LibraryLockPath(folder))
{
    // Only a lock whose process has gone is stale; the program may run for weeks.
    m_file.setStaleLockTime(0);
}

bool LibraryLock::TryLock(int timeoutMs)
{
    return m_file.isLocked() || m_file.tryLock(timeoutMs);
}

bool LibraryLock::IsHeldElsewhere(const QString& folder)
{
    LibraryLock probe(folder);
    return !probe.TryLock() && probe.Error() == QLockFile::LockFailedError;
}
