#pragma once
// The installed-files list "Ridevault.rvltps" in the program folder: the simulator-relative paths
// (folder and name, "\" as written in the package) of the files a package installation created,
// separated by "|", no separator after the last, nothing else in the file, one byte per character.
//
// The installation rewrites the whole list (atomically, by renaming a new copy over it) before each
// file it creates, so whenever the program stops, every file it created is in the list; once all
// files are in place the list is saved once more and waited for on disk. A list left by an earlier
// ride is kept and added to, so no earlier file is forgotten.

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
    // Remembers what the file holds now, so that Add() extends it and Restore() can put it back.
    explicit InstalledFilesList(const QString& listPath);

    // False when a list is there but cannot be read: adding to it would lose the earlier paths.
    bool Readable() const { return m_readable; }

    // Appends one path and replaces the whole list atomically (not yet waited for on disk). False
    // when it could not be saved (the file then holds the previous list).
    bool Add(const QString& relativePath);
    // Saves the list as it stands and waits until it is on disk.
    bool Sync();
    // Puts the file back as it was when this object was made (removed when there was none).
    bool Restore();

private:
    QString m_path;
    bool m_existed = false;
    bool m_readable = true;
    QByteArray m_original;
    QByteArray m_content;
};
