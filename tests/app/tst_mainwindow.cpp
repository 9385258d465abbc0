// The main window as a whole: what start-up restores and shutdown writes, the resize layout, the
// theme's sizes, the menu bar and its drop-downs, and a save that fails.

#include "MainWindowFixture.h"

#include "ModalDriver.h"

#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"
#include "library/MediaDatabase.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmMessageBox::ClearNextAnswers(); }

    void firstStartAndShutdown()
    {
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/b.tktrack"), "Beta"),
                         TestRecord(f.folder.filePath("m/a.tktrack"), "Alpha")});
        frmMain& window = f.Open();

        QCOMPARE(window.windowTitle(), QStringLiteral("Ridevault"));
        QVERIFY(QDir(f.folder.filePath("Themes")).exists());
        QCOMPARE(window.size(), QSize(640, 480));
        QCOMPARE(window.pos(), QPoint((1280 - 640) / 2, (1024 - 480) / 2));
        const ucAdvList* list = f.List();
        QCOMPARE(list->ColumnCount(), 8);
        QVERIFY(list->HideLastColumn());
        const QList<int> widths{200, 100, 65, 65, 130, 50, 130};
        for (int c = 0; c < 7; ++c)
            QCOMPARE(list->ColumnWidth(c), widths[c] * 15);
        // Filled and sorted by "Track Name", nothing selected (menuEnabledRules checks the commands).
        QCOMPARE(f.ListTitles(), (QStringList{"Alpha", "Beta"}));
        QCOMPARE(f.state.Selection.SelectedMediaIndex, -1);
        QVERIFY(window.Timers().CheckAppsTimer().isActive());

        // A user's column width and window rectangle come back at the next start.
        f.state.Settings.ColumnWidths[1] = 999;  // stale: the list's own width is what is saved
        window.resize(700, 500);
        QVERIFY(f.Close());
        AppSettings saved;
        QVERIFY(LoadSettings(saved, f.ProgramFolder()));
        QCOMPARE(saved.ColumnWidths[1], 100);
        QCOMPARE(saved.WindowWidth, 700 * 15);
        QCOMPARE(saved.WindowHeight, 500 * 15);
        MediaTable table;
        QVERIFY(LoadMediaDatabase(table, f.ProgramFolder()));
        QCOMPARE(table.MediaCount(), 2);
        f.Open();
        QCOMPARE(f.window->size(), QSize(700, 500));
    }

    void maximisedReopensMaximised()
    {
        MainWindowFixture f;
        f.WriteSettings([](AppSettings& s, Theme&) {
            s.WindowLeft = 100 * 15;
            s.WindowTop = 50 * 15;
            s.WindowWidth = 500 * 15;
            s.WindowHeight = 400 * 15;
        });
        f.Open();
        QCOMPARE(f.window->pos(), QPoint(100, 50));
        QCOMPARE(f.window->size(), QSize(500, 400));
        f.window->showMaximized();
        QTRY_VERIFY(f.window->isMaximized());
        QVERIFY(f.Close());

        f.Open();
        QTRY_VERIFY(f.window->isMaximized());
        // Restoring returns to the last normal rectangle: Qt holds it for the window, the settings
        // keep it through the maximised run and write it again at the next close.
        QCOMPARE(f.window->normalGeometry().size(), QSize(500, 400));
        QVERIFY(f.Close());
        AppSettings saved;
        QVERIFY(LoadSettings(saved, f.ProgramFolder()));
        QCOMPARE(saved.WindowState, 2);
        QCOMPARE(QRect(saved.WindowLeft, saved.WindowTop, saved.WindowWidth, saved.WindowHeight),
                 QRect(100 * 15, 50 * 15, 500 * 15, 400 * 15));
    }

    void layoutNeverNegative_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("roomy") << QSize(900, 700);
        QTest::newRow("narrow") << QSize(120, 700);
        QTest::newRow("short") << QSize(900, 90);
        QTest::newRow("tiny") << QSize(1, 1);
    }
    void layoutNeverNegative()
    {
        QFETCH(QSize, size);
        MainWindowFixture f;
        frmMain& window = f.Open();
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            QVERIFY2(child->width() >= 0 && child->height() >= 0, qPrintable(child->objectName()));
        }
        const ucAdvList* list = f.List();
        const QWidget* search = f.Child<QWidget>("fmeSearchArea");
        const ucStatusBar* status = f.Child<ucStatusBar>("sbMain");
        if (size.height() >= 400) {
            // 4 px below the search bar down to 4 px above the status bar.
            QCOMPARE(list->y(), search->y() + search->height() + 4);
            QCOMPARE(list->y() + list->height(), status->y() - 4);
        } else {
            QCOMPARE(list->height(), 0);
        }
        QCOMPARE(list->width(), std::max(size.width() - 8, 0));
        QCOMPARE(status->y() + status->height(), size.height());
        // "Folder" keeps 8 px to the right edge; "Ride!" ... "Folder" are 16 px apart.
        const QLabel* folder = f.Child<QLabel>("lblMenu6");
        const QLabel* terraform = f.Child<QLabel>("lblMenu5");
        QCOMPARE(folder->x() + folder->width(), size.width() - 8);
        QCOMPARE(terraform->x() + terraform->width() + 16, folder->x());
    }

    void themeSizes()
    {
        MainWindowFixture f;
        f.WriteSettings([](AppSettings& s, Theme& t) {
            t.PreviewWidth = 320;
            t.PreviewHeight = 240;
            s.ThemeName = QStringLiteral("Wide");
            QVERIFY(QDir().mkpath(s.ThemePath));
            QVERIFY(SaveTheme(t, s.ThemePath, s.ThemeName));
        });
        frmMain& window = f.Open();
        const QWidget* preview = f.Child<QWidget>("pbPreview");
        QCOMPARE(preview->size(), QSize(320, 240));
        QCOMPARE(f.Child<QWidget>("fmePreviewBorder")->size(), QSize(324, 244));

        // Applying the same theme again moves nothing.
        QList<QRect> before;
        const QList<QWidget*> children = window.findChildren<QWidget*>();
        for (const QWidget* child : children)
            before.append(child->geometry());
        window.ApplyTheme();
        for (int i = 0; i < children.size(); ++i)
            QCOMPARE(children[i]->geometry(), before[i]);

        // A larger menu font: a taller bar (line height + 8) and taller, wider drop-downs.
        const QWidget* bar = f.Child<QWidget>("fmeMenuArea");
        const QWidget* fileMenu = f.Child<QWidget>("fmeMenu0");
        const QLabel* file = f.Child<QLabel>("lblMenu0");
        const QSize barBefore = bar->size();
        const QSize menuBefore = fileMenu->size();
        f.state.CurrentTheme.MenuFont.SetSize(16);
        window.ApplyTheme();
        QVERIFY(bar->height() > barBefore.height());
        QCOMPARE(bar->height(), file->height() + 8);
        QVERIFY(fileMenu->height() > menuBefore.height());
        QVERIFY(fileMenu->width() > menuBefore.width());
        const QLabel* exit = f.Child<QLabel>(CommandObjectName(MainCommand::Exit));
        QCOMPARE(fileMenu->height(), exit->y() + exit->height() + 4);
        QCOMPARE(fileMenu->width(), exit->width() + 16);
    }

    void menuEnabledRules_data()
    {
        QTest::addColumn<int>("selectedRow");  // -1: nothing clicked yet
        QTest::addColumn<QString>("enabled");   // of "Ride!", "Edit", "Terraform", "Folder", the four boxes
        QTest::newRow("nothing selected") << -1 << "00000000";
        QTest::newRow("track") << 1 << "11111111";
        QTest::newRow("package") << 0 << "10011111";
    }
    void menuEnabledRules()
    {
        QFETCH(int, selectedRow);
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/a.tkpack"), "A pack"),
                         TestRecord(f.folder.filePath("m/b.tktrack"), "B track")});
        f.Open();
        if (selectedRow >= 0)
            f.ClickRow(selectedRow);
        QString actual;
        for (int i = 3; i <= 6; ++i)
            actual += f.Child<QWidget>(QStringLiteral("lblMenu%1").arg(i))->isEnabled() ? '1' : '0';
        for (int i = 0; i < 4; ++i)
            actual += f.Child<QWidget>(QStringLiteral("txtInfo%1").arg(i))->isEnabled() ? '1' : '0';
        QTEST(actual, "enabled");
    }

    void dropDownsFollowTheMouseAndCtrlFSearches()
    {
        MainWindowFixture f;
        frmMain& window = f.Open();
        QLabel* file = f.Child<QLabel>("lblMenu0");
        QLabel* help = f.Child<QLabel>("lblMenu2");
        const QWidget* fileMenu = f.Child<QWidget>("fmeMenu0");
        const QWidget* helpMenu = f.Child<QWidget>("fmeMenu2");

        // Moving over a title does nothing while no drop-down is open.
        QTest::mouseMove(help, QPoint(2, 2));
        QCOMPARE(window.OpenMenuIndex(), -1);
        QTest::mouseClick(file, Qt::LeftButton);
        QCOMPARE(window.OpenMenuIndex(), 0);
        QVERIFY(fileMenu->isVisible());
        QCOMPARE(fileMenu->pos(), QPoint(file->x() - 4, f.Child<QWidget>("fmeMenuArea")->height() - 4));
        QTest::mouseMove(help);
        QCOMPARE(window.OpenMenuIndex(), 2);
        QVERIFY(!fileMenu->isVisible());
        QVERIFY(helpMenu->isVisible());
        QTRY_VERIFY(helpMenu->hasFocus());
        // Escape hands the focus to the list, which closes the drop-down.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(window.OpenMenuIndex(), -1);
        QVERIFY(!helpMenu->isVisible());
        QVERIFY(f.List()->hasFocus());

        // An entry hides the drop-down before it acts: "Start Agressive File Scan".
        QTest::mouseClick(file, Qt::LeftButton);
        QTest::mouseClick(f.Child<QLabel>(CommandObjectName(MainCommand::AggressiveFileScan)), Qt::LeftButton);
        QVERIFY(!fileMenu->isVisible());
        QCOMPARE(window.OpenMenuIndex(), -1);
        QCOMPARE(window.Timers().FileScanTimer().interval(), 1);

        // Ctrl+F goes to the search box.
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(f.Child<QLineEdit>("txtSearch")->hasFocus());
    }

    // A failed save at close: Retry saves again, Ignore closes unsaved after a second question that
    // names what is lost (No to it asks the first question again), Abort or closing the box keeps
    // the window open. Both files fail, as in a read-only program folder.
    void failedSaveAtClose_data()
    {
        QTest::addColumn<QList<int>>("answers");  // MessageAnswers in order; 7 (Retry) first: fixed meanwhile
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        using A = MessageAnswer;
        QTest::newRow("abort") << QList<int>{int(A::Abort)} << false << false;
        QTest::newRow("box closed") << QList<int>{int(A::Closed)} << false << false;
        QTest::newRow("ignore, yes") << QList<int>{int(A::Ignore), int(A::Yes)} << true << false;
        QTest::newRow("ignore, no, abort") << QList<int>{int(A::Ignore), int(A::No), int(A::Abort)} << false << false;
        QTest::newRow("ignore, no, ignore, yes")
            << QList<int>{int(A::Ignore), int(A::No), int(A::Ignore), int(A::Yes)} << true << false;
        QTest::newRow("retry still failing, abort") << QList<int>{int(A::Retry), int(A::Abort)} << false << false;
        QTest::newRow("retry after fixing") << QList<int>{} << true << true;
    }
    void failedSaveAtClose()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/a.tktrack"), "Alpha")});
        const QString database = MediaDatabasePath(f.ProgramFolder());
        frmMain& window = f.Open();
        f.state.Media.MediaList[0].Notes = QStringLiteral("written at close");
        // Folders where both files belong: neither can be written, whoever runs the test.
        QVERIFY(QFile::remove(database));
        f.folder.createDir(QFileInfo(database).fileName());
        f.folder.createDir(kSettingsFileName);
        const auto fixFolder = [&] {
            QVERIFY(QDir(database).removeRecursively());
            QVERIFY(QDir(f.folder.filePath(kSettingsFileName)).removeRecursively());
        };
        if (answers.isEmpty()) {
            WhenModalOpens<frmMessageBox>([&](frmMessageBox* box) {
                fixFolder();
                QTest::mouseClick(box->Button(int(MessageAnswer::Retry)), Qt::LeftButton);
            });
        }
        for (int answer : answers)
            frmMessageBox::SetNextAnswer(MessageAnswer(answer));
        QCOMPARE(f.Close(), closed);
        QCOMPARE(frmMessageBox::PendingAnswers(), 0);
        QCOMPARE(window.isVisible(), !closed);
        QCOMPARE(QFileInfo(database).isFile(), saved);
        if (saved) {
            MediaTable onDisk;
            QVERIFY(LoadMediaDatabase(onDisk, f.ProgramFolder()));
            QCOMPARE(onDisk.MediaList[0].Notes, QStringLiteral("written at close"));
            QVERIFY(QFileInfo(SettingsFilePath(f.ProgramFolder())).isFile());
        }
        if (closed)
            return;
        // Once the user made room, closing again saves and closes.
        fixFolder();
        QVERIFY(f.Close());
        QVERIFY(QFileInfo(database).isFile());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
