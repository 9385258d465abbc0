#pragma once
// AppSettings: what the program keeps between runs, grouped as the settings file stores it.
// SetDefaultSettings (settings/DefaultSettings.h) gives every field its default; LoadSettings and
// SaveSettings (settings/SettingsFile.h) move them to and from "Ridevault.rvltdat".

#include "library/NameScheme.h"

#include <QString>
#include <QStringList>

#include <array>

struct AppSettings {
    // LAST: the main window as it was left.
    qint32 WindowState = 0;  // 0 normal, 2 maximised
    qint32 WindowLeft = 0;   // rectangle in twips
    qint32 WindowTop = 0;
    qint32 WindowWidth = 0;
    qint32 WindowHeight = 0;
    // Pixel widths of the list columns "Track Name", "Author", "Rating", "Ridden", "Ride Date",
    // "Type", "Add Date"; element 7 exists but is never stored or used.
    std::array<qint32, 8> ColumnWidths{};

    // FLTR: how a file name becomes a title (see NameSchemeOf).
    bool NameReplaceUnderscores = true;  // "Replace Underscore With Space"
    bool NameTrimSpaces = true;          // "Remove White Space"
    bool NameAutoFormat = true;          // "Auto-Format Title"
    bool NameBracketFilter = true;       // "Use Filename Filter:  TITLE [*] (AUTHOR)"
    bool NameDashFilter = true;          // "Use Filename Filter:  AUTHOR - TITLE"

    // SETS
    qint32 LargeViewWidth = 640;  // large screenshot preview, in pixels
    qint32 LargeViewHeight = 480;
    QString ThemeName;            // theme file name without ".rvltt"; "" is the built-in theme

    // PATH: the media folders to scan, each a full path.
    QStringList MediaPaths;
    qint32 MediaPathCount() const { return static_cast<qint32>(MediaPaths.size()); }

    // ROOT
    QString SimulatorPath;  // ends in a separator, or ""
    QString ThemePath;      // ends in a separator

    bool operator==(const AppSettings&) const = default;
};

// The five name-scheme flags, as record creation takes them.
inline NameScheme NameSchemeOf(const AppSettings& settings)
{
    NameScheme scheme;
    scheme.NameReplaceUnderscores = settings.NameReplaceUnderscores;
    scheme.NameTrimSpaces = settings.NameTrimSpaces;
    scheme.NameAutoFormat = settings.NameAutoFormat;
    scheme.NameBracketFilter = settings.NameBracketFilter;
    scheme.NameDashFilter = settings.NameDashFilter;
    return scheme;
}
