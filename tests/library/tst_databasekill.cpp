// A process that is killed while saving never leaves a torn or missing database: after every kill
// the file holds exactly one of the two databases that were being saved in turn.

#include "library/MediaDatabase.h"
#include "TestFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/types.h>

class TestDatabaseKill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedSaveLeavesOneWholeDatabase();
};

void TestDatabaseKill::killedSaveLeavesOneWholeDatabase()
{
    TestFolder dir;
    const QString path = dir.filePath(QStringLiteral("Ridevault.rvltdb"));
    QSet<QByteArray> seen;
    QRandomGenerator rng(20261205);
    for (int round = 0; round < 200; ++round) {
        QProcess child;
        child.start(QStringLiteral(DBSAVER_CHILD), {path});
        QVERIFY(child.waitForStarted());
        if (round == 0)
            QVERIFY(child.waitForReadyRead(10000));  // the first save has landed
        QThread::usleep(rng.bounded(1, 15000));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));

        const QByteArray bytes = TestFolder::readFile(path);
        QVERIFY2(!bytes.isEmpty(), qPrintable(QStringLiteral("database missing after kill %1").arg(round)));
        std::vector<MediaRecord> records;
        QCOMPARE(DecodeMediaDatabase(bytes, records), DatabaseRead::Loaded);
        QVERIFY2(records.size() == 3000 || records.size() == 1500,
                 qPrintable(QStringLiteral("kill %1 left %2 records").arg(round).arg(records.size())));
        seen.insert(bytes);
    }
    QVERIFY(seen.size() <= 2);
}

QTEST_GUILESS_MAIN(TestDatabaseKill)
#include "tst_databasekill.moc"
