#include "platform/MoveWithoutReplacing.h"

#include <QDir>

#include <windows.h>

bool MoveWithoutReplacing(const QString& from, const QString& to)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the new name is taken.
    return MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()), 0) != 0;
}
