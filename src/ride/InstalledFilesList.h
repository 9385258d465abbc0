#pragma once
// The installed-files list "Ridevault.rvltps" in the program folder: the simulator-relative paths
// (folder and name, "\" as written in the package) of the files package installations created,
// separated by "|", no separator after the last, nothing else in the file, one byte per character.
//
// An installation saves its plan here once, before its first file lands: every path it is about to
// create, added to what the list already held (a list left by an earlier ride is kept, so no
// earlier file is forgotten). The save replaces the file in one rename and waits for the disk, so
// whenever the program stops from then on, every file the installation has created is listed; a
// planned file that never got written is simply not there for the clean-up to delete. On success
// the plan is exactly what was created, so nothing more is written.

#include <QByteArray>
#include <QString>
#include <QStringList>

inline constexpr char kInstalledFilesListName[] = "Ridevault.rvltps";

// programFolder + "Ridevault.rvltps" (a separator added when the folder has none).
QString InstalledFilesListPath(const QString& programFolder);

// The listed paths of the file (empty when there is none). Empty pieces are dropped.
QStringList ReadInstalledFilesList(const QString& listPath);

class InstalledFilesList {
public:
    // Remembers what the file holds now, so that SavePlan() extends it and Restore() can put it back.
    explicit InstalledFilesList(const QString& listPath);

    // False when a list is there but cannot be read: adding to it would lose the earlier paths.
    bool Readable() const { return m_readable; }

    // Adds the planned paths (those already listed, in any letter case, once only) and saves the
    // whole list, waiting until it is on disk. False when it could not be saved (the file then
    // holds the previous list).
    bool SavePlan(const QStringList& relativePaths);
    // Puts the file back as it was when this object was made (removed when there was none).
    bool Restore();
    // Takes the paths (letter case ignored) out of the list and saves the rest byte for byte as it
    // was; the file goes when nothing is left. False when it could not be saved or removed.
    bool Drop(const QStringList& relativePaths);

private:
    QString m_path;
    bool m_existed = false;
    bool m_readable = true;
    QByteArray m_original;
    QByteArray m_content;
};
