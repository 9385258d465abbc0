// Files opened from outside the window (the command line, a second start) reach the list: a new
// file gets its row, the first one is selected and in the information panel even when the search
// hid it, and the status bar says what happened in one line.

#include "MainWindowFixture.h"

#include "controls/ucAdvList.h"
#include "library/NameScheme.h"
#include "session/OpenRideFiles.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

class TestOpenedFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstFileIsShown_data();
    void firstFileIsShown();
};

void TestOpenedFiles::firstFileIsShown_data()
{
    QTest::addColumn<QString>("search");     // typed before the files arrive
    QTest::addColumn<QStringList>("files");  // in the test folder; "missing.tktrack" does not exist
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("statusStart");  // "" when the status bar keeps what it said
    QTest::addColumn<QString>("searchAfter");
    QTest::newRow("a new file") << QString() << QStringList{"john smith - big_drop.tktrack"} << 3 << "Big Drop"
                                << "Added: " << QString();
    QTest::newRow("a known file") << QString() << QStringList{"m/helix.tktrack"} << 2 << "Helix" << QString()
                                  << QString();
    // Rows added during a search follow it, so a file the search hides, new or known, clears the
    // search: the file asked for is always shown.
    QTest::newRow("new while searching") << "loop" << QStringList{"john smith - big_drop.tktrack"} << 3
                                         << "Big Drop" << "Added: " << QString();
    QTest::newRow("the search hid it") << "loop" << QStringList{"m/helix.tktrack"} << 2 << "Helix" << QString()
                                       << QString();
    QTest::newRow("a missing file first")
        << QString() << QStringList{"missing.tktrack", "m/helix.tktrack"} << 2 << "Helix" << "Not added: " << QString();
}

void TestOpenedFiles::firstFileIsShown()
{
    QFETCH(QString, search);
    QFETCH(QStringList, files);
    QFETCH(int, rowsAfter);
    QFETCH(QString, shownTitle);
    QFETCH(QString, statusStart);

    MainWindowFixture f;
    const QString helix = QDir::toNativeSeparators(f.folder.createFile(QStringLiteral("m/helix.tktrack"), "x"));
    const QString loop = QDir::toNativeSeparators(f.folder.createFile(QStringLiteral("m/loop.tktrack"), "x"));
    f.folder.createFile(QStringLiteral("john smith - big_drop.tktrack"), "x");
    f.WriteDatabase({TestRecord(loop, QStringLiteral("Loop")), TestRecord(helix, QStringLiteral("Helix"))});
    frmMain& window = f.Open();
    f.Child<QLineEdit>(QStringLiteral("txtSearch"))->setText(search);

    const QString statusBefore = f.StatusText(0);
    QStringList paths;
    for (const QString& file : files)
        paths.append(f.folder.filePath(file));
    window.ShowOpenedFiles(OpenRideFiles(f.state.Media, paths, NameScheme{}));

    QCOMPARE(f.List()->RowCount(), rowsAfter);
    const qint32 shown = f.state.Selection.SelectedMediaIndex;
    QVERIFY(shown >= 0);
    QCOMPARE(f.state.Media.MediaList[size_t(shown)].Title, shownTitle);
    QCOMPARE(f.Child<QLineEdit>(QStringLiteral("txtInfo0"))->text(), shownTitle);
    const int row = f.state.Selection.SelectedRowIndex;
    QVERIFY(row >= 0);
    QVERIFY(f.List()->Selected(row));
    QCOMPARE(window.FindRowByKey(shown), row);
    QTEST(f.Child<QLineEdit>(QStringLiteral("txtSearch"))->text(), "searchAfter");
    if (statusStart.isEmpty())
        QCOMPARE(f.StatusText(0), statusBefore);
    else
        QVERIFY2(f.StatusText(0).startsWith(statusStart), qPrintable(f.StatusText(0)));
}

QTEST_MAIN(TestOpenedFiles)
#include "tst_openedfiles.moc"
