#include "ride/CleanupInstalledFiles.h"

#include "platform/CaseInsensitivePath.h"
#include "ride/InstalledFilesList.h"
#include "ride/StagingFolder.h"
#include "ride/StoredPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <functional>
#include <map>

namespace {

constexpr const char* kProtectedFolders[] = {
    "cartextures\\", "data\\",    "elements\\", "environments\\", "help\\",  "objects\\",
    "plugins\\",     "screenshots\\", "teratextures\\", "tracks\\", "woody\\",
};

// The folder part of a listed path, up to and including its last separator, written with "\".
QString FolderOf(const QString& relative)
{
    QString folder = relative;
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return folder.left(folder.lastIndexOf(QLatin1Char('\\')) + 1);
}

// "objects\new\deep\" -> "objects\new\"; a top-level folder -> "".
QString ParentFolder(const QString& folder)
{
    return folder.left(folder.lastIndexOf(QLatin1Char('\\'), -2) + 1);
}

int Depth(const QString& folder) { return int(folder.count(QLatin1Char('\\'))); }

// Removes `folder` when it is empty, a real folder (not a link) and inside the simulator folder.
bool RemoveIfEmpty(CaseInsensitivePath& resolver, const QString& folder)
{
    const QString path = resolver.Resolve(folder.chopped(1));
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink() || !StaysInsideFolder(resolver.BaseFolder(), path))
        return false;
    if (!QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return false;
    return QDir().rmdir(path);
}

// Deletes the listed files and the folders this leaves empty.
CleanupResult RemoveListed(const QString& simulatorPath, const QStringList& listed)
{
    CleanupResult result;
    if (!QFileInfo(simulatorPath).isDir()) {
        result.skipped = listed;
        return result;
    }
    CaseInsensitivePath resolver(simulatorPath);
    // Folders to look at, deepest first, so a folder whose only content was an emptied
    // subfolder is seen empty too.
    std::multimap<int, QString, std::greater<>> folders;
    QSet<QString> seen;
    const auto consider = [&](const QString& folder) {
        if (folder.isEmpty() || IsProtectedFolder(folder) || seen.contains(folder.toCaseFolded()))
            return;
        seen.insert(folder.toCaseFolded());
        folders.emplace(Depth(folder), folder);
    };

    for (const QString& relative : listed) {
        if (!IsSafeStoredPath(relative)) {
            result.skipped << relative;
            continue;
        }
        const QString path = resolver.Resolve(relative);
        if (!StaysInsideFolder(resolver.BaseFolder(), path)) {
            result.skipped << relative;
            continue;
        }
        consider(FolderOf(relative));
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink() && QFile::remove(path))
            result.deleted << relative;
        else
            result.skipped << relative;
    }
    while (!folders.empty()) {
        const QString folder = folders.begin()->second;
        folders.erase(folders.begin());
        if (!RemoveIfEmpty(resolver, folder))
            continue;
        result.removedFolders << folder;
        consider(ParentFolder(folder));
    }
    return result;
}

} // namespace

bool IsProtectedFolder(const QString& relativeFolder)
{
    QString folder = relativeFolder.toLower();
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    for (const char* name : kProtectedFolders)
        if (folder == QLatin1String(name))
            return true;
    return false;
}

CleanupResult CleanupInstalledFiles(const QString& simulatorPath, const QString& programFolder)
{
    // An installation stopped before its plan was saved leaves nothing but its staging folder.
    if (QFileInfo(simulatorPath).isDir())
        RemoveLeftoverStaging(simulatorPath);
    const QString listPath = InstalledFilesListPath(programFolder);
    if (!QFileInfo::exists(listPath))
        return {};
    const CleanupResult result = RemoveListed(simulatorPath, ReadInstalledFilesList(listPath));
    QFile::remove(listPath);
    return result;
}

CleanupResult CleanupInstalledFiles(const QString& simulatorPath, const QString& programFolder,
                                    const QStringList& only)
{
    const QString listPath = InstalledFilesListPath(programFolder);
    QSet<QString> wanted;
    for (const QString& path : only)
        wanted.insert(path.toCaseFolded());
    QStringList listed = ReadInstalledFilesList(listPath);
    listed.removeIf([&](const QString& path) { return !wanted.contains(path.toCaseFolded()); });
    if (listed.isEmpty())
        return {};
    // Files first, then the list: a stop in between leaves a listed path with no file, never a file
    // that is not listed.
    // A list that cannot be rewritten keeps the deleted paths, which the next clean-up passes over.
    const CleanupResult result = RemoveListed(simulatorPath, listed);
    InstalledFilesList(listPath).Drop(result.deleted);
    return result;
}
