#pragma once
// FolderDropList: a list box that takes folders dragged from the desktop's file manager
// (text/uri-list). While dragging it offers to copy only when every dragged item is a folder; a
// drop reports the folders among the items, each with a final separator, and skips files.

#include <QListWidget>

class FolderDropList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderDropList(QWidget* parent = nullptr);

Q_SIGNALS:
    void FoldersDropped(const QStringList& folders);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
