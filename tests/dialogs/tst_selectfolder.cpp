// frmSelectFolder and its drive list, and the open-file dialog's filter: which drives a Linux user is
// offered, which drive a folder lies on, what the folder list shows and opens, what "OK" and
// "Cancel" give, and a drive that cannot be read leaving everything as it was.

#include "dialogs/frmSelectFolder.h"

#include "TestFolder.h"
#include "WidgetClicks.h"
#include "controls/ucTextButton.h"
#include "dialogs/CommonDialogFile.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTreeWidget>

Q_DECLARE_METATYPE(QList<DriveEntry>)

namespace {
DriveEntry Drive(const char* label, const char* folder) { return {QLatin1String(label), QLatin1String(folder)}; }

// The folder list's entries from top to bottom, each as its depth in dots and its text.
QStringList Entries(const QTreeWidget* list)
{
    QStringList entries;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(list)); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        entries.append(QString(depth, QLatin1Char('.')) + (*it)->text(0));
    }
    return entries;
}
} // namespace

class tst_selectfolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmSelectFolder::ClearNextAnswers(); }

    void linuxDrives_data()
    {
        QTest::addColumn<QStringList>("mounts");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QList<DriveEntry>>("drives");
        QTest::newRow("system mounts left out")
            << QStringList{QStringLiteral("/"), QStringLiteral("/boot/efi"), QStringLiteral("/proc"),
                           QStringLiteral("/run/user/1000"), QStringLiteral("/snap/core/1")}
            << QStringLiteral("/home/ann")
            << QList<DriveEntry>{Drive("/", "/"), Drive("Home (/home/ann)", "/home/ann/")};
        QTest::newRow("removable media in path order, each once")
            << QStringList{QStringLiteral("/run/media/ann/USB"), QStringLiteral("/"), QStringLiteral("/media/ann/CARD/"),
                           QStringLiteral("/mnt"), QStringLiteral("/media/ann/CARD"), QStringLiteral("/mediastore")}
            << QStringLiteral("/home/ann/")
            << QList<DriveEntry>{Drive("/", "/"), Drive("Home (/home/ann)", "/home/ann/"), Drive("/media/ann/CARD", "/media/ann/CARD/"),
                                 Drive("/mnt", "/mnt/"), Drive("/run/media/ann/USB", "/run/media/ann/USB/")};
        QTest::newRow("home at the root is the root") << QStringList{QStringLiteral("/")} << QStringLiteral("/")
                                                      << QList<DriveEntry>{Drive("/", "/")};
    }
    void linuxDrives()
    {
        QFETCH(QStringList, mounts);
        QFETCH(QString, home);
        QTEST(ChooseUserDrives(mounts, home), "drives");
    }

    void driveOfFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("drive");
        QTest::newRow("inside home") << QStringLiteral("/home/ann/Games") << 1;
        QTest::newRow("home itself, no separator") << QStringLiteral("/home/ann") << 1;
        QTest::newRow("a name that only starts like home") << QStringLiteral("/home/anna") << 0;
        QTest::newRow("on the stick") << QStringLiteral("/media/ann/USB/Tracks/") << 2;
        QTest::newRow("elsewhere on the root") << QStringLiteral("/usr/share") << 0;
    }
    void driveOfFolder()
    {
        QFETCH(QString, folder);
        const QList<DriveEntry> drives{Drive("/", "/"), Drive("Home", "/home/ann/"), Drive("USB", "/media/ann/USB/")};
        QTEST(DriveOfFolder(drives, folder), "drive");
        QCOMPARE(DriveOfFolder({Drive("USB", "/media/ann/USB/")}, QStringLiteral("/usr")), -1);
    }

    void oneClickOpensAndOkayGivesTheFolder()
    {
        TestFolder tf;
        for (const char* folder : {"Sim/Tracks", "Sim/objects", "Sim/Data/x", "Sim/.hidden"})
            tf.createDir(QLatin1String(folder));
        tf.createFile(QStringLiteral("Sim/file.txt"));
        const QString sim = tf.filePath(QStringLiteral("Sim"));
        frmSelectFolder box(sim + QLatin1Char('/'), {Drive("/", "/")});
        QCOMPARE(box.windowTitle(), QStringLiteral("Select Folder..."));
        QCOMPARE(box.CurrentFolder(), sim);

        // The path from the root down, then the folders inside, in name order ignoring case, hidden
        // ones too; files are not listed.
        const QStringList path = QDir::cleanPath(sim).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QStringList expected{QStringLiteral("/")};
        for (int i = 0; i < path.size(); ++i)
            expected.append(QString(i + 1, QLatin1Char('.')) + path[i]);
        const QString inside(path.size() + 1, QLatin1Char('.'));
        for (const char* name : {".hidden", "Data", "objects", "Tracks"})
            expected.append(inside + QLatin1String(name));
        QCOMPARE(Entries(box.FolderList()), expected);
        QCOMPARE(box.FolderList()->currentItem()->text(0), QStringLiteral("Sim"));

        QTreeWidgetItem* data = box.FolderEntry(sim + QStringLiteral("/Data"));
        QVERIFY(data);
        const QRect rect = box.FolderList()->visualItemRect(data);
        box.show();
        QTest::mouseClick(box.FolderList()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(box.CurrentFolder(), sim + QStringLiteral("/Data"));
        QVERIFY(box.FolderEntry(sim + QStringLiteral("/Data/x")));
        // One click on an entry above goes back up.
        QTest::mouseClick(box.FolderList()->viewport(), Qt::LeftButton, {},
                          box.FolderList()->visualItemRect(box.FolderEntry(QStringLiteral("/"))).center());
        QCOMPARE(box.CurrentFolder(), QStringLiteral("/"));
        QVERIFY(box.OpenFolder(sim + QStringLiteral("/Tracks")));

        LeftClick(box.OkayButton());
        QCOMPARE(box.SelectedFolder(), sim + QStringLiteral("/Tracks/"));
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void unreadableDriveSetsTheListBack()
    {
        const QString processFolder = QDir::currentPath();
        TestFolder tf;
        const QString here = tf.createDir(QStringLiteral("here"));
        const QString gone = tf.filePath(QStringLiteral("gone/"));
        const QList<DriveEntry> drives{Drive("/", "/"), {QStringLiteral("here"), here + QLatin1Char('/')},
                                       {QStringLiteral("gone"), gone}};
        frmSelectFolder box(here, drives);
        QCOMPARE(box.DriveList()->currentIndex(), 1);
        const QStringList before = Entries(box.FolderList());

        box.DriveList()->setCurrentIndex(2);
        box.ChooseDrive(2);
        QCOMPARE(box.DriveList()->currentIndex(), 1);
        QCOMPARE(box.CurrentFolder(), here);
        QCOMPARE(Entries(box.FolderList()), before);

        box.ChooseDrive(0);
        QCOMPARE(box.CurrentFolder(), QStringLiteral("/"));
        QCOMPARE(box.DriveList()->currentIndex(), 0);
        // Nothing that opens a folder moves the process along.
        QCOMPARE(QDir::currentPath(), processFolder);
    }

    // Without a folder, or with one that is gone, the box starts in the current folder; "Cancel" gives
    // no folder.
    void startsInTheCurrentFolderWithoutAFolder()
    {
        for (const QString& initial : {QString(), QStringLiteral("/no/such/folder/")}) {
            frmSelectFolder box(initial, {Drive("/", "/")});
            QCOMPARE(box.CurrentFolder(), QDir::toNativeSeparators(QDir::currentPath()));
            LeftClick(box.CancelButton());
            QCOMPARE(box.SelectedFolder(), QString());
            QCOMPARE(box.result(), int(QDialog::Rejected));
        }
    }

    void fileFilterIgnoresLetterCase()
    {
        TestFolder tf;
        for (const char* name : {"TrakoraSimulator.exe", "trakorasimulator.EXE", "TRAKORASIMULATOR 2.Exe",
                                 "TrakoraEditor.exe", "TrakoraSimulator.exe.txt"})
            tf.createFile(QLatin1String(name));
        const QStringList filters = OpenFileNameFilters(QStringLiteral("Trakora Simulator|TrakoraSimulator*.exe"));
        QCOMPARE(filters.size(), 1);
        QVERIFY(filters[0].startsWith(QStringLiteral("Trakora Simulator (")));
        const QString pattern = filters[0].section(QLatin1Char('('), 1).chopped(1);
        // Matched even where names are compared case-sensitively.
        const QStringList found =
            QDir(tf.path(), pattern, QDir::Name, QDir::Files | QDir::CaseSensitive).entryList();
        QCOMPARE(found, (QStringList{QStringLiteral("TRAKORASIMULATOR 2.Exe"), QStringLiteral("TrakoraSimulator.exe"),
                                     QStringLiteral("trakorasimulator.EXE")}));
        QCOMPARE(OpenFileNameFilters(QStringLiteral("Tracks|*.tktrack;*.tkpack|All:*.*")).size(), 2);

        OpenFileRequest request;
        request.Filter = QStringLiteral("Trakora Simulator|TrakoraSimulator*.exe");
        request.InitialFolder = tf.path();
        request.Title = QStringLiteral("Locate Trakora Simulator Application...");
        request.DefaultExtension = QStringLiteral("exe");
        std::unique_ptr<QFileDialog> dialog(CreateOpenFileDialog(request, nullptr));
        QCOMPARE(dialog->windowTitle(), request.Title);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("exe"));
        QCOMPARE(dialog->directory().absolutePath(), QDir(tf.path()).absolutePath());
        QCOMPARE(dialog->nameFilters(), filters);
    }
};

QTEST_MAIN(tst_selectfolder)
#include "tst_selectfolder.moc"
