// Riding from the main window, offscreen: the five refusals as message boxes that leave record, row
// and database file alone; "Ride!", a double-click and Enter counting the ride into the row and the
// file before the simulator starts; the monitor cleaning up once the simulator's window has gone,
// also under a modal dialog; the editor and terraformer; the help menu's addresses. Program start
// and the simulator's window are stand-ins the test controls.

#include "MainWindowFixture.h"
#include "MessageBoxReader.h"
#include "ModalDriver.h"
#include "UrlCatcher.h"

#include "controls/ucAdvList.h"
#include "controls/ucTextButton.h"
#include "dialogs/StandardIcons.h"
#include "dialogs/frmInfo.h"
#include "dialogs/frmMessageBox.h"
#include "library/MediaDatabase.h"
#include "ride/PackageWriter.h"
#include "settings/MakerWebSite.h"

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QUrl>

namespace {

const QDateTime kRideTime(QDate(2005, 3, 14), QTime(17, 2, 9));

// A main window over a simulator folder (the simulator, the editor, the terraformer, its own
// folders) and a media folder, with program start, the clock and the simulator's window faked.
struct RideScene {
    MainWindowFixture f;
    QString sim;
    QList<QStringList> started;
    WindowHandle simulatorWindow = 0;

    explicit RideScene(const std::vector<MediaRecord>& records)
    {
        sim = f.folder.createDir(QStringLiteral("sim")) + QLatin1Char('/');
        for (const char* program : {"TrakoraSimulator.exe", "TrakoraEditor.exe", "TrakoraTerraformer.exe"})
            f.folder.createFile(QStringLiteral("sim/") + QLatin1String(program), "stand-in");
        for (const char* folder : {"Tracks", "Objects", "Screenshots"})
            f.folder.createDir(QStringLiteral("sim/") + QLatin1String(folder));
        f.WriteSettings([this](AppSettings& settings, Theme&) {
            settings.SimulatorPath = sim;
            settings.MediaPaths.clear();
        });
        f.WriteDatabase(records);
        f.Open();
        RideContext& rides = f.window->Rides();
        rides.StartProgram = [this](const ProgramCommand& c) {
            QStringList text{c.Program};
            for (const ProgramArgument& a : c.Arguments)
                text << a.Text;
            started << text;
            return StartedProgram([] { return false; });
        };
        rides.Now = [] { return kRideTime; };
        f.window->SimulatorWindowFinder() = [this](const QString& title) {
            return title == QLatin1String("TrakoraSimulator") ? simulatorWindow : 0;
        };
    }
    QString media(const QString& name) const { return f.folder.filePath(QStringLiteral("media/") + name); }
    QByteArray database() const { return TestFolder::readFile(MediaDatabasePath(f.ProgramFolder())); }
    QStringList rowCells(int row) const
    {
        QStringList cells;
        for (int column = 0; column < 7; ++column)
            cells << f.List()->ListItem(column, row);
        return cells;
    }
};

std::vector<PackageSourceFile> LoopPackage()
{
    return {{QStringLiteral("objects\\loop\\"), QStringLiteral("station.obj"), "station"},
            {QStringLiteral("tracks\\"), QStringLiteral("Loop.tktrack"), "packaged loop"}};
}

} // namespace

