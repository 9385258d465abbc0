#include "instance/LibraryClaim.h"

#include "instance/HandOver.h"

#include <QDeadlineTimer>

LibraryClaim ClaimLibrary(LibraryLock& lock, const QString& programFolder, const QStringList& absolutePaths, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (lock.TryLock())
            return LibraryClaim::Owner;
        if (lock.Error() != QLockFile::LockFailedError)
            return LibraryClaim::Unlockable;
        switch (HandOverFiles(programFolder, absolutePaths)) {
        case HandOverResult::Delivered:
            return LibraryClaim::HandedOver;
        case HandOverResult::Refused:
            return LibraryClaim::Refused;
        case HandOverResult::NoProgram:
            break;
        }
        if (deadline.hasExpired())
            return LibraryClaim::Busy;
        if (lock.TryLock(200))
            return LibraryClaim::Owner;
    }
}
