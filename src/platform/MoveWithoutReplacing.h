#pragma once
// Moving a file to a new name on the same file system, never replacing what is already there, in
// one step: a file that appears at the new name in the meantime is kept and the move fails.

#include <QString>

bool MoveWithoutReplacing(const QString& from, const QString& to);
