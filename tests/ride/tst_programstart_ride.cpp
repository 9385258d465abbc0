// The command lines the simulator's three programs are started with, and the stand-in programs
// that accept them: what Ridevault sends is what the stand-in reads back.

#include "ride/SimulatorPrograms.h"

#include "StandIn.h"
#include "TestFolder.h"

#include <QFile>
#include <QImage>
#include <QTest>

Q_DECLARE_METATYPE(SimulatorProgram)
Q_DECLARE_METATYPE(StandInKind)

class TestProgramStartRide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The whole way of a track path: command, start plan for a native program, stand-in parser. The
    // folder as the user typed it, with or without its final separator, names one program. (The
    // commands of the three programs are checked where the ride and the tools start them.)
    void standInReadsWhatIsSent_data()
    {
        QTest::addColumn<SimulatorProgram>("program");
        QTest::addColumn<StandInKind>("kind");
        QTest::addColumn<QString>("separator");  // after the folder, as typed
        QTest::newRow("simulator") << SimulatorProgram::Simulator << StandInKind::Simulator << "/";
        QTest::newRow("simulator, folder typed without separator")
            << SimulatorProgram::Simulator << StandInKind::Simulator << "";
        QTest::newRow("editor") << SimulatorProgram::Editor << StandInKind::Editor << "/";
        QTest::newRow("terraformer") << SimulatorProgram::Terraformer << StandInKind::Terraformer << "";
    }
    void standInReadsWhatIsSent()
    {
        QFETCH(SimulatorProgram, program);
        QFETCH(StandInKind, kind);
        QFETCH(QString, separator);
        TestFolder simulator;
        const QString file = simulator.createFile(SimulatorProgramFileName(program), "\x7f" "ELF");
        const QString track = QStringLiteral("/rides/-s \"odd\" name.tktrack");
        const ProgramStartPlan plan =
            PlanProgramStart(SimulatorProgramCommand(simulator.path() + separator, program, track), QString());
        QCOMPARE(plan.Executable, file);
        const StandInRequest request = ParseStandInArguments(kind, plan.Arguments);
        QCOMPARE(request.Error, QString());
        QCOMPARE(request.TrackPath, track);
        QCOMPARE(StandInWindowTitle(kind, track),
                 SimulatorProgramFileName(program).chopped(4) + QStringLiteral(" - -s \"odd\" name.tktrack"));
    }

    void standInRefusesOtherCommandLines_data()
    {
        QTest::addColumn<StandInKind>("kind");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("understood");
        QTest::newRow("simulator without -s") << StandInKind::Simulator << QStringList{"a.tktrack"} << false;
        QTest::newRow("simulator, -s without track") << StandInKind::Simulator << QStringList{"-s"} << false;
        QTest::newRow("simulator, -S") << StandInKind::Simulator << QStringList{"-S", "a.tktrack"} << true;
        QTest::newRow("simulator, no arguments") << StandInKind::Simulator << QStringList() << true;
        QTest::newRow("editor with two tracks") << StandInKind::Editor << QStringList{"a", "b"} << false;
        QTest::newRow("terraformer with -s") << StandInKind::Terraformer << QStringList{"-s", "a"} << false;
    }
    void standInRefusesOtherCommandLines()
    {
        QFETCH(StandInKind, kind);
        QFETCH(QStringList, arguments);
        QFETCH(bool, understood);
        QCOMPARE(ParseStandInArguments(kind, arguments).Error.isEmpty(), understood);
    }

    // Installed files anywhere below the simulator's folders are what a ride reads; its own
    // screenshots and program files are not.
    void filesTheStandInReads()
    {
        TestFolder simulator;
        simulator.createFile(QStringLiteral("TrakoraSimulator.exe"), "x");
        simulator.createFile(QStringLiteral("objects/Pack/deep/b.obj"));
        simulator.createFile(QStringLiteral("Tracks/Loop.tktrack"));
        simulator.createFile(QStringLiteral("CarTextures/a.bmp"));
        simulator.createFile(QStringLiteral("screenshots/Loop.bmp"));
        simulator.createDir(QStringLiteral("Woody"));
        QCOMPARE(FilesTheProgramReads(simulator.path()),
                 (QStringList{"CarTextures/a.bmp", "objects/Pack/deep/b.obj", "Tracks/Loop.tktrack"}));
    }

    // Screenshots go into the existing Screenshots folder whatever its letter case (made when missing,
    // none when a file stands in its place), are named after the track, never replace an earlier
    // one, and are real BMP files.
    void screenshots()
    {
        TestFolder simulator;
        simulator.createDir(QStringLiteral("screenshots"));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(10, 200, 30));
        const QString track = QStringLiteral("/rides/Big Loop.v2.tktrack");

        const QString first = SaveScreenshot(picture, simulator.path(), track);
        const QString second = SaveScreenshot(picture, simulator.path(), track);
        QCOMPARE(first, simulator.filePath(QStringLiteral("screenshots/Big Loop.v2.bmp")));
        QCOMPARE(second, simulator.filePath(QStringLiteral("screenshots/Big Loop.v2 2.bmp")));
        QCOMPARE(TestFolder::readFile(first).left(2), QByteArray("BM"));
        const QImage back(first, "BMP");
        QCOMPARE(back.size(), picture.size());
        QCOMPARE(back.pixelColor(5, 5), QColor(10, 200, 30));
        QCOMPARE(simulator.listAll(), (QStringList{"screenshots/", "screenshots/Big Loop.v2 2.bmp", "screenshots/Big Loop.v2.bmp"}));

        TestFolder fresh;
        QCOMPARE(SaveScreenshot(QImage(4, 4, QImage::Format_RGB32), fresh.path(), QStringLiteral("a.tktrack")),
                 fresh.filePath(QStringLiteral("Screenshots/a.bmp")));
        TestFolder blocked;
        blocked.createFile(QStringLiteral("Screenshots"), "a file where the folder should be");
        QCOMPARE(SaveScreenshot(QImage(4, 4, QImage::Format_RGB32), blocked.path(), QStringLiteral("a.tktrack")), QString());
    }
};

QTEST_MAIN(TestProgramStartRide)
#include "tst_programstart_ride.moc"
