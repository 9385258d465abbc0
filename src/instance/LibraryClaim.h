#pragma once
// What a start of the program does about the library it was given: own it (take the lock), or hand
// its files to the program that owns it and end.

#include "session/LibraryLock.h"

#include <QStringList>

enum class LibraryClaim {
    Owner,       // the lock is held: this start opens the window
    Unlockable,  // the lock file cannot be made (a read-only folder): open without it
    HandedOver,  // the running program took the files: end with status 0
    Refused,     // the running program would not take them (too many, or it is stuck)
    Busy,        // someone holds the lock but does not answer (ridevault-cli writing, a program starting)
};

// Takes lock, or hands absolutePaths over to the owner of programFolder; keeps trying both for up to
// waitMs, since an owner that has just started may not listen yet.
LibraryClaim ClaimLibrary(LibraryLock& lock, const QString& programFolder, const QStringList& absolutePaths,
                          int waitMs = 10000);
