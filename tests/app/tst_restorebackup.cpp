// "Restore Backup..." through the window: the chosen backup becomes the database and the list,
// the selected record is found again by its file, and every way of backing out changes nothing.

#include "MainWindowFixture.h"

#include "controls/ucAdvList.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"
#include "dialogs/frmRestoreBackup.h"
#include "library/DatabaseBackups.h"
#include "library/MediaDatabase.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QDateTime kBackupDate(QDate(2026, 3, 14), QTime(17, 2, 9));

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList TitlesOf(const MediaTable& table)
{
    QStringList titles;
    for (const MediaRecord& record : table.MediaList)
        titles.append(record.Title);
    return Sorted(titles);
}

} // namespace

class TestRestoreBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { PresetAnswerQueueBase::ClearAll(); }

    void restoreThroughTheWindow_data()
    {
        QTest::addColumn<QString>("choice");   // "old", "damaged" or "" (Cancel in the list)
        QTest::addColumn<int>("confirm");      // the MessageAnswer to "Restore the backup...?"; -2: not asked
        QTest::addColumn<bool>("restored");
        QTest::addColumn<QString>("selected");  // the title in the panel afterwards; "" when cleared
        QTest::newRow("restore, selection found by file") << "old" << 2 << true << "Old B";
        QTest::newRow("cancel in the list") << "" << -2 << false << "Current B";
        QTest::newRow("no to the confirmation") << "old" << 3 << false << "Current B";
        QTest::newRow("closed confirmation") << "old" << -1 << false << "Current B";
        QTest::newRow("damaged backup refused") << "damaged" << 2 << false << "Current B";
    }
    void restoreThroughTheWindow()
    {
        QFETCH(QString, choice);
        QFETCH(int, confirm);
        QFETCH(bool, restored);
        QFETCH(QString, selected);
        MainWindowFixture f;
        const QString database = MediaDatabasePath(f.ProgramFolder());
        f.WriteDatabase({TestRecord(f.folder.filePath("m/b.tktrack"), "Old B"),
                         TestRecord(f.folder.filePath("m/a.tktrack"), "Old A")});
        const QString old = KeepDatabaseBackup(database, TestFolder::readFile(database), kBackupDate);
        QVERIFY(!old.isEmpty());
        const QString damaged = f.folder.createFile(
            QStringLiteral("Backups/%1.20260315-080000-000.bak").arg(QFileInfo(database).fileName()), "RVDB torn");
        f.WriteDatabase({TestRecord(f.folder.filePath("m/c.tktrack"), "Current C"),
                         TestRecord(f.folder.filePath("m/b.tktrack"), "Current B"),
                         TestRecord(f.folder.filePath("m/a.tktrack"), "Current A")});
        const QByteArray currentBytes = TestFolder::readFile(database);
        f.Open();
        f.ClickRow(f.window->FindRowByKey(1));  // "Current B"

        frmRestoreBackup::SetNextAnswer(choice == "old" ? old : choice == "damaged" ? damaged : QString());
        if (confirm != -2)
            frmMessageBox::SetNextAnswer(MessageAnswer(confirm));
        if (choice == "damaged")
            frmMessageBox::SetNextAnswer(MessageAnswer::OK);  // "Restore Failed..."
        f.window->Run(MainCommand::RestoreBackup);
        QCOMPARE(PresetAnswerQueueBase::PendingInAll(), 0);

        const QStringList expected = restored ? QStringList{"Old A", "Old B"}
                                              : QStringList{"Current A", "Current B", "Current C"};
        QCOMPARE(Sorted(f.ListTitles()), expected);
        MediaTable onDisk;
        QVERIFY(LoadMediaDatabase(onDisk, f.ProgramFolder()));
        QCOMPARE(TitlesOf(onDisk), expected);
        if (!restored)
            QCOMPARE(TestFolder::readFile(database), currentBytes);
        QCOMPARE(f.Child<QLineEdit>("txtInfo0")->text(), selected);
        const qint32 index = f.state.Selection.SelectedMediaIndex;
        QVERIFY(index >= 0);
        QCOMPARE(f.state.Media.MediaList[size_t(index)].FilePath, f.folder.filePath("m/b.tktrack"));
        QVERIFY(f.List()->Selected(f.window->FindRowByKey(index)));
    }

    // The dialog lists newest first with date and time, record count and size, and a damaged file
    // says so; "Restore" gives the chosen row's file, "Cancel" gives nothing.
    void dialogRows()
    {
        std::vector<DatabaseBackup> backups(2);
        backups[0] = {QStringLiteral("/b/new.bak"), kBackupDate.addDays(1), -1, 17};
        backups[1] = {QStringLiteral("/b/old.bak"), kBackupDate, 1234, 2048};
        frmRestoreBackup box(backups, Theme());
        ucAdvList* list = box.BackupList();
        QCOMPARE(list->RowCount(), 2);
        QCOMPARE(list->ListRow(0), QStringLiteral("03/15/2026 17:02:09\r\ndamaged\r\n17 bytes"));
        QCOMPARE(list->ListRow(1), QStringLiteral("03/14/2026 17:02:09\r\n1,234\r\n2.0 kB"));
        list->ChooseRow(1);
        QTest::mouseClick(box.RestoreButton(), Qt::LeftButton);
        QCOMPARE(box.ChosenFile(), QStringLiteral("/b/old.bak"));

        frmRestoreBackup cancelled(backups, Theme());
        QTest::mouseClick(cancelled.CancelButton(), Qt::LeftButton);
        QCOMPARE(cancelled.ChosenFile(), QString());
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestRestoreBackup)
#include "tst_restorebackup.moc"
