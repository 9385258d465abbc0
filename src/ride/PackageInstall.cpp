#include "ride/PackageInstall.h"

#include "library/MediaRecord.h"
#include "recordio/BinaryFileIO.h"
#include "platform/CaseInsensitivePath.h"
#include "platform/MoveWithoutReplacing.h"
#include "ride/InstalledFilesList.h"
#include "ride/PackageUnpack.h"
#include "ride/StagingFolder.h"
#include "ride/StoredPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

// One file the installation will create.
struct PlannedFile {
    const PackageEntry* entry;
    QString target;  // full path, resolved ignoring letter case
    QString staged;  // inflated copy in the staging folder
};

// False when something on the way to `folder` exists but is not a folder, so the folder can never
// be made; found now, before anything is written.
bool FolderCanBeMade(const QString& folder)
{
    for (QString probe = folder;; probe = QFileInfo(probe).path()) {
        const QFileInfo info(probe);
        if (info.exists() || info.isSymLink())
            return info.isDir();
        if (QFileInfo(probe).path() == probe)
            return false;
    }
}

// Creates `folder` and the missing ones above it; appends the ones it made, outermost first.
bool MakeFolder(const QString& folder, QStringList& made)
{
    QStringList missing;
    for (QString probe = folder; !QFileInfo::exists(probe); probe = QFileInfo(probe).path())
        missing.prepend(probe);
    for (const QString& f : std::as_const(missing)) {
        if (!QDir().mkdir(f))
            return false;
        made << f;
    }
    return true;
}

bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(bytes) == bytes.size()
        && file.flush();
}

// Puts everything back after a failure part-way: files first, then the folders made for them
// (innermost first, only while empty), then the list, so a stop at any moment of this still leaves
// every remaining created file listed.
void Undo(const QStringList& files, const QStringList& folders, InstalledFilesList& list)
{
    for (auto it = files.crbegin(); it != files.crend(); ++it)
        QFile::remove(*it);
    for (auto it = folders.crbegin(); it != folders.crend(); ++it)
        QDir().rmdir(*it);
    list.Restore();
}

void Reach(const PackageInstallation& installation, InstallPoint point)
{
    if (installation.Reached)
        installation.Reached(point);
}

// Checks every entry's path and decides which entries create a file.
PackageResult PlanFiles(const PackageContents& contents, CaseInsensitivePath& resolver, std::vector<PlannedFile>& plan)
{
    for (const PackageEntry& e : contents.Entries)
        if (!IsSafeStoredPath(e.RelativePath()))
            return kPackageHostileName;
    // Entries share folders, and nothing on disk changes while planning: whether a folder leads
    // outside and whether it can be made is found once per folder. A name that is there already is
    // checked itself, since it may be a link.
    QHash<QString, bool> folderInside;
    QHash<QString, bool> folderCanBeMade;
    const auto once = [](QHash<QString, bool>& known, const QString& folder, auto&& find) {
        auto it = known.constFind(folder);
        if (it == known.cend())
            it = known.insert(folder, find(folder));
        return it.value();
    };
    const auto inside = [&](const QString& folder) { return StaysInsideFolder(resolver.BaseFolder(), folder); };
    for (const PackageEntry& e : contents.Entries) {
        const QString target = resolver.Resolve(e.RelativePath());
        const QFileInfo info(target);
        const bool present = info.exists() || info.isSymLink();
        if (!(present ? inside(target) : once(folderInside, info.path(), inside)))
            return kPackageHostileName;
        // An existing file, or one an earlier entry of this package creates, is left alone.
        if (resolver.Contains(info.path(), info.fileName()))
            continue;
        if (!once(folderCanBeMade, info.path(), FolderCanBeMade))
            return kPackageCannotUnpack;
        resolver.NoteCreated(target);
        plan.push_back({&e, target, QString()});
    }
    return kPackageInstalled;
}

// Inflates every entry, proving each stream, and stages the ones that create a file.
PackageResult StageFiles(QByteArrayView file, const PackageContents& contents, std::vector<PlannedFile>& plan,
               const QTemporaryDir& staging)
{
    auto next = plan.begin();
    for (const PackageEntry& e : contents.Entries) {
        QByteArray bytes;
        if (UnpackEntry(file, contents, e, bytes) != 0)
            return kPackageCannotUnpack;
        if (next == plan.end() || next->entry != &e)
            continue;
        next->staged = staging.filePath(QString::number(next - plan.begin()));
        if (!WriteWhole(next->staged, bytes))
            return kPackageCannotUnpack;
        ++next;
    }
    return kPackageInstalled;
}

} // namespace

PackageResult InstallPackage(PackageInstallation& installation, const QString& packagePath)
{
    installation.Created.clear();
    BinaryFileIO io;
    io.SetBigEndian(0);
    if (!io.LoadBuffer(packagePath))
        return kPackageCannotLoad;
    PackageContents contents;
    if (const PackageResult parsed = ParsePackage(io, contents); parsed != kPackageInstalled)
        return parsed;
    installation.Contents = contents;
    if (installation.RequireTrack
        && std::none_of(contents.Entries.begin(), contents.Entries.end(),
                        [](const PackageEntry& e) { return IsTrackFileName(e.Name); }))
        return kPackageNoTrack;

    if (!QFileInfo(installation.SimulatorPath).isDir())
        return kPackageCannotUnpack;
    CaseInsensitivePath resolver(installation.SimulatorPath);
    std::vector<PlannedFile> plan;
    if (const PackageResult planned = PlanFiles(contents, resolver, plan); planned != kPackageInstalled)
        return planned;

    InstalledFilesList list(InstalledFilesListPath(installation.ProgramFolder));
    if (!list.Readable())
        return kPackageCannotUnpack;
    RemoveLeftoverStaging(resolver.BaseFolder());
    QTemporaryDir staging(StagingFolderTemplate(resolver.BaseFolder()));
    if (!staging.isValid())
        return kPackageCannotUnpack;
    const QByteArrayView file(io.FileBuffer().constData(), io.FileBufferLength());
    if (const PackageResult staged = StageFiles(file, contents, plan, staging); staged != kPackageInstalled)
        return staged;
    Reach(installation, InstallPoint::Staged);

    // The plan is on disk before the first file lands: a stop from here on leaves every created
    // file (and every folder made for one) listed, and a planned file not yet there is no harm.
    QStringList planned;
    for (const PlannedFile& p : plan)
        planned << p.entry->RelativePath();
    if (!list.SavePlan(planned))
        return kPackageCannotUnpack;
    Reach(installation, InstallPoint::PlanSaved);

    QStringList madeFiles;
    QStringList madeFolders;
    for (const PlannedFile& p : plan) {
        if (!MakeFolder(QFileInfo(p.target).path(), madeFolders)) {
            Undo(madeFiles, madeFolders, list);
            return kPackageCannotUnpack;
        }
        if (installation.BeforeFileLands)
            installation.BeforeFileLands(p.entry->RelativePath());
        if (!MoveWithoutReplacing(p.staged, p.target)) {
            Undo(madeFiles, madeFolders, list);
            return kPackageCannotUnpack;
        }
        madeFiles << p.target;
    }
    Reach(installation, InstallPoint::FilesInPlace);

    for (const PackageEntry& e : contents.Entries)
        if (IsTrackFileName(e.Name))
            installation.InstalledTrack = e.RelativePath();
    installation.Created = planned;
    return kPackageInstalled;
}
