// "ridevault-cli scan" prints what the program's scan would find, in the same order, and refuses
// a folder that does not exist without printing anything.

#include "TestFolder.h"

#include "library/FileScan.h"

#include <QProcess>
#include <QTest>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(RIDEVAULT_CLI), args);
    CliRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

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
    QCOMPARE(r.out, search.FoundFiles().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestScanCli::refusesAMissingFolder()
{
    TestFolder t;
    t.createFile(QStringLiteral("m/1.tktrack"));
    const CliRun r = RunCli({QStringLiteral("scan"), t.filePath("m"), t.filePath("gone")});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    QVERIFY(r.err.contains(t.filePath("gone")));
}

QTEST_GUILESS_MAIN(TestScanCli)
#include "tst_scancli.moc"
