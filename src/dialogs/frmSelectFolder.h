#pragma once
// frmSelectFolder ("Select Folder..."): a drive list over a folder list. The folder list shows the
// open folder's path from its drive down and the folders inside it; one click on any of them opens
// it. "OK" gives the open folder with a final separator, "Cancel" (or closing the box) gives "".
//
// Opening a folder does not change the process's current folder: nothing reads it, and it would
// keep a removable volume busy.
//
// Test hook: SetNextAnswer queues answers. While the queue holds one, SelectFolder returns the first
// queued folder (with a final separator, "" answering as Cancel would) instead of showing the box.
// The program itself never queues an answer.

#include "dialogs/PresetAnswers.h"
#include "platform/DriveList.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;
class ucTextButton;

class frmSelectFolder : public QDialog {
    Q_OBJECT
public:
    // Opens at initialFolder when a folder of that name exists, else at the current folder.
    frmSelectFolder(const QString& initialFolder, const QList<DriveEntry>& drives, QWidget* owner = nullptr);

    // Shows the chooser over owner with this machine's drives: the chosen folder ending in a
    // separator, or "".
    static QString SelectFolder(const QString& initialFolder, QWidget* owner);

    // The open folder (native separators, no final separator except at a drive's root).
    QString CurrentFolder() const { return m_folder; }
    // After "OK" the open folder with a final separator; "" before and after "Cancel".
    QString SelectedFolder() const { return m_selectedFolder; }

    // Opens a folder, as a click on its entry does. False, and nothing changes, when it is no
    // folder that can be listed.
    bool OpenFolder(const QString& folder);
    // Opens a drive's folder, as choosing it in the drive list does; when that folder cannot be
    // opened the drive list goes back to the open folder's drive and the folder list stays.
    void ChooseDrive(int index);

    QComboBox* DriveList() const { return m_drive1; }
    QTreeWidget* FolderList() const { return m_dir1; }
    // The folder list's entry for a folder, or nullptr when it shows none.
    QTreeWidgetItem* FolderEntry(const QString& folder) const;
    ucTextButton* OkayButton() const { return m_btnOkay; }
    ucTextButton* CancelButton() const { return m_btnCancel; }

    // Test hook, see above.
    static void SetNextAnswer(const QString& folder);
    static int PendingAnswers();
    static void ClearNextAnswers();

protected:
    // Enter is "OK"; Escape is "Cancel" as in every QDialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    static PresetAnswers<QString>& NextAnswers();
    void FillFolderList();
    void ShowDriveOfFolder();
    void PressOkay();

    QList<DriveEntry> m_drives;
    QString m_folder;
    QString m_selectedFolder;
    QComboBox* m_drive1 = nullptr;
    QTreeWidget* m_dir1 = nullptr;
    ucTextButton* m_btnOkay = nullptr;
    ucTextButton* m_btnCancel = nullptr;
};
