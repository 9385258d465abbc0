// The main list: every keystroke in the search box refilters the rows by the whole row text (or by
// field words), the status bar counts rows against records, keys lead back to records, and the scan
// and the validation change the rows while the window runs.

#include "MainWindowFixture.h"

#include "controls/ucAdvList.h"
#include "controls/ucTextButton.h"
#include "library/RowText.h"

#include <QLineEdit>
#include <QSet>
#include <QTest>

namespace {

// Ten records, index in brackets: titles that share letters, one package, and the key digits.
std::vector<MediaRecord> TenRecords(const MainWindowFixture& f)
{
    std::vector<MediaRecord> records;
    const char* titles[] = {"Loop Master", "Big Drop", "Corkscrew", "Looping Star", "Zephyr",
                            "Dropzone", "Wild Mouse", "Helix", "Big Loop", "Quiet Ride"};
    for (int i = 0; i < 10; ++i) {
        const QString extension = i == 4 ? QStringLiteral(".tkpack") : QStringLiteral(".tktrack");
        records.push_back(TestRecord(f.folder.filePath(QStringLiteral("m/r%1").arg(i) + extension),
                                     QLatin1String(titles[i]), i == 7 ? QStringLiteral("Anna") : QString(), i * 500));
    }
    return records;
}

} // namespace

