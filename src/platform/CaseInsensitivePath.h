#pragma once
// Simulator-relative paths ("objects\loop\station.obj") as Windows sees them, on any file system.
//
// Packages and the installed-files list store such paths with "\" (a "/" counts as a separator too,
// as it does on Windows). On a case-sensitive file system each component is matched ignoring letter
// case against what exists, so "objects\" finds an existing "Objects/" just as Windows would; the
// components that exist nowhere are kept as written. When two spellings of one name exist side by
// side, the exact spelling wins, else the first in name order, so every lookup picks the same one.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The components of a stored relative path, split at "\" and "/". Empty components are kept (a
// leading, doubled or trailing separator shows up as ""), so a caller can refuse them.
QStringList SplitStoredPath(const QString& relative);

// Resolves stored paths below one base folder. Each folder's listing is read once and kept, so a
// package of thousands of entries does not list the same folder thousands of times; names that the
// caller is about to create are added with NoteCreated so that later lookups see them.
class CaseInsensitivePath {
public:
    explicit CaseInsensitivePath(const QString& baseFolder);

    const QString& BaseFolder() const { return m_base; }

    // The native full path of a stored relative path (components as given, no validation).
    QString Resolve(const QString& relative);
    QString Resolve(const QStringList& components);
    // True when the name (in any letter case) exists, or was noted, in the folder `folderPath`.
    bool Contains(const QString& folderPath, const QString& name);
    // Records that fullPath (below the base folder) and the folders above it now exist.
    void NoteCreated(const QString& fullPath);

private:
    struct Listing {
        QSet<QString> exact;
        QHash<QString, QString> folded;  // case-folded name -> spelling on disk
    };
    Listing& ListingOf(const QString& folderPath);
    static void Add(Listing& listing, const QString& name);

    QString m_base;
    QHash<QString, Listing> m_listings;
};

// One lookup, without a kept cache.
QString ResolveCaseInsensitive(const QString& baseFolder, const QString& relative);

// True when `path` lies inside `folder` (or is it) after every symbolic link along the part of the
// path that exists has been followed. A dangling link on the way counts as outside: where it would
// lead is unknown. The not yet existing rest of the path must be free of "." and ".." (callers
// refuse those before asking).
bool StaysInsideFolder(const QString& folder, const QString& path);
