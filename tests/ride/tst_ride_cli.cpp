// ridevault-cli ride: the ride of the program through the command line, with a simulator that
// writes down the arguments it was started with.

#include "CliRunner.h"
#include "TestFolder.h"

#include "library/MediaDatabase.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestRideCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ride_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("index");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("track") << "" << "1" << 0 << "";
        QTest::newRow("simulator missing") << "simulator missing" << "1" << 2
            << "ridevault-cli: Trakora Simulator Not Found! Set the path to Trakora in the Advanced Settings.\n";
        QTest::newRow("damaged package") << "damaged package" << "2" << 2
            << "ridevault-cli: Could Not Unpack File! The package could not be installed. (no package directory "
               "(trailer or \"TKSE\" magic wrong), result -2)\n";
        QTest::newRow("no such record") << "" << "3" << 2 << "ridevault-cli: INDEX must be a record number from 0 to 2\n";
    }
    void ride()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, index);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        TestFolder root;
        const QString arguments = root.filePath(QStringLiteral("arguments.txt"));
        const QString simulator = root.createFile(
            QStringLiteral("sim/TrakoraSimulator.exe"),
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + arguments.toUtf8() + ".part\" && mv \"" + arguments.toUtf8()
                + ".part\" \"" + arguments.toUtf8() + "\"\n");
        QFile(simulator).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (setUp == QLatin1String("simulator missing"))
            QFile::remove(simulator);
        root.createDir(QStringLiteral("prog"));
        MediaTable table;
        for (const QString& name : {QStringLiteral("Old.tktrack"), QStringLiteral("Big Loop.tktrack"),
                                    QStringLiteral("Bad.tkpack")}) {
            MediaRecord r;
            r.FilePath = root.createFile(QStringLiteral("media/") + name, "not a package");
            r.FileType = name.endsWith(QLatin1String(".tkpack")) ? FileTypePackage : FileTypeTrack;
            r.TypeName = TypeNameOf(r.FileType);
            r.RideCount = 41;
            table.Append(r);
        }
        const QString database = root.filePath(QStringLiteral("prog/Ridevault.rvltdb"));
        QVERIFY(SaveMediaDatabaseFile(table, database));
        const QByteArray databaseBefore = TestFolder::readFile(database);

        const CliRun run = RunCli({QStringLiteral("ride"), database, index, QStringLiteral("--simulator"),
                                   root.filePath(QStringLiteral("sim")), QStringLiteral("--program-folder"),
                                   root.filePath(QStringLiteral("prog"))});

        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(run.err), error);
        if (exitCode != 0) {
            QVERIFY(run.out.isEmpty());
            QCOMPARE(TestFolder::readFile(database), databaseBefore);
            QVERIFY(!QFile::exists(arguments));
            return;
        }
        const QJsonObject printed = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(printed.value(QStringLiteral("FilePath")).toString(), table.MediaList[1].FilePath);
        QCOMPARE(printed.value(QStringLiteral("RideCount")).toInt(), 42);
        std::vector<MediaRecord> saved;
        QCOMPARE(ReadMediaDatabaseFile(database, saved), DatabaseRead::Loaded);
        QCOMPARE(saved[1].RideCount, 42);
        QCOMPARE(saved[1].RideDate, printed.value(QStringLiteral("RideDate")).toString());
        QCOMPARE(saved[0].RideCount, 41);
        QTRY_VERIFY(QFile::exists(arguments));
        QCOMPARE(TestFolder::readFile(arguments), "-s\n" + table.MediaList[1].FilePath.toUtf8() + "\n");
    }
};

QTEST_GUILESS_MAIN(TestRideCli)
#include "tst_ride_cli.moc"
