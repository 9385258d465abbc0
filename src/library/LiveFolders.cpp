#include "library/LiveFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace {

bool IsRideFile(const QString& name)
{
    return name.endsWith(QLatin1String(".tktrack"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".tkpack"), Qt::CaseInsensitive);
}

// Entries of `after` that are not in `before`, in the order of `after`.
QStringList Missing(const QStringList& after, const QStringList& before)
{
    const QSet<QString> known(before.begin(), before.end());
    QStringList missing;
    for (const QString& entry : after) {
        if (!known.contains(entry))
            missing << entry;
    }
    return missing;
}

} // namespace

QString FolderWithSlash(const QString& folder)
{
    QString path = folder;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

FolderListing ListMediaFolder(const QString& folder)
{
    FolderListing listing;
    const QString base = FolderWithSlash(folder);
    // QDir::Hidden left out: dot names are skipped, as the scan skips them.
    QDirIterator it(base, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue;
        if (info.isDir()) {
            if (!info.isSymLink())
                listing.Subfolders << base + name + QLatin1Char('/');
        } else if (info.isFile() && IsRideFile(name)) {
            listing.Files << base + name;
        }
    }
    return listing;
}

FolderChanges CompareListings(const FolderListing& before, const FolderListing& after)
{
    FolderChanges changes;
    changes.AddedFiles = Missing(after.Files, before.Files);
    changes.GoneFiles = Missing(before.Files, after.Files);
    changes.AddedFolders = Missing(after.Subfolders, before.Subfolders);
    changes.GoneFolders = Missing(before.Subfolders, after.Subfolders);
    return changes;
}

const FolderListing& LiveFolders::Join(const QString& folder)
{
    const QString path = FolderWithSlash(folder);
    return m_listings[path] = ListMediaFolder(path);
}

bool LiveFolders::IsJoined(const QString& folder) const
{
    return m_listings.contains(FolderWithSlash(folder));
}

FolderChanges LiveFolders::Refresh(const QString& folder)
{
    const QString path = FolderWithSlash(folder);
    FolderChanges changes;
    if (!m_listings.contains(path) || !QFileInfo(path).isDir()) {
        Drop(path, changes);
        return changes;
    }
    FolderListing& listing = m_listings[path];
    FolderListing now = ListMediaFolder(path);
    changes = CompareListings(listing, now);
    listing = std::move(now);
    const QStringList goneSubfolders = changes.GoneFolders;
    changes.GoneFolders.clear();
    for (const QString& subfolder : goneSubfolders)
        Drop(subfolder, changes);
    return changes;
}

// Forgets folder and every joined folder under it; their files and the folders themselves go
// into changes.
void LiveFolders::Drop(const QString& folder, FolderChanges& changes)
{
    changes.GoneFolders << folder;
    for (auto it = m_listings.begin(); it != m_listings.end();) {
        if (it.key().startsWith(folder)) {
            if (it.key() != folder)
                changes.GoneFolders << it.key();
            changes.GoneFiles << it.value().Files;
            it = m_listings.erase(it);
        } else {
            ++it;
        }
    }
}
