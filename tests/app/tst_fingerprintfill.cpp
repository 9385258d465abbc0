// Records that have no fingerprint get one in the background while the window is open, without a
// scan: after a load without a usable side file every record whose file exists has its print, a
// record whose file is missing does not keep the timer going, and the prints reach the side file
// at the next save.

#include "MainWindowFixture.h"

#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"

#include <QFile>
#include <QTest>

class TestFingerprintFill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordsWithoutPrintsGetThem_data();
    void recordsWithoutPrintsGetThem();
};

void TestFingerprintFill::recordsWithoutPrintsGetThem_data()
{
    QTest::addColumn<bool>("foreignSideFile");  // else none at all
    QTest::newRow("no side file") << false;
    QTest::newRow("side file of another database") << true;
}

void TestFingerprintFill::recordsWithoutPrintsGetThem()
{
    QFETCH(bool, foreignSideFile);
    MainWindowFixture f;
    const QStringList paths{f.folder.createFile("t/a.tktrack", "ride alpha"), f.folder.filePath("t/gone.tktrack"),
                            f.folder.createFile("t/b.tktrack", "ride beta")};
    f.WriteDatabase({TestRecord(paths[0], "Alpha"), TestRecord(paths[1], "Gone"), TestRecord(paths[2], "Beta")});
    const QString sidePath = MediaSideFilePath(MediaDatabasePath(f.ProgramFolder()));
    QVERIFY(QFile::remove(sidePath));
    if (foreignSideFile) {
        // The same records with the prints swapped: taken on trust they would point Alpha at Beta.
        MediaTable other;
        other.Append(TestRecord(paths[0], "Alpha"), FingerprintOfFile(paths[2]));
        other.Append(TestRecord(paths[1], "Gone"));
        other.Append(TestRecord(paths[2], "Beta"), FingerprintOfFile(paths[0]));
        QVERIFY(SaveMediaSideFile(other, StampOf("another database"), sidePath));
    }
    // No media folders: nothing but the fill can take the prints.
    f.WriteSettings([](AppSettings& settings, Theme&) { settings.MediaPaths.clear(); });
    f.Open();
    const MediaTable& media = f.state.Media;
    QTRY_VERIFY(!f.window->Timers().FingerprintTimer().isActive());
    QCOMPARE(media.FingerprintOf(0), FingerprintOfFile(paths[0]));
    QVERIFY(!media.FingerprintOf(1).IsValid());
    QCOMPARE(media.FingerprintOf(2), FingerprintOfFile(paths[2]));
    QVERIFY(f.Close());

    MediaTable saved;
    QVERIFY(LoadMediaDatabase(saved, f.ProgramFolder()));
    QCOMPARE(saved.FingerprintOf(0), FingerprintOfFile(paths[0]));
    QCOMPARE(saved.FingerprintOf(2), FingerprintOfFile(paths[2]));
}

QTEST_MAIN(TestFingerprintFill)
#include "tst_fingerprintfill.moc"
