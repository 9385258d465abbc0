#pragma once
// A Wine prefix inside a test folder, laid out as Wine lays one out: "drive_c", one symbolic link
// per drive in "dosdevices", and the user registry "user.reg".

#include "TestFolder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <initializer_list>
#include <utility>

// Links "<prefix>/dosdevices/<drive>" to each target ("c:" -> "../drive_c", "z:" -> "/", ...); an
// empty prefix is the test folder itself. False when a link could not be made.
inline bool LinkWineDrives(TestFolder& folder, const QString& prefix,
                           std::initializer_list<std::pair<const char*, QString>> drives)
{
    const QString dosdevices = prefix.isEmpty() ? QStringLiteral("dosdevices") : prefix + QStringLiteral("/dosdevices");
    folder.createDir(dosdevices);
    for (const auto& [drive, target] : drives)
        if (!QFile::link(target, folder.filePath(dosdevices + QLatin1Char('/') + QLatin1String(drive))))
            return false;
    return true;
}

// A user.reg as Wine writes it whose "Software\Trakora Coasters" key holds the given value lines
// (for example "\"InstPath\"=\"C:\\\\Trakora\"").
inline QByteArray WineUserReg(const QByteArray& valueLines)
{
    return "WINE REGISTRY Version 2\n\n[Software\\\\Trakora Coasters] 1700000000\n#time=1d0\n" + valueLines + "\n";
}
