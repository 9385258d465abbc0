#include "app/LiveMediaFolders.h"

#include <QElapsedTimer>
#include <QFileInfo>

LiveMediaFolders::LiveMediaFolders(Handlers handlers, QObject* parent)
    : QObject(parent)
    , m_handlers(std::move(handlers))
    , m_addPath([](QFileSystemWatcher& watcher, const QString& folder) { return watcher.addPath(folder); })
{
    m_tick.setSingleShot(true);
    connect(&m_tick, &QTimer::timeout, this, &LiveMediaFolders::Tick);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LiveMediaFolders::FolderChanged);
}

void LiveMediaFolders::Start(const QStringList& mediaFolders)
{
    Stop();
    m_watching = true;
    for (const QString& folder : mediaFolders) {
        if (!folder.isEmpty())
            m_joins.push_back({FolderWithSlash(folder), false});
    }
    m_tick.start(0);
}

void LiveMediaFolders::Stop()
{
    m_tick.stop();
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_folders.Clear();
    m_dirty.clear();
    m_joins.clear();
    m_goneFiles.clear();
    m_newFiles.clear();
    m_watching = false;
}

// Waits for the burst to settle: the first change starts the timer, later ones join it.
void LiveMediaFolders::FolderChanged(const QString& folder)
{
    m_dirty.insert(FolderWithSlash(folder));
    if (!m_tick.isActive())
        m_tick.start(kLiveSettleInterval);
}

void LiveMediaFolders::Tick()
{
    QElapsedTimer slice;
    slice.start();
    bool changed = false;
    // Changed folders first, then folders to take in, then files that went (so a rename's old name
    // is gone before its new one is added), then new files, each a bounded piece.
    while (slice.elapsed() < kLiveSliceMs && m_watching) {
        if (!m_dirty.isEmpty()) {
            const QString folder = *m_dirty.begin();
            m_dirty.erase(m_dirty.begin());
            if (!m_folders.IsJoined(folder))
                continue;  // dropped with the folder above it
            const FolderChanges changes = m_folders.Refresh(folder);
            for (const QString& gone : changes.GoneFolders)
                m_watcher.removePath(gone);
            m_goneFiles.insert(m_goneFiles.end(), changes.GoneFiles.begin(), changes.GoneFiles.end());
            for (const QString& added : changes.AddedFolders)
                m_joins.push_back({added, true});
            m_newFiles.insert(m_newFiles.end(), changes.AddedFiles.begin(), changes.AddedFiles.end());
        } else if (!m_joins.empty()) {
            const Join join = m_joins.front();
            m_joins.pop_front();
            if (!JoinFolder(join))
                return;
        } else if (!m_goneFiles.empty()) {
            m_handlers.fileGone(m_goneFiles.front());
            m_goneFiles.pop_front();
            changed = true;
        } else if (!m_newFiles.empty()) {
            m_handlers.fileAdded(m_newFiles.front());
            m_newFiles.pop_front();
            changed = true;
        } else {
            break;
        }
    }
    if (changed && m_handlers.sliceDone)
        m_handlers.sliceDone();
    if (!IsSettled() && m_watching && !m_tick.isActive())
        m_tick.start(0);
}

// Watches the folder before listing it, so no file made in between is missed.
bool LiveMediaFolders::JoinFolder(const Join& join)
{
    if (m_folders.IsJoined(join.Folder) || !QFileInfo(join.Folder).isDir())
        return true;
    if (!m_addPath(m_watcher, join.Folder)) {
        GiveUp();
        return false;
    }
    const FolderListing& listing = m_folders.Join(join.Folder);
    for (const QString& subfolder : listing.Subfolders)
        m_joins.push_back({subfolder, join.FilesAreNew});
    if (join.FilesAreNew)
        m_newFiles.insert(m_newFiles.end(), listing.Files.begin(), listing.Files.end());
    return true;
}

void LiveMediaFolders::GiveUp()
{
    Stop();
    if (m_handlers.limitReached)
        m_handlers.limitReached();
}