class TestMainRide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { frmMessageBox::ClearNextAnswers(); }

    void refusalsLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::newRow("simulator missing") << "simulator missing"
            << "Trakora Simulator Not Found!\r\nSet the path to Trakora in the Advanced Settings." << "Not Found..." << 1;
        QTest::newRow("track missing") << "track missing"
            << "Track File Not Found!\r\nThe track file has been Moved or Renamed." << "Not Found..." << 1;
        QTest::newRow("package missing") << "package missing"
            << "Pack File Not Found!\r\nThe pack file has been Moved or Renamed." << "Not Found..." << 1;
        QTest::newRow("zlib missing") << "zlib missing"
            << "zLib.DLL Not Foudn or Improperly Installed!\r\nPlace the zLib.DLL file in your System Path."
            << "Missing DLL..." << 3;
        QTest::newRow("damaged package") << "damaged package"
            << "Could Not Unpack File!\r\nThe package could not be installed." << "Unpacking Error..." << 3;
    }
    void refusalsLeaveEverythingAsItWas()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, text);
        QFETCH(int, icon);
        TestFolder media;
        const bool package = setUp != QLatin1String("simulator missing") && setUp != QLatin1String("track missing");
        const QString path = media.filePath(package ? QStringLiteral("Loop.tkpack") : QStringLiteral("Loop.tktrack"));
        if (setUp == QLatin1String("simulator missing"))
            media.createFile(QStringLiteral("Loop.tktrack"), "loop");
        else if (setUp == QLatin1String("zlib missing"))
            QVERIFY(WritePackageFile(path, LoopPackage()));
        else if (setUp == QLatin1String("damaged package"))
            media.createFile(QStringLiteral("Loop.tkpack"), QByteArray(40, 'x'));
        RideScene s({TestRecord(path, QStringLiteral("Loop"), QStringLiteral("Anna"), 7)});
        if (setUp == QLatin1String("simulator missing"))
            QVERIFY(QFile::remove(s.sim + QStringLiteral("TrakoraSimulator.exe")));
        if (setUp == QLatin1String("zlib missing"))
            s.f.window->Rides().ZlibAvailable = [] { return false; };
        s.f.ClickRow(0);
        const MediaRecord recordBefore = s.f.state.Media.MediaList[0];
        const QStringList rowBefore = s.rowCells(0);
        const QByteArray databaseBefore = s.database();
        const QStringList simBefore = s.f.folder.listAll();

        ShownMessage shown;
        ReadNextMessageBox(shown, MessageAnswer::OK);
        s.f.ClickLabel("lblMenu3");

        // The box shows the CR LF of the text as one line break.
        QCOMPARE(shown.text, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QTEST(shown.caption, "title");
        QCOMPARE(shown.buttons, QList<int>{0});  // OK
        QVERIFY(!shown.iconImage.isNull());
        QCOMPARE(shown.iconImage, StandardIcon(icon, QApplication::style()).pixmap(shown.iconImage.size()).toImage());
        QVERIFY(s.f.state.Media.MediaList[0] == recordBefore);
        QCOMPARE(s.rowCells(0), rowBefore);
        QCOMPARE(s.database(), databaseBefore);
        QCOMPARE(s.f.folder.listAll(), simBefore);
        QCOMPARE(s.started, QList<QStringList>());
    }

    // Each way in rides the row pressed last: the count and date are in the row and in the file, and
    // the simulator was started on the track with "-s". A record the search has hidden since is still
    // counted and saved, and the list is not touched.
    void everyWayInRidesTheSelectedRow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("search");  // typed after the row was pressed
        QTest::addColumn<bool>("finalSeparator");  // of the simulator folder as the user typed it
        QTest::newRow("Ride!") << "Ride!" << "" << true;
        QTest::newRow("double-click") << "double-click" << "" << true;
        QTest::newRow("Enter") << "Enter" << "" << true;
        QTest::newRow("Alt+R") << "Alt+R" << "" << true;
        QTest::newRow("Ride! on a row the search hid") << "Ride!" << "Another" << true;
        QTest::newRow("simulator folder without its separator") << "Ride!" << "" << false;
    }
    void everyWayInRidesTheSelectedRow()
    {
        QFETCH(QString, way);
        QFETCH(QString, search);
        QFETCH(bool, finalSeparator);
        TestFolder media;
        const QString track = media.createFile(QStringLiteral("Big Loop.tktrack"), "loop");
        const QString other = media.createFile(QStringLiteral("Another.tktrack"), "other");
        RideScene s({TestRecord(other, QStringLiteral("Another"), QString(), 3),
                     TestRecord(track, QStringLiteral("Big Loop"), QString(), 999)});
        if (!finalSeparator)
            s.f.state.Settings.SimulatorPath = s.sim.chopped(1);
        // Answers a refusal ("Not Found...") should one come, so that a fault fails instead of waiting.
        frmMessageBox::SetNextAnswer(MessageAnswer::OK);
        const int row = s.f.window->FindRowByKey(1);  // sorted by title: Another, Big Loop
        QCOMPARE(row, 1);
        s.f.ClickRow(row);
        s.f.Child<QLineEdit>(QStringLiteral("txtSearch"))->setText(search);
        const QStringList titles = s.f.ListTitles();
        const QStringList firstRow = s.rowCells(0);
        if (way == QLatin1String("Ride!"))
            s.f.ClickLabel("lblMenu3");
        else if (way == QLatin1String("double-click"))
            QTest::mouseDClick(s.f.List(), Qt::LeftButton, {}, s.f.RowPoint(row));
        else if (way == QLatin1String("Alt+R"))
            QTest::keyClick(s.f.List(), Qt::Key_R, Qt::AltModifier);
        else
            QTest::keyClick(s.f.List(), Qt::Key_Return);

        QCOMPARE(s.started, (QList<QStringList>{{s.sim + QStringLiteral("TrakoraSimulator.exe"), QStringLiteral("-s"), track}}));
        QCOMPARE(s.rowCells(0), firstRow);
        if (search.isEmpty()) {
            QCOMPARE(s.rowCells(row).mid(3, 2), (QStringList{"1,000", "03/14/2005 17:02:09"}));
        } else {
            QCOMPARE(titles, QStringList{"Another"});
            QCOMPARE(s.f.window->FindRowByKey(1), -1);
            QCOMPARE(s.f.ListTitles(), titles);
        }
        MediaTable onDisk;
        QVERIFY(LoadMediaDatabase(onDisk, s.f.ProgramFolder()));
        QCOMPARE(onDisk.MediaList[1].RideCount, 1000);
        QCOMPARE(onDisk.MediaList[1].RideDate, QStringLiteral("03/14/2005 17:02:09"));
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Riding Big Loop..."));
        QCOMPARE(s.f.state.Settings.SimulatorPath, finalSeparator ? s.sim : s.sim.chopped(1));
        QCOMPARE(frmMessageBox::PendingAnswers(), 1);
    }

    // Only a double-click on a row rides (the row pressed before stays selected everywhere else),
    // and a held Enter rides once however often its key repeats.
    void ridesStartOnlyOnPurpose_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("rides");
        QTest::newRow("double-click on a row") << "row" << 1;
        QTest::newRow("double-click on a header") << "header" << 0;
        QTest::newRow("double-click on a column edge") << "edge" << 0;
        QTest::newRow("double-click below the rows") << "below" << 0;
        QTest::newRow("Enter held") << "held Enter" << 1;
    }
    void ridesStartOnlyOnPurpose()
    {
        QFETCH(QString, where);
        TestFolder media;
        const QString track = media.createFile(QStringLiteral("Big Loop.tktrack"), "loop");
        RideScene s({TestRecord(track, QStringLiteral("Big Loop"))});
        s.f.ClickRow(0);
        ucAdvList* list = s.f.List();
        const QRect header = list->HeaderCellRect(0);
        if (where == QLatin1String("held Enter")) {
            for (bool repeat : {false, true, true, true}) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
                QCoreApplication::sendEvent(list, &press);
            }
            QTest::keyRelease(list, Qt::Key_Return);
        } else {
            const QPoint point = where == QLatin1String("row") ? s.f.RowPoint(0)
                : where == QLatin1String("header")             ? header.center()
                : where == QLatin1String("edge")               ? QPoint(header.right(), header.center().y())
                                                               : s.f.RowPoint(1);  // the only row is 0
            // A double click's first click is a press of its own.
            QTest::mouseMove(list, point);
            QTest::mouseClick(list, Qt::LeftButton, {}, point);
            QTest::mouseDClick(list, Qt::LeftButton, {}, point);
        }
        QTEST(int(s.started.size()), "rides");
        QTEST(s.f.state.Media.MediaList[0].RideCount, "rides");
    }

    // A scan that ends during the ride takes back only its own status text.
    void rideTextOutlivesAScan()
    {
        TestFolder media;
        const QString track = media.createFile(QStringLiteral("Big Loop.tktrack"), "loop");
        RideScene s({TestRecord(track, QStringLiteral("Big Loop"))});
        s.f.window->StartFileScan(false);
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Passive File Scan in Progress..."));
        s.f.ClickRow(0);
        s.f.window->Run(MainCommand::Ride);
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Riding Big Loop..."));
        QTRY_VERIFY(!s.f.window->Timers().FileScanTimer().isActive());
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Riding Big Loop..."));
    }

    // The selected record keeps its row through every refill: Update and a ride change that
    // record's row and no other, though the refill put another record where it was.
    void editAndRideFollowTheRecordAfterARefill_data()
    {
        QTest::addColumn<QString>("refill");
        QTest::newRow("a search that moves the row") << "search";
        QTest::newRow("a validation that removes nothing") << "validate";
        QTest::newRow("a validation that removes an earlier record") << "validate, one gone";
        QTest::newRow("clearing the search") << "clear";
    }
    void editAndRideFollowTheRecordAfterARefill()
    {
        QFETCH(QString, refill);
        TestFolder media;
        // In record order Corkscrew, Another, Big Loop; by title Another is first.
        std::vector<MediaRecord> records;
        if (refill == QLatin1String("validate, one gone"))
            records.push_back(TestRecord(media.filePath(QStringLiteral("Gone.tktrack")), QStringLiteral("Gone")));
        for (const char* title : {"Corkscrew", "Another", "Big Loop"})
            records.push_back(TestRecord(media.createFile(QLatin1String(title) + QStringLiteral(".tktrack"), "x"),
                                         QLatin1String(title)));
        RideScene s(records);
        const qint32 another = refill == QLatin1String("validate, one gone") ? 2 : 1;
        QCOMPARE(s.f.window->FindRowByKey(another), 0);
        s.f.ClickRow(0);
        if (refill == QLatin1String("search")) {
            QTest::keyClicks(s.f.Child<QLineEdit>(QStringLiteral("txtSearch")), QStringLiteral("o"));
        } else if (refill == QLatin1String("clear")) {
            QTest::keyClicks(s.f.Child<QLineEdit>(QStringLiteral("txtSearch")), QStringLiteral("o"));
            s.f.Child<QLineEdit>(QStringLiteral("txtSearch"))->clear();
        } else {
            s.f.state.Settings.MediaPaths = QStringList{media.path()};
            s.f.window->Run(MainCommand::ValidateMediaList);
        }
        QCOMPARE(s.f.ListTitles(), (QStringList{"Corkscrew", "Another", "Big Loop"}));
        QCOMPARE(s.f.state.Selection.SelectedMediaIndex, 1);  // Another
        const QStringList firstRow = s.rowCells(0);
        const QStringList lastRow = s.rowCells(2);

        auto* title = s.f.Child<QLineEdit>(QStringLiteral("txtInfo0"));
        QCOMPARE(title->text(), QStringLiteral("Another"));
        title->setText(QStringLiteral("Another One"));
        QTest::mouseClick(s.f.Child<ucTextButton>(QStringLiteral("btnUpdateInfo")), Qt::LeftButton);
        s.f.window->Run(MainCommand::Ride);

        QCOMPARE(s.rowCells(0), firstRow);
        QCOMPARE(s.rowCells(2), lastRow);
        QCOMPARE(s.rowCells(1).mid(0, 5),
                 (QStringList{"Another One", "", "", "1", "03/14/2005 17:02:09"}));
    }

    // A package ride installs, rides the installed track and looks its screenshot up by it; the
    // monitor cleans up once when the simulator's window has gone, even while a modal dialog is
    // open, and the information panel is refreshed.
    void packageRideIsCleanedUpOnceTheSimulatorCloses()
    {
        TestFolder media;
        const QString package = media.filePath(QStringLiteral("Pack Of Loops.tkpack"));
        QVERIFY(WritePackageFile(package, LoopPackage()));
        RideScene s({TestRecord(package, QStringLiteral("Pack Of Loops"))});
        QImage(40, 30, QImage::Format_RGB32).save(s.sim + QStringLiteral("Screenshots/Loop.bmp"));
        const QStringList filesBefore = s.f.folder.listAll();
        s.f.ClickRow(0);
        QVERIFY(!s.f.window->HasPreview());

        s.f.ClickLabel("lblMenu3");

        QCOMPARE(s.f.state.Media.MediaList[0].PackTrack, QStringLiteral("tracks\\Loop.tktrack"));
        QCOMPARE(s.started.value(0).value(2), s.sim + QStringLiteral("Tracks/Loop.tktrack"));
        QVERIFY(QFile::exists(s.sim + QStringLiteral("Objects/loop/station.obj")));
        s.simulatorWindow = 42;
        s.f.window->CheckApps();
        QVERIFY(s.f.window->SimulatorWasRunning());
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Riding Pack Of Loops..."));

        // The simulator closes while "Trakora Information..." is open: tmrCheckApps still ticks.
        s.simulatorWindow = 0;
        QStringList versions;
        bool cleanedUnderDialog = false;
        WhenModalOpens<frmInfo>([&](frmInfo* info) {
            for (int i = 0; i < frmInfo::kRowCount; ++i)
                versions << info->AppVersionLabel(i)->text();
            cleanedUnderDialog = QTest::qWaitFor([&] { return !s.f.window->SimulatorWasRunning(); }, 5000);
            QTest::mouseClick(info->OkayButton(), Qt::LeftButton);
        });
        s.f.ClickLabel("lblMenu1");
        s.f.ClickLabel("lblViewMenu0");

        QVERIFY(cleanedUnderDialog);
        QCOMPARE(versions, (QStringList{"----", "----", "----"}));
        // The ride's save keeps the database it replaced among the backups; those are not the ride's files.
        QStringList filesAfter = s.f.folder.listAll();
        filesAfter.removeIf([](const QString& entry) { return entry.contains(QLatin1String("Backups/")); });
        QCOMPARE(filesAfter, filesBefore);
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Ride over: 2 installed files removed."));
        QVERIFY(s.f.window->HasPreview());
        s.f.window->CheckApps();
        QCOMPARE(s.f.StatusText(0), QStringLiteral("Ride over: 2 installed files removed."));
    }

    void toolsStartOnTheSelectedTrack_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("altKey");  // 0: a click on the label
        QTest::addColumn<QString>("program");
        QTest::newRow("Edit") << "lblMenu4" << 0 << "TrakoraEditor.exe";
        QTest::newRow("Terraform") << "lblMenu5" << 0 << "TrakoraTerraformer.exe";
        QTest::newRow("Alt+E") << "lblMenu4" << int(Qt::Key_E) << "TrakoraEditor.exe";
        QTest::newRow("Alt+T") << "lblMenu5" << int(Qt::Key_T) << "TrakoraTerraformer.exe";
    }
    void toolsStartOnTheSelectedTrack()
    {
        QFETCH(QString, label);
        QFETCH(int, altKey);
        QFETCH(QString, program);
        TestFolder media;
        const QString track = media.createFile(QStringLiteral("Big Loop.tktrack"), "loop");
        RideScene s({TestRecord(track, QStringLiteral("Big Loop"))});
        const auto run = [&] {
            if (altKey)
                QTest::keyClick(s.f.List(), Qt::Key(altKey), Qt::AltModifier);
            else
                s.f.ClickLabel(label);
        };
        run();  // nothing selected yet: switched off
        QCOMPARE(s.started.size(), 0);
        s.f.ClickRow(0);
        run();
        QCOMPARE(s.started, (QList<QStringList>{{s.sim + program, track}}));

        QVERIFY(QFile::remove(s.sim + program));
        run();
        QCOMPARE(s.started.size(), 1);
    }

    void helpMenuOpensItsAddresses_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("Contents...") << "lblHelpMenu0"
            << QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Ridevault.html"));
        QTest::newRow("Halvorn Studios") << "lblHelpMenu1" << QUrl(QLatin1String(kMakerHomePage));
        QTest::newRow("Check for Updates") << "lblHelpMenu2" << QUrl(VersionCheckAddress());
    }
    void helpMenuOpensItsAddresses()
    {
        QFETCH(QString, entry);
        QFETCH(QUrl, address);
        UrlCatcher catcher;
        RideScene s({});
        s.f.ClickLabel("lblMenu2");
        s.f.ClickLabel(entry);
        QCOMPARE(catcher.opened, QList<QUrl>{address});
    }
};

QTEST_MAIN(TestMainRide)
#include "tst_mainride.moc"
