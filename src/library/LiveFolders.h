#pragma once
// LiveFolders: what the program last saw in each media folder it watches, and what changed since.
// The window's folder watcher tells which folder changed; Refresh lists that folder again and
// compares the listing with the last one: the ride files (".tktrack", ".tkpack") that came and
// went, and the subfolders that came and went. A folder that went takes every watched folder
// under it along, and their files count as gone too.
//
// A listing sees what the file scan sees: regular files (or links to them) and subfolders, never
// hidden ones (a name starting with "."), and never a link to a folder. Paths are full; folders
// end in "/". Nothing here touches the media table.

#include <QHash>
#include <QString>
#include <QStringList>

struct FolderListing {
    QStringList Files;       // ride files, in the order the file system gives them
    QStringList Subfolders;  // each ending in "/"
};

struct FolderChanges {
    QStringList AddedFiles;
    QStringList GoneFiles;
    QStringList AddedFolders;
    QStringList GoneFolders;  // the folders to stop watching
};

// The ride files and subfolders directly in folder; empty when it cannot be read.
FolderListing ListMediaFolder(const QString& folder);

// What differs between two listings of the same folder, in the order of the listings.
FolderChanges CompareListings(const FolderListing& before, const FolderListing& after);

class LiveFolders {
public:
    // Takes the folder in ("/" appended when missing) and returns its listing; its subfolders are
    // the caller's to join in turn.
    const FolderListing& Join(const QString& folder);
    // Lists a joined folder again. A folder that no longer exists (or was never joined) reports
    // itself and every joined folder under it as gone, with their files.
    FolderChanges Refresh(const QString& folder);
    bool IsJoined(const QString& folder) const;
    qsizetype FolderCount() const { return m_listings.size(); }
    QStringList Folders() const { return m_listings.keys(); }
    void Clear() { m_listings.clear(); }

private:
    void Drop(const QString& folder, FolderChanges& changes);

    QHash<QString, FolderListing> m_listings;
};

// The folder with exactly one "/" at its end.
QString FolderWithSlash(const QString& folder);
