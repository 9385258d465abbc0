#pragma once
// mPassiveFileSearch: a breadth-first walk of folders cut into small steps, so that a timer can
// run it one step per tick without ever blocking the window.
//
// Each SearchStep does exactly one of these, in this order of priority:
//   1. test up to FilesPerStep listed files against the wanted extensions;
//   2. list the files of the next known folder;
//   3. add the subfolders of the next folder to the end of the folder list (one directory listing
//      per folder finds its files and its subfolders; the subfolders wait for this step);
// and returns False once nothing is left. So every file of every known folder is listed and
// tested before the first folder's subfolders are looked at, and the walk is breadth-first.
// Within a folder, entries come in the order the file system returns them (never sorted).
//
// What the walk sees on Linux: a name starting with "." is hidden, and hidden files and folders
// are skipped; only regular files (or links to them) are listed, never sockets, pipes or devices;
// a symbolic link to a folder is never entered, so a link loop cannot make the walk endless.

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class PassiveFileSearch {
public:
    // Forgets everything; n files are tested per step (at least 1).
    void ResetSearch(qint32 filesPerStep);
    // Adds a folder to visit (a "/" is appended when missing). A folder already given, ignoring
    // letter case, is not added twice; an empty text is ignored (it must not become "/").
    void AddSearchFolder(const QString& folder);
    // Adds a wanted extension: "*.tktrack", "tktrack" and ".TKTRACK" all become ".tktrack".
    // Without any extension every listed file is found.
    void AddSearchExtension(const QString& extension);
    // One bounded piece of work; True while work remains.
    bool SearchStep();

    const QStringList& SearchFolders() const { return m_searchFolders; }
    // Full paths of the matching files, in the order found; grows while the walk goes on.
    const QStringList& FoundFiles() const { return m_foundFiles; }
    qint32 FoundCount() const { return static_cast<qint32>(m_foundFiles.size()); }
    // Hands over the files found so far and starts FoundFiles() afresh: a caller that uses each found
    // file once (and at once) keeps a large walk's memory to one folder's worth.
    QStringList TakeFoundFiles() { return std::exchange(m_foundFiles, {}); }

private:
    void ListFolder(const QString& folder);
    void TestCandidates();

    QStringList m_searchFolders;   // each ends in "/"
    QList<QStringList> m_subfoldersOf;  // per listed folder, its subfolders until their step
    qint32 m_subfolderIndex = 0;   // next folder whose subfolders are listed
    qint32 m_fileListIndex = 0;    // next folder whose files are listed
    QStringList m_candidateFiles;  // the listed files not yet tested, any extension, from m_candidateIndex
    qint32 m_candidateIndex = 0;   // next candidate to test
    QStringList m_searchExtensions;  // lower case, each starting with "."
    QStringList m_foundFiles;
    qint32 m_filesPerStep = 1;
};