class TestMainList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchFiltersOnEveryKeystroke_data()
    {
        // The text typed one key at a time, and the rows (as record indices, in record order) after
        // each keystroke.
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QList<int>>>("rowsAfterEachKey");
        const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        const QList<int> tracks{0, 1, 2, 3, 5, 6, 7, 8, 9};
        QTest::newRow("letters, any case") << 10 << "LOO" << QList<QList<int>>{{0, 3, 6, 7, 8}, {0, 3, 8}, {0, 3, 8}};
        // Every add date holds a 4; "4," only the counts 4,000 and 4,500; "4,5" only 4,500.
        QTest::newRow("digits and separators") << 10 << "4,5" << QList<QList<int>>{all, {8, 9}, {9}};
        QTest::newRow("digits match keys") << 10 << "8" << QList<QList<int>>{{8}};
        // Every track's type cell says "Track" though no title does; the package's says "Pack".
        QTest::newRow("type cell") << 10 << "track" << QList<QList<int>>{tracks, tracks, tracks, tracks, tracks};
        QTest::newRow("author cell") << 10 << "anna" << QList<QList<int>>{all, {7}, {7}, {7}};
        QTest::newRow("nothing matches") << 10 << "qx" << QList<QList<int>>{{9}, {}};
        QTest::newRow("an empty database") << 0 << "a" << QList<QList<int>>{{}};
        // A blank is part of a plain text, as it always was; a negated word makes it two words.
        QTest::newRow("plain, then a negated word")
            << 10 << "loo -b" << QList<QList<int>>{{0, 3, 6, 7, 8}, {0, 3, 8}, {0, 3, 8}, {}, {}, {0, 3}};
        // The field word is text until its value reads as a number; then it compares ride counts.
        const QList<int> over3{1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("field word")
            << 10 << "ridden:>3000"
            << QList<QList<int>>{all, {9}, {9}, {}, {}, {}, {}, {}, over3, over3, over3, {7, 8, 9}};
    }
    void searchFiltersOnEveryKeystroke()
    {
        QFETCH(int, records);
        QFETCH(QString, typed);
        QFETCH(QList<QList<int>>, rowsAfterEachKey);
        MainWindowFixture f;
        std::vector<MediaRecord> database = TenRecords(f);
        database.resize(records);
        f.WriteDatabase(database);
        frmMain& window = f.Open();
        QCOMPARE(f.StatusText(1), QStringLiteral("%1 of %1").arg(records));
        QLineEdit* search = f.Child<QLineEdit>(QStringLiteral("txtSearch"));
        const ucAdvList* list = f.List();
        for (int k = 0; k < typed.size(); ++k) {
            QTest::keyClick(search, typed[k].toLatin1());
            QList<int> keys;
            for (int row = 0; row < list->RowCount(); ++row)
                keys.append(list->ListItem(int(MediaColumn::Key), row).toInt());
            QCOMPARE(keys, rowsAfterEachKey[k]);
            QCOMPARE(f.StatusText(1), QStringLiteral("%1 of %2").arg(keys.size()).arg(records));
            QCOMPARE(f.state.Selection.SelectedRowIndex, -1);
        }
        // A record hidden by the search has no row; a shown one is found by its key.
        const QList<int>& shown = rowsAfterEachKey.last();
        for (qint32 key = 0; key < 10; ++key)
            QCOMPARE(window.FindRowByKey(key), qint32(shown.indexOf(key)));
    }

    // The rows read their cells from the records; they must be, row by row, what the list makes of
    // each shown record's row text added and sorted as the list sorts it, also for a title that
    // holds the separator and so shifts the cells after it.
    void rowsShowTheirRecordsRowTexts_data()
    {
        QTest::addColumn<QString>("typed");   // keys typed into the search box, "\b" clears it
        QTest::addColumn<int>("sortColumn");  // -1: record order
        QTest::addColumn<bool>("descending");
        QTest::addColumn<bool>("headerSort");  // sorted by a header after the typing
        QTest::newRow("start-up") << "" << 0 << false << false;
        QTest::newRow("a search") << "o" << -1 << false << false;
        QTest::newRow("a header sort after a search") << "i" << 3 << true << true;
        QTest::newRow("the search cleared") << "z\b" << -1 << false << false;
    }
    void rowsShowTheirRecordsRowTexts()
    {
        QFETCH(QString, typed);
        QFETCH(int, sortColumn);
        QFETCH(bool, descending);
        QFETCH(bool, headerSort);
        MainWindowFixture f;
        std::vector<MediaRecord> database = TenRecords(f);
        database.push_back(TestRecord(f.folder.filePath(QStringLiteral("m/r10.tktrack")), "Twin\r\nPeaks", "Ida", 7));
        f.WriteDatabase(database);
        frmMain& window = f.Open();
        for (const QChar key : typed) {
            if (key == QLatin1Char('\b'))
                f.Child<QLineEdit>(QStringLiteral("txtSearch"))->clear();
            else
                QTest::keyClick(f.Child<QLineEdit>(QStringLiteral("txtSearch")), key.toLatin1());
        }
        if (headerSort)
            f.List()->SortByColumn(sortColumn, descending);
        const QString search = f.Child<QLineEdit>(QStringLiteral("txtSearch"))->text();
        AdvListData expected;
        for (int c = 0; c < f.List()->ColumnCount(); ++c)
            expected.AddColumn(QString(), 0, 100);
        for (qint32 i = 0; i < f.state.Media.MediaCount(); ++i) {
            const QString text = BuildRowText(f.state.Media.MediaList[i], i);
            if (text.contains(search, Qt::CaseInsensitive))
                expected.AddRow(text);
        }
        if (sortColumn >= 0)
            expected.SortByColumn(sortColumn, descending);
        QCOMPARE(f.List()->RowCount(), expected.RowCount());
        for (int row = 0; row < expected.RowCount(); ++row)
            QCOMPARE(f.List()->ListRow(row), expected.ListRow(row));
        // A row is led back to its record by the number in its key cell, as the list shows it.
        for (int row = 0; row < expected.RowCount(); ++row) {
            bool ok = false;
            const int key = expected.ListItem(int(MediaColumn::Key), row).toInt(&ok);
            QCOMPARE(window.Rows().RecordOfRow(row), ok ? key : -1);
        }
    }

    void clearingReturnsToTrackNameOrder()
    {
        MainWindowFixture f;
        f.WriteDatabase(TenRecords(f));
        f.Open();
        ucAdvList* list = f.List();
        list->SortByColumn(3, true);  // a header sort by "Ridden", descending
        QTest::keyClicks(f.Child<QLineEdit>(QStringLiteral("txtSearch")), QStringLiteral("big"));
        QCOMPARE(f.ListTitles(), (QStringList{"Big Drop", "Big Loop"}));
        QTest::mouseClick(f.Child<ucTextButton>(QStringLiteral("btnClearSearch")), Qt::LeftButton);
        QCOMPARE(f.Child<QLineEdit>(QStringLiteral("txtSearch"))->text(), QString());
        QCOMPARE(f.ListTitles(), (QStringList{"Big Drop", "Big Loop", "Corkscrew", "Dropzone", "Helix", "Loop Master",
                                              "Looping Star", "Quiet Ride", "Wild Mouse", "Zephyr"}));
        QVERIFY(list->hasFocus());
    }

    void scanAddsRowsWhileTheWindowRuns_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("titles");  // the rows once the scan is done, top to bottom
        QTest::newRow("no search") << "" << QStringList{"Known", "Loop Master (By Anna)", "Big Drop"};
        // Added rows respect the search; the record is there all the same.
        QTest::newRow("during a search") << "loop" << QStringList{"Loop Master (By Anna)"};
    }
    void scanAddsRowsWhileTheWindowRuns()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, titles);
        MainWindowFixture f;
        const QString media = f.folder.createDir(QStringLiteral("media"));
        f.WriteSettings([&](AppSettings& s, Theme&) { s.MediaPaths = QStringList{media}; });
        f.WriteDatabase({TestRecord(media + QStringLiteral("/known.tktrack"), "Known")});
        f.folder.createFile(QStringLiteral("media/known.tktrack"));
        f.folder.createFile(QStringLiteral("media/Loop_Master (by Anna).tktrack"));
        f.folder.createFile(QStringLiteral("media/sub/John Smith - Big Drop.tkpack"));
        f.folder.createFile(QStringLiteral("media/notes.txt"));
        frmMain& window = f.Open();
        f.Child<QLineEdit>(QStringLiteral("txtSearch"))->setText(search);
        // Start-up began a passive scan; the menu restarts it aggressively.
        QCOMPARE(f.StatusText(0), QStringLiteral("Passive File Scan in Progress..."));
        window.Run(MainCommand::AggressiveFileScan);
        QCOMPARE(f.StatusText(0), QStringLiteral("Aggressive File Scan in Progress..."));
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
        QTRY_VERIFY(!window.Timers().FileScanTimer().isActive());
        QCOMPARE(f.StatusText(0), QString());
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.StatusText(1), QStringLiteral("%1 of 3").arg(titles.size()));
        QCOMPARE(f.state.Media.MediaCount(), 3);
        const QStringList shown = f.ListTitles();
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()), QSet<QString>(titles.begin(), titles.end()));
        // New rows are keyed by their records' indices; the text file was passed over.
        for (int row = 0; row < f.List()->RowCount(); ++row) {
            const qint32 key = window.Rows().RecordOfRow(row);
            QCOMPARE(f.List()->ListItem(0, row), f.state.Media.MediaList[key].Title);
        }
        // Clearing the search shows every record.
        f.Child<QLineEdit>(QStringLiteral("txtSearch"))->clear();
        QCOMPARE(f.List()->RowCount(), 3);
    }

    void validationKeepsOrClearsTheSelection_data()
    {
        QTest::addColumn<int>("row");        // pressed before validating: Gone, Kept, Outside
        QTest::addColumn<int>("selected");   // the record selected afterwards, -1 for none
        QTest::addColumn<QString>("shown");  // the title in the information panel
        QTest::newRow("the selected record stays") << 1 << 0 << "Kept";
        QTest::newRow("the selected record went") << 0 << -1 << "";
    }
    void validationKeepsOrClearsTheSelection()
    {
        QFETCH(int, row);
        QFETCH(int, selected);
        QFETCH(QString, shown);
        MainWindowFixture f;
        const QString media = f.folder.createDir(QStringLiteral("media"));
        f.WriteSettings([&](AppSettings& s, Theme&) { s.MediaPaths = QStringList{media + QLatin1Char('/')}; });
        f.WriteDatabase({TestRecord(media + QStringLiteral("/gone.tktrack"), "Gone"),
                         TestRecord(media + QStringLiteral("/kept.tktrack"), "Kept"),
                         TestRecord(f.folder.filePath(QStringLiteral("elsewhere/out.tktrack")), "Outside")});
        f.folder.createFile(QStringLiteral("media/kept.tktrack"));
        f.folder.createFile(QStringLiteral("elsewhere/out.tktrack"));
        f.Open();
        f.ClickRow(row);
        f.ClickLabel(QStringLiteral("lblMenu0"));
        f.ClickLabel(QStringLiteral("lblFileMenu0"));
        QCOMPARE(f.state.Media.MediaCount(), 1);
        QCOMPARE(f.ListTitles(), QStringList{"Kept"});
        QCOMPARE(f.List()->ListItem(int(MediaColumn::Key), 0), QStringLiteral("0"));
        QCOMPARE(f.StatusText(1), QStringLiteral("1 of 1"));
        // The keys moved: the selection is found again by its file, or cleared with the panel.
        QCOMPARE(f.state.Selection.SelectedMediaIndex, selected);
        QCOMPARE(f.state.Selection.SelectedRowIndex, selected < 0 ? -1 : 0);
        QCOMPARE(f.List()->Selected(0), selected >= 0);
        QCOMPARE(f.Child<QLineEdit>(QStringLiteral("txtInfo0"))->text(), shown);
        QCOMPARE(f.Child<QWidget>(QStringLiteral("lblMenu3"))->isEnabled(), selected >= 0);
        QCOMPARE(f.Child<QWidget>(QStringLiteral("txtInfo0"))->isEnabled(), selected >= 0);
    }

    // Keys on an empty list move nothing and reach no row arithmetic.
    void arrowKeysOnAnEmptyList()
    {
        MainWindowFixture f;
        f.Open();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home})
            QTest::keyClick(f.List(), key);
        QCOMPARE(f.List()->ListIndex(), -1);
        QCOMPARE(f.state.Selection.SelectedMediaIndex, -1);
    }
};

QTEST_MAIN(TestMainList)
#include "tst_mainlist.moc"
