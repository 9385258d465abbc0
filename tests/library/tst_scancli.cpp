// "ridevault-cli scan" prints what the program's scan would find, in the same order, and refuses
// a folder that does not exist without printing anything.

#include "CliRunner.h"
#include "TestFolder.h"

#include "library/FileScan.h"

#include <QTest>

class TestScanCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheWalkInOrder();
    void refusesAMissingFolder();
};

void TestScanCli::printsTheWalkInOrder()
{
    TestFolder t;
    for (const char* f : {"m/1.tktrack", "m/a/2.TKPACK", "m/a/b/3.tktrack", "m/.h/no.tktrack", "m/no.txt",
                          "n/ä ö.tktrack"})
        t.createFile(QString::fromUtf8(f), "x");
    PassiveFileSearch search;
    PrepareMediaSearch(search, {t.filePath("m"), t.filePath("n")}, 1);
    while (search.SearchStep()) {
    }
    QCOMPARE(search.FoundCount(), 4);

    const CliRun r = RunCli({QStringLiteral("scan"), t.filePath("m"), t.filePath("n")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QString::fromUtf8(r.out), search.FoundFiles().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestScanCli::refusesAMissingFolder()
{
    TestFolder t;
    t.createFile(QStringLiteral("m/1.tktrack"));
    const CliRun r = RunCli({QStringLiteral("scan"), t.filePath("m"), t.filePath("gone")});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains(t.filePath("gone").toUtf8()));
}

QTEST_GUILESS_MAIN(TestScanCli)
#include "tst_scancli.moc"
