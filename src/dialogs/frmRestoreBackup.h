#pragma once
// frmRestoreBackup ("Restore Backup..."): the database's backups in a list, newest first, one row
// each with the date and time it was kept, its record count and its size, over "Restore" and
// "Cancel". "Restore" (or a double click on a row, or Enter) gives the chosen backup's file;
// "Cancel", Escape or closing the box gives "". A backup that no longer loads shows "damaged" as
// its record count; choosing it is allowed, restoring it is then refused by the core.
//
// Test hook: SetNextAnswer queues answers. While the queue holds one, ChooseBackup returns the
// first queued file ("" answering as Cancel would) instead of showing the box. The program itself
// never queues an answer.

#include "dialogs/PresetAnswers.h"
#include "library/DatabaseBackups.h"

#include <QDialog>

#include <vector>

class ucAdvList;
class ucTextButton;
struct Theme;

class frmRestoreBackup : public QDialog {
    Q_OBJECT
public:
    frmRestoreBackup(std::vector<DatabaseBackup> backups, const Theme& theme, QWidget* owner = nullptr);

    // Shows the box modally over owner: the chosen backup's file, or "".
    static QString ChooseBackup(const std::vector<DatabaseBackup>& backups, const Theme& theme, QWidget* owner);

    // The cells of a backup's row: date and time, records, size.
    static QStringList RowCells(const DatabaseBackup& backup);

    // After "Restore" the chosen backup's file; "" before and after "Cancel".
    QString ChosenFile() const { return m_chosenFile; }
    ucAdvList* BackupList() const { return m_alBackups; }
    ucTextButton* RestoreButton() const { return m_btnRestore; }
    ucTextButton* CancelButton() const { return m_btnCancel; }

    // Test hook, see above.
    static void SetNextAnswer(const QString& backupFile);
    static int PendingAnswers();
    static void ClearNextAnswers();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static PresetAnswers<QString>& NextAnswers();
    int ChosenRow() const;
    void UpdateRestoreEnabled();
    void PressRestore();
    void ApplyTheme(const Theme& theme);

    std::vector<DatabaseBackup> m_backups;
    QString m_chosenFile;
    ucAdvList* m_alBackups = nullptr;
    ucTextButton* m_btnRestore = nullptr;
    ucTextButton* m_btnCancel = nullptr;
};
