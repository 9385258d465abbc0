// The ride without the window: the five refusals change nothing and start nothing, a ride counts and
// saves before the simulator starts, and a package ride starts the simulator on the installed track
// and leaves the simulator folder as it was once the clean-up has run. The same ride through
// ridevault-cli.

#include "CliRunner.h"
#include "TestFolder.h"

#include "library/MediaDatabase.h"
#include "platform/ProgramStart.h"
#include "ride/CleanupInstalledFiles.h"
#include "ride/InstalledFilesList.h"
#include "ride/PackageWriter.h"
#include "ride/Ride.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

Q_DECLARE_METATYPE(RideOutcome)

namespace {

// A program command as comparable text: the program, then each argument marked "path:" (converted
// for a Windows program under Wine) or "text:" (handed over as it is).
QStringList DescribeCommand(const ProgramCommand& c)
{
    QStringList out{c.Program};
    for (const ProgramArgument& a : c.Arguments)
        out << (a.IsPath ? QStringLiteral("path:") : QStringLiteral("text:")) + a.Text;
    return out;
}

const QDateTime kFirstRide(QDate(2005, 3, 14), QTime(9, 5, 1));
const QDateTime kSecondRide(QDate(2005, 3, 14), QTime(17, 2, 9));

// A simulator folder with its program, a program folder, a media folder and a saved database.
struct Scene {
    TestFolder root;
    MediaTable table;
    RideContext context;
    RidePlaces places;
    QList<QStringList> started;
    bool startSucceeds = true;
    qsizetype endedStarts = 0;  // the simulators started first, this many, have ended
    QList<QDateTime> clock{kFirstRide, kSecondRide};

    Scene()
    {
        root.createFile(QStringLiteral("sim/TrakoraSimulator.exe"), "stand-in");
        root.createDir(QStringLiteral("sim/Tracks"));
        root.createDir(QStringLiteral("sim/Objects"));
        root.createDir(QStringLiteral("prog"));
        places = {root.filePath(QStringLiteral("sim/")), root.filePath(QStringLiteral("prog/")),
                  root.filePath(QStringLiteral("prog/Ridevault.rvltdb"))};
        context.StartProgram = [this](const ProgramCommand& c) {
            started << DescribeCommand(c);
            const qsizetype number = started.size() - 1;
            return startSucceeds ? StartedProgram([this, number] { return number < endedStarts; }) : StartedProgram();
        };
        context.Now = [this] { return clock.takeFirst(); };
    }
    QString media(const QString& name) const { return root.filePath(QStringLiteral("media/") + name); }
    QString sim(const QString& relative = QString()) const { return root.filePath(QStringLiteral("sim/") + relative); }
    QString listFile() const { return InstalledFilesListPath(places.ProgramFolder); }
    // Every file below the scene but the database backups a ride's save keeps: those are not the ride's.
    QStringList filesButBackups() const
    {
        QStringList files = root.listAll();
        files.removeIf([](const QString& entry) { return entry.contains(QLatin1String("Backups/")); });
        return files;
    }

    qint32 add(const QString& path, qint32 type, qint32 rideCount = 0)
    {
        MediaRecord r;
        r.FilePath = path;
        r.FileType = type;
        r.TypeName = TypeNameOf(type);
        r.AddDate = QStringLiteral("01/02/2005 03:04:05");
        r.RideCount = rideCount;
        r.Title = QFileInfo(path).completeBaseName();
        table.Append(r);
        if (!SaveMediaDatabaseFile(table, places.DatabaseFile))
            qFatal("cannot write the test database");
        return table.MediaCount() - 1;
    }
    void writePackage(const QString& name, const std::vector<PackageSourceFile>& files)
    {
        root.createDir(QStringLiteral("media"));
        QVERIFY(WritePackageFile(media(name), files));
    }
    RideResult ride(qint32 index, const std::function<void(qint32)>& counted = {})
    {
        return RideMediaRecord(table, index, places, context, counted);
    }
};

const std::vector<PackageSourceFile> kLoopPackage = {
    {QStringLiteral("objects\\loop\\"), QStringLiteral("station.obj"), "station"},
    {QStringLiteral("tracks\\"), QStringLiteral("Loop.tktrack"), "packaged loop"},
};

} // namespace

