#include "platform/FolderListing.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

// Without QDir::Hidden and QDir::System, Qt leaves out hidden and system entries.
void ListFolderEntries(const QString& folder, QStringList& files, QStringList& subfolders)
{
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (!info.isDir())
            files.append(path);
        else if (!info.isSymLink())
            subfolders.append(path + QLatin1Char('/'));
    }
}
