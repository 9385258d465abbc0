#pragma once
// LiveMediaFolders: watches the media folders while the program runs, so files created, removed
// or renamed there reach the list without a scan. The folders and every non-hidden subfolder are
// watched (QFileSystemWatcher); subfolders that appear are joined with their files, subfolders
// that go are dropped with theirs (LiveFolders keeps the listings).
//
// Changes are gathered for kLiveSettleInterval ms, so a burst of a thousand files is one piece of
// work, and that work is done a slice at a time (at most kLiveSliceMs per tick, the rest on the
// next tick), so the window stays responsive however many files come at once.
//
// When the system refuses a watch (the inotify limit), every watch is given up and limitReached
// runs; the program falls back to the file scan.

#include "library/LiveFolders.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

inline constexpr int kLiveSettleInterval = 200;  // ms
inline constexpr int kLiveSliceMs = 30;

class LiveMediaFolders : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(const QString& path)> fileAdded;        // a new ride file
        std::function<void(const QString& path)> fileGone;         // a ride file that went
        std::function<void()> sliceDone;                           // after each slice that changed something
        std::function<void()> limitReached;                        // the watches were given up
    };
    // How a folder is put under watch; false when the system refuses it.
    using AddPath = std::function<bool(QFileSystemWatcher& watcher, const QString& folder)>;

    explicit LiveMediaFolders(Handlers handlers, QObject* parent = nullptr);

    // Watches these folders (dropping any watched before); their present files are not reported.
    void Start(const QStringList& mediaFolders);
    void Stop();
    void SetAddPath(AddPath addPath) { m_addPath = std::move(addPath); }

    bool IsWatching() const { return m_watching; }
    // True when nothing waits to be done: every change seen so far has been reported.
    bool IsSettled() const { return m_dirty.isEmpty() && m_joins.empty() && m_goneFiles.empty() && m_newFiles.empty(); }
    QStringList WatchedFolders() const { return m_folders.Folders(); }

private:
    struct Join {
        QString Folder;
        bool FilesAreNew = false;
    };
    void FolderChanged(const QString& folder);
    void Tick();
    bool JoinFolder(const Join& join);
    void GiveUp();

    Handlers m_handlers;
    AddPath m_addPath;
    QFileSystemWatcher m_watcher;
    LiveFolders m_folders;
    QTimer m_tick;
    QSet<QString> m_dirty;
    std::deque<Join> m_joins;
    std::deque<QString> m_goneFiles;
    std::deque<QString> m_newFiles;
    bool m_watching = false;
};