class TestRide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The row's name is the set-up the ride meets.
    void refusalsChangeNothing_data()
    {
        QTest::addColumn<RideOutcome>("outcome");
        QTest::addColumn<int>("packageCode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("isError");
        const QString notFound = QStringLiteral("Not Found...");
        const QString packNotFound = QStringLiteral("Pack File Not Found!\r\nThe pack file has been Moved or Renamed.");
        const QString cannotUnpack = QStringLiteral("Could Not Unpack File!\r\nThe package could not be installed.");
        QTest::newRow("simulator missing") << RideOutcome::SimulatorNotFound << 0
            << "Trakora Simulator Not Found!\r\nSet the path to Trakora in the Advanced Settings." << notFound << false;
        QTest::newRow("track missing") << RideOutcome::TrackFileNotFound << 0
            << "Track File Not Found!\r\nThe track file has been Moved or Renamed." << notFound << false;
        QTest::newRow("package missing") << RideOutcome::PackFileNotFound << 0 << packNotFound << notFound << false;
        QTest::newRow("unknown type missing") << RideOutcome::PackFileNotFound << 0 << packNotFound << notFound << false;
        QTest::newRow("zlib missing") << RideOutcome::ZlibMissing << 0
            << "zLib.DLL Not Foudn or Improperly Installed!\r\nPlace the zLib.DLL file in your System Path."
            << "Missing DLL..." << true;
        QTest::newRow("damaged package") << RideOutcome::UnpackFailed << int(kPackageBadDirectory) << cannotUnpack
                                         << "Unpacking Error..." << true;
        // After an earlier package ride, so a stale InstalledTrack is there to be (wrongly) ridden.
        QTest::newRow("package without a track") << RideOutcome::UnpackFailed << int(kPackageNoTrack) << cannotUnpack
                                                 << "Unpacking Error..." << true;
    }
    void refusalsChangeNothing()
    {
        const QLatin1String setUp(QTest::currentDataTag());
        QFETCH(RideOutcome, outcome);
        QFETCH(int, packageCode);
        Scene s;
        s.root.createFile(QStringLiteral("media/Loop.tktrack"), "loop");
        qint32 index = s.add(s.media(QStringLiteral("Loop.tktrack")), FileTypeTrack, 4);
        if (setUp == QLatin1String("simulator missing"))
            QVERIFY(QFile::remove(s.sim(QStringLiteral("TrakoraSimulator.exe"))));
        else if (setUp == QLatin1String("track missing"))
            index = s.add(s.media(QStringLiteral("Gone.tktrack")), FileTypeTrack, 4);
        else if (setUp == QLatin1String("package missing"))
            index = s.add(s.media(QStringLiteral("Gone.tkpack")), FileTypePackage, 4);
        else if (setUp == QLatin1String("unknown type missing"))
            index = s.add(s.media(QStringLiteral("Gone.tkzip")), FileTypeUnknown, 4);
        if (setUp == QLatin1String("zlib missing")) {
            s.writePackage(QStringLiteral("Loop.tkpack"), kLoopPackage);
            index = s.add(s.media(QStringLiteral("Loop.tkpack")), FileTypePackage, 4);
            s.context.ZlibAvailable = [] { return false; };
        } else if (setUp == QLatin1String("damaged package")) {
            s.root.createFile(QStringLiteral("media/Bad.tkpack"), QByteArray(64, 'x'));
            index = s.add(s.media(QStringLiteral("Bad.tkpack")), FileTypePackage, 4);
        } else if (setUp == QLatin1String("package without a track")) {
            s.writePackage(QStringLiteral("Loop.tkpack"), kLoopPackage);
            QCOMPARE(s.ride(s.add(s.media(QStringLiteral("Loop.tkpack")), FileTypePackage)).Outcome, RideOutcome::Started);
            s.writePackage(QStringLiteral("Scenery.tkpack"),
                           {{QStringLiteral("objects\\"), QStringLiteral("tree.obj"), "tree"}});
            index = s.add(s.media(QStringLiteral("Scenery.tkpack")), FileTypePackage, 4);
            s.started.clear();
        }

        const std::vector<MediaRecord> recordsBefore = s.table.MediaList;
        const QByteArray databaseBefore = TestFolder::readFile(s.places.DatabaseFile);
        const QStringList filesBefore = s.root.listAll();
        const QByteArray listBefore = TestFolder::readFile(s.listFile());
        bool counted = false;

        const RideResult result = s.ride(index, [&](qint32) { counted = true; });

        QCOMPARE(result.Outcome, outcome);
        QCOMPARE(result.PackageCode, packageCode);
        const std::optional<RideMessage> message = RideFailureMessage(result.Outcome);
        QVERIFY(message.has_value());
        QTEST(message->Text, "text");
        QTEST(message->Title, "title");
        QTEST(message->IsError, "isError");
        QVERIFY(!counted);
        QVERIFY(s.table.MediaList == recordsBefore);
        QCOMPARE(TestFolder::readFile(s.places.DatabaseFile), databaseBefore);
        QCOMPARE(s.root.listAll(), filesBefore);
        QCOMPARE(TestFolder::readFile(s.listFile()), listBefore);
        QCOMPARE(s.started, QList<QStringList>());
    }

    // Counted twice, the second date kept, the row told before the save and the save done before
    // the start; a simulator that will not start still gets its ride counted.
    void countsAndSavesBeforeStarting_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<qint32>("fileType");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<RideOutcome>("outcome");
        QTest::newRow("track") << "Big Loop.tktrack" << qint32(FileTypeTrack) << true << RideOutcome::Started;
        QTest::newRow("simulator does not start") << "Big Loop.tktrack" << qint32(FileTypeTrack) << false
                                                  << RideOutcome::StartFailed;
        QTest::newRow("unknown type rides as it is") << "Big Loop.tkzip" << qint32(FileTypeUnknown) << true
                                                     << RideOutcome::Started;
    }
    void countsAndSavesBeforeStarting()
    {
        QFETCH(QString, fileName);
        QFETCH(qint32, fileType);
        QFETCH(bool, startSucceeds);
        QFETCH(RideOutcome, outcome);
        Scene s;
        s.startSucceeds = startSucceeds;
        const QString track = s.root.createFile(QStringLiteral("media/") + fileName, "loop");
        s.root.createFile(QStringLiteral("media/Other.tktrack"), "other");
        s.add(s.media(QStringLiteral("Other.tktrack")), FileTypeTrack, 2);
        const qint32 index = s.add(track, fileType, 998);
        const QStringList command{s.sim(QStringLiteral("TrakoraSimulator.exe")), QStringLiteral("text:-s"),
                                  QStringLiteral("path:") + track};

        for (const qint32 expectedCount : {999, 1000}) {
            qint32 savedWhenCounted = -1;
            const qsizetype startsBefore = s.started.size();
            const RideResult result = s.ride(index, [&](qint32 countedIndex) {
                QCOMPARE(countedIndex, index);
                QCOMPARE(s.started.size(), startsBefore);
                std::vector<MediaRecord> onDisk;
                ReadMediaDatabaseFile(s.places.DatabaseFile, onDisk);
                savedWhenCounted = onDisk.at(size_t(index)).RideCount;
            });
            QCOMPARE(result.Outcome, outcome);
            QVERIFY(result.DatabaseSaved);
            QCOMPARE(result.RideFile, track);
            QCOMPARE(savedWhenCounted, expectedCount - 1);
            QCOMPARE(s.table.MediaList[size_t(index)].RideCount, expectedCount);
        }
        QCOMPARE(s.table.MediaList[size_t(index)].RideDate, QStringLiteral("03/14/2005 17:02:09"));
        QCOMPARE(s.table.MediaList[0].RideCount, 2);
        QCOMPARE(s.started, (QList<QStringList>{command, command}));
        std::vector<MediaRecord> saved;
        QCOMPARE(ReadMediaDatabaseFile(s.places.DatabaseFile, saved), DatabaseRead::Loaded);
        QVERIFY(saved == s.table.MediaList);
    }

    // The simulator starts on the installed track, found in the simulator folder as it is spelt
    // there; PackTrack keeps the package's own relative form. After the clean-up the simulator
    // folder is as before the ride, a track the user already had included. A ride whose simulator
    // does not start takes its files away at once; what an earlier ride listed (its simulator may
    // still run) stays, byte for byte. The ride counts either way.
    void packageRideStartsOnTheInstalledTrack_data()
    {
        QTest::addColumn<bool>("trackWasThere");
        QTest::addColumn<bool>("startSucceeds");
        QTest::newRow("track comes with the package") << false << true;
        QTest::newRow("track was already there") << true << true;
        QTest::newRow("simulator does not start") << false << false;
    }
    void packageRideStartsOnTheInstalledTrack()
    {
        QFETCH(bool, trackWasThere);
        QFETCH(bool, startSucceeds);
        Scene s;
        s.startSucceeds = startSucceeds;
        if (trackWasThere)
            s.root.createFile(QStringLiteral("sim/Tracks/loop.TKTRACK"), "the user's own loop");
        if (!startSucceeds) {
            s.root.createFile(QStringLiteral("sim/Objects/earlier.obj"), "earlier");
            s.root.createFile(QStringLiteral("prog/Ridevault.rvltps"), "Objects\\earlier.obj");
        }
        s.writePackage(QStringLiteral("Loop.tkpack"), kLoopPackage);
        const qint32 index = s.add(s.media(QStringLiteral("Loop.tkpack")), FileTypePackage, 1);
        const QStringList filesBefore = s.filesButBackups();

        const RideResult result = s.ride(index);

        QCOMPARE(s.table.MediaList[size_t(index)].RideCount, 2);
        if (!startSucceeds) {
            QCOMPARE(result.Outcome, RideOutcome::StartFailed);
            QVERIFY(!result.Simulator);
            QCOMPARE(s.filesButBackups(), filesBefore);
            QCOMPARE(TestFolder::readFile(s.listFile()), QByteArray("Objects\\earlier.obj"));
            QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("Objects/earlier.obj"))), QByteArray("earlier"));
            return;
        }
        QCOMPARE(result.Outcome, RideOutcome::Started);
        const QString rideFile = s.sim(trackWasThere ? QStringLiteral("Tracks/loop.TKTRACK")
                                                     : QStringLiteral("Tracks/Loop.tktrack"));
        QCOMPARE(result.RideFile, rideFile);
        QCOMPARE(s.started, (QList<QStringList>{{s.sim(QStringLiteral("TrakoraSimulator.exe")),
                                                 QStringLiteral("text:-s"), QStringLiteral("path:") + rideFile}}));
        QCOMPARE(s.table.MediaList[size_t(index)].PackTrack, QStringLiteral("tracks\\Loop.tktrack"));
        QVERIFY(QFile::exists(s.sim(QStringLiteral("Objects/loop/station.obj"))));

        CleanupInstalledFiles(s.places.SimulatorPath, s.places.ProgramFolder);
        QCOMPARE(s.filesButBackups(), filesBefore);
        if (trackWasThere)
            QCOMPARE(TestFolder::readFile(rideFile), QByteArray("the user's own loop"));
    }

    // A second ride while the first simulator still runs: both packages join the list, each ride hands
    // back the simulator it started (the monitor waits for them all), and the clean-up then removes
    // the files of both, the folders as they were.
    void secondRideWhileTheSimulatorRuns()
    {
        Scene s;
        s.writePackage(QStringLiteral("Loop.tkpack"), kLoopPackage);
        s.writePackage(QStringLiteral("Hills.tkpack"),
                       {{QStringLiteral("objects\\hills\\"), QStringLiteral("hill.obj"), "hill"},
                        {QStringLiteral("tracks\\"), QStringLiteral("Hills.tktrack"), "hills"}});
        const qint32 loop = s.add(s.media(QStringLiteral("Loop.tkpack")), FileTypePackage);
        const qint32 hills = s.add(s.media(QStringLiteral("Hills.tkpack")), FileTypePackage);
        const QStringList filesBefore = s.filesButBackups();

        const StartedProgram first = s.ride(loop).Simulator;
        const StartedProgram second = s.ride(hills).Simulator;
        QCOMPARE(TestFolder::readFile(s.listFile()),
                 QByteArray("objects\\loop\\station.obj|tracks\\Loop.tktrack|objects\\hills\\hill.obj|tracks\\Hills.tktrack"));
        s.endedStarts = 1;
        QVERIFY(first && first.HasEnded());
        QVERIFY(second && !second.HasEnded());
        CleanupInstalledFiles(s.places.SimulatorPath, s.places.ProgramFolder);
        QCOMPARE(s.filesButBackups(), filesBefore);
    }

    // ridevault-cli ride, with a simulator that writes down the arguments it was started with.
    void rideFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("track") << "1" << 0 << "";
        QTest::newRow("simulator missing") << "1" << 2
            << "ridevault-cli: Trakora Simulator Not Found! Set the path to Trakora in the Advanced Settings.\n";
        QTest::newRow("damaged package") << "2" << 2
            << "ridevault-cli: Could Not Unpack File! The package could not be installed. (no package directory "
               "(trailer or \"TKSE\" magic wrong), result -2)\n";
        QTest::newRow("no such record") << "3" << 2 << "ridevault-cli: INDEX must be a record number from 0 to 2\n";
    }
    void rideFromTheCommandLine()
    {
        QFETCH(QString, index);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        Scene s;
        const QString arguments = s.root.filePath(QStringLiteral("arguments.txt"));
        const QByteArray to = arguments.toUtf8();
        const QString simulator = s.root.createFile(QStringLiteral("sim/TrakoraSimulator.exe"),
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + to + ".part\" && mv \"" + to + ".part\" \"" + to + "\"\n");
        QFile::setPermissions(simulator, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (QLatin1String(QTest::currentDataTag()) == QLatin1String("simulator missing"))
            QFile::remove(simulator);
        for (const QString& name : {QStringLiteral("Old.tktrack"), QStringLiteral("Big Loop.tktrack"), QStringLiteral("Bad.tkpack")})
            s.add(s.root.createFile(QStringLiteral("media/") + name, "not a package"),
                  name.endsWith(QLatin1String(".tkpack")) ? FileTypePackage : FileTypeTrack, 41);
        const QByteArray databaseBefore = TestFolder::readFile(s.places.DatabaseFile);

        const CliRun run = RunCli({QStringLiteral("ride"), s.places.DatabaseFile, index, QStringLiteral("--simulator"),
                                   s.root.filePath(QStringLiteral("sim")), QStringLiteral("--program-folder"),
                                   s.root.filePath(QStringLiteral("prog"))});

        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(run.err), error);
        if (exitCode != 0) {
            QVERIFY(run.out.isEmpty());
            QCOMPARE(TestFolder::readFile(s.places.DatabaseFile), databaseBefore);
            QVERIFY(!QFile::exists(arguments));
            return;
        }
        const QJsonObject printed = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(printed.value(QStringLiteral("FilePath")).toString(), s.table.MediaList[1].FilePath);
        QCOMPARE(printed.value(QStringLiteral("RideCount")).toInt(), 42);
        std::vector<MediaRecord> saved;
        QCOMPARE(ReadMediaDatabaseFile(s.places.DatabaseFile, saved), DatabaseRead::Loaded);
        QCOMPARE(saved[1].RideCount, 42);
        QCOMPARE(saved[1].RideDate, printed.value(QStringLiteral("RideDate")).toString());
        QCOMPARE(saved[0].RideCount, 41);
        QTRY_VERIFY(QFile::exists(arguments));
        QCOMPARE(TestFolder::readFile(arguments), "-s\n" + s.table.MediaList[1].FilePath.toUtf8() + "\n");
    }
};

QTEST_GUILESS_MAIN(TestRide)
#include "tst_ride.moc"
