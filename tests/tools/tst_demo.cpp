// The demo a newcomer first sees: a filled library whose names show every title rule, a screenshot
// for every record, packages that install and clean up, and a rebuild that changes nothing.

#include "DemoCatalogue.h"
#include "DemoFolder.h"

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"
#include "library/ScreenshotLookup.h"
#include "ride/CleanupInstalledFiles.h"
#include "ride/PackageInstall.h"
#include "settings/SettingsFile.h"

#include "TestFolder.h"

#include <QImageReader>
#include <QTest>

namespace {

QString SimulatorIn(const TestFolder& folder)
{
    return folder.filePath(QStringLiteral("simulator/"));
}

} // namespace

class TestDemo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One demo for every test (drawing it takes a moment); the last test changes its settings.
    void initTestCase()
    {
        m_folder.createDir(QStringLiteral("simulator/Screenshots"));
        const DemoWriteResult written = WriteDemo(m_folder.path(), SimulatorIn(m_folder));
        QVERIFY2(written.Error.isEmpty(), qPrintable(written.Error));
        QCOMPARE(written.FilesWritten, written.FilesChecked);
    }

    // The settings point at the media and the simulator; every file is in the database, and every
    // record's screenshot is found by the panel's lookup and decodes.
    void writesAFilledLibrary()
    {
        AppSettings settings;
        QVERIFY(LoadSettings(settings, DemoProgramFolder(m_folder.path())));
        QCOMPARE(settings.SimulatorPath, SimulatorIn(m_folder));
        QCOMPARE(settings.MediaPaths, QStringList{DemoMediaFolder(m_folder.path())});

        MediaTable table;
        QVERIFY(LoadMediaDatabase(table, DemoProgramFolder(m_folder.path())));
        QCOMPARE(table.MediaCount(), qint32(DemoCatalogue().size()));
        int packages = 0;
        for (const MediaRecord& record : table.MediaList) {
            QVERIFY2(QFile::exists(record.FilePath), qPrintable(record.FilePath));
            QVERIFY2(!record.Title.isEmpty(), qPrintable(record.FilePath));
            packages += record.FileType == FileTypePackage;
            const QStringList shots = FindScreenshotCandidates(record, settings.SimulatorPath);
            QVERIFY2(!shots.isEmpty(), qPrintable(record.FilePath));
            QVERIFY2(!QImageReader(shots.first()).read().isNull(), qPrintable(shots.first()));
        }
        QCOMPARE(packages, 5);
    }

    // Each of the five name rules changes the title or author of some demo file: turned off, at
    // least one name comes out differently.
    void everyNameRuleShows_data()
    {
        QTest::addColumn<int>("rule");
        QTest::newRow("underscores") << 0;
        QTest::newRow("trim") << 1;
        QTest::newRow("auto-format") << 2;
        QTest::newRow("brackets") << 3;
        QTest::newRow("dash") << 4;
    }
    void everyNameRuleShows()
    {
        QFETCH(int, rule);
        NameScheme without;
        bool* flags[] = {&without.NameReplaceUnderscores, &without.NameTrimSpaces, &without.NameAutoFormat,
                         &without.NameBracketFilter, &without.NameDashFilter};
        *flags[rule] = false;
        int changed = 0;
        for (const DemoMedia& media : DemoCatalogue()) {
            const DerivedName on = DeriveTitleAndAuthor(media.RelativePath, NameScheme());
            const DerivedName off = DeriveTitleAndAuthor(media.RelativePath, without);
            changed += on.Title != off.Title || on.Author != off.Author;
        }
        QVERIFY(changed > 0);
    }

    // Every package installs its track and files into the simulator folder, and the clean-up
    // leaves the folder as it was.
    void packagesInstallAndCleanUp()
    {
        // The simulator's own top-level folders stay even when a clean-up empties them.
        for (const char* top : {"Tracks", "Objects", "CarTextures", "Environments", "TeraTextures"})
            m_folder.createDir(QStringLiteral("simulator/") + QLatin1String(top));
        m_folder.createDir(QStringLiteral("ride"));
        const QStringList before = m_folder.listAll();
        for (const DemoMedia& media : DemoCatalogue()) {
            if (!media.IsPackage())
                continue;
            PackageInstallation installation;
            installation.SimulatorPath = SimulatorIn(m_folder);
            installation.ProgramFolder = m_folder.filePath(QStringLiteral("ride/"));
            QCOMPARE(InstallPackage(installation, DemoMediaFolder(m_folder.path()) + media.RelativePath), 0);
            QCOMPARE(installation.InstalledTrack, QStringLiteral("tracks\\") + media.PackageTrack);
            QCOMPARE(installation.Created.size(), qsizetype(media.PackageFiles.size() + 1));
            const CleanupResult cleaned = CleanupInstalledFiles(installation.SimulatorPath, installation.ProgramFolder);
            QVERIFY(cleaned.skipped.isEmpty());
            QCOMPARE(m_folder.listAll(), before);
        }
    }

    // A second run (every rebuild of the generator) rewrites nothing and keeps what the user
    // changed in the program folder.
    void rewritingChangesNothing()
    {
        AppSettings settings;
        QVERIFY(LoadSettings(settings, DemoProgramFolder(m_folder.path())));
        settings.ThemeName = QStringLiteral("Midnight");
        QVERIFY(SaveSettings(settings, DemoProgramFolder(m_folder.path())));
        const QStringList before = m_folder.listAll();

        const DemoWriteResult again = WriteDemo(m_folder.path(), SimulatorIn(m_folder));
        QVERIFY(again.Error.isEmpty());
        QCOMPARE(again.FilesWritten, 0);
        QCOMPARE(m_folder.listAll(), before);
        AppSettings kept;
        QVERIFY(LoadSettings(kept, DemoProgramFolder(m_folder.path())));
        QCOMPARE(kept.ThemeName, QStringLiteral("Midnight"));
    }

private:
    TestFolder m_folder;
};

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
