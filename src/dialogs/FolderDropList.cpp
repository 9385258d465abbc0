#include "dialogs/FolderDropList.h"

#include "settings/SettingsChoices.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {
// Copy when every item is a folder, else no drop at all.
void OfferCopy(QDropEvent* event)
{
    if (event->mimeData()->hasUrls() && AllDraggedAreFolders(event->mimeData()->urls())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}
} // namespace

FolderDropList::FolderDropList(QWidget* parent)
    : QListWidget(parent)
{
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void FolderDropList::dragEnterEvent(QDragEnterEvent* event) { OfferCopy(event); }

void FolderDropList::dragMoveEvent(QDragMoveEvent* event) { OfferCopy(event); }

void FolderDropList::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QStringList folders = DroppedFolders(event->mimeData()->urls());
    if (!folders.isEmpty())
        Q_EMIT FoldersDropped(folders);
}
