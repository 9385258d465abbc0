// The settings file: its exact bytes, round trips, the only check being the magic, and damaged
// files that must change nothing.

#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "TestFolder.h"

#include <QFileInfo>
#include <QTest>

namespace {

// The settings the start-up makes on a 1024 x 768 screen without a simulator, and their file as
// the layout documents it.
AppSettings StartUpSettings()
{
    return {.WindowLeft = 2880, .WindowTop = 2160, .WindowWidth = 9600, .WindowHeight = 7200,
            .ColumnWidths = {200, 100, 65, 65, 130, 50, 130, 0}, .ThemeName = QStringLiteral("Default"),
            .MediaPaths = {}, .SimulatorPath = {}, .ThemePath = QStringLiteral("/p/Themes/")};
}

const char kStartUpFile[] =
    "52 56 4C 54 31 30 30 30"                                // "RVLT" "1000"
    "4C 41 53 54 00 00 00 00 00 00 0B 40 00 00 08 70"       // "LAST" state 0, left 2880, top 2160
    "00 00 25 80 00 00 1C 20"                                // width 9600, height 7200
    "00 00 00 C8 00 00 00 64 00 00 00 41 00 00 00 41"       // columns 200 100 65 65
    "00 00 00 82 00 00 00 32 00 00 00 82"                    // 130 50 130
    "46 4C 54 52 FF FF FF FF FF"                             // "FLTR" five flags True
    "53 45 54 53 00 00 02 80 00 00 01 E0"                    // "SETS" 640 480
    "00 00 00 07 44 65 66 61 75 6C 74"                       // "Default"
    "50 41 54 48 00 00 00 00"                                // "PATH", no media folders
    "52 4F 4F 54 00 00 00 00"                                // "ROOT", SimulatorPath ""
    "00 00 00 0A 2F 70 2F 54 68 65 6D 65 73 2F";            // ThemePath "/p/Themes/"

// Offset of the FLTR flags.
constexpr int kFlagsAt = 64;

AppSettings DistinctSettings()
{
    return {.WindowState = 2, .WindowLeft = -120, .WindowTop = 45, .WindowWidth = 12000, .WindowHeight = 9000,
            .ColumnWidths = {1, 2, 3, 4, 5, 6, 7, 0}, .NameTrimSpaces = false, .NameBracketFilter = false,
            .NameDashFilter = false, .LargeViewWidth = 1280, .LargeViewHeight = 1024,
            .ThemeName = QStringLiteral("N\u00e4chtlich"),
            .MediaPaths = {QStringLiteral("/home/me/tracks/"), QStringLiteral("/mnt/c/Sim/Tracks/"), QString()},
            .SimulatorPath = QStringLiteral("/home/me/.wine/drive_c/Trakora/"),
            .ThemePath = QStringLiteral("/opt/ridevault/Themes/")};
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The documented bytes both ways, and every field through a save and a load. The unstored
    // last column width keeps the value it had before the load.
    void saveAndLoad()
    {
        TestFolder dir;
        QVERIFY(SaveSettings(StartUpSettings(), dir.path()));
        QCOMPARE(TestFolder::readFile(dir.filePath(QLatin1String(kSettingsFileName))), hexBytes(kStartUpFile));
        QCOMPARE(EncodeSettings(StartUpSettings()), hexBytes(kStartUpFile));
        AppSettings s = DistinctSettings();
        s.ColumnWidths[7] = 5;
        QVERIFY(LoadSettings(s, dir.path()));
        AppSettings expected = StartUpSettings();
        expected.ColumnWidths[7] = 5;
        QCOMPARE(s, expected);

        AppSettings saved = DistinctSettings();
        saved.ColumnWidths[7] = 77;
        QVERIFY(SaveSettings(saved, dir.path() + QLatin1Char('/')));
        QVERIFY(LoadSettings(s, dir.path()));
        QCOMPARE(s.ColumnWidths[7], 5);
        s.ColumnWidths[7] = 77;
        QCOMPARE(s, saved);
    }

    // The five flag bytes in table order: any non-zero byte reads True and is written back as FF.
    void flagBytes_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("read");  // one digit per flag, in table order
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("NameReplaceUnderscores") << hexBytes("00 FF FF FF FF") << "01111" << hexBytes("00 FF FF FF FF");
        QTest::newRow("NameTrimSpaces") << hexBytes("FF 00 FF FF FF") << "10111" << hexBytes("FF 00 FF FF FF");
        QTest::newRow("NameAutoFormat") << hexBytes("FF FF 00 FF FF") << "11011" << hexBytes("FF FF 00 FF FF");
        QTest::newRow("NameBracketFilter") << hexBytes("FF FF FF 00 FF") << "11101" << hexBytes("FF FF FF 00 FF");
        QTest::newRow("NameDashFilter") << hexBytes("FF FF FF FF 00") << "11110" << hexBytes("FF FF FF FF 00");
        QTest::newRow("other non-zero bytes") << hexBytes("01 00 01 7F 80") << "10111" << hexBytes("FF 00 FF FF FF");
    }
    void flagBytes()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, read);
        QByteArray bytes = hexBytes(kStartUpFile);
        bytes.replace(kFlagsAt, 5, stored);
        AppSettings s;
        QVERIFY(DecodeSettings(bytes, s));
        const NameScheme scheme = NameSchemeOf(s);
        const bool fields[] = {s.NameReplaceUnderscores, s.NameTrimSpaces, s.NameAutoFormat, s.NameBracketFilter,
                               s.NameDashFilter};
        const bool fromScheme[] = {scheme.NameReplaceUnderscores, scheme.NameTrimSpaces, scheme.NameAutoFormat,
                                   scheme.NameBracketFilter, scheme.NameDashFilter};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(fields[i], read[i] == QLatin1Char('1'));
            QCOMPARE(fromScheme[i], fields[i]);
        }
        QTEST(EncodeSettings(s).mid(kFlagsAt, 5), "written");
    }

    // Only the magic is checked: other tags may be anything. A folder count the file cannot hold
    // is damage, and damage changes nothing.
    void patchedFiles_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<bool>("loads");
        QTest::newRow("version 9999") << 4 << QByteArray("9999") << true;
        QTest::newRow("version of binary junk") << 4 << QByteArray("\x00\xFF\x01\x02", 4) << true;
        QTest::newRow("LAST misspelt") << 8 << QByteArray("LSAT") << true;
        QTest::newRow("FLTR misspelt") << 60 << QByteArray("FILT") << true;
        QTest::newRow("SETS misspelt") << 69 << QByteArray("sets") << true;
        QTest::newRow("PATH misspelt") << 92 << QByteArray("PTAH") << true;
        QTest::newRow("ROOT misspelt") << 100 << QByteArray("\0\0\0\0", 4) << true;
        QTest::newRow("magic in lower case") << 0 << QByteArray("rvlt") << true;
        QTest::newRow("wrong magic") << 0 << QByteArray("RVDB") << false;
        QTest::newRow("negative folder count") << 96 << hexBytes("FF FF FF FF") << false;
        QTest::newRow("most negative folder count") << 96 << hexBytes("80 00 00 00") << false;
        QTest::newRow("more folders than the file holds") << 96 << hexBytes("7F FF FF FF") << false;
        QTest::newRow("one folder more than stored") << 96 << hexBytes("00 00 00 01") << false;
    }
    void patchedFiles()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, patch);
        QFETCH(bool, loads);
        QByteArray bytes = hexBytes(kStartUpFile);
        bytes.replace(at, 4, patch);
        AppSettings s = DistinctSettings();
        QCOMPARE(DecodeSettings(bytes, s), loads);
        if (loads)
            s.ColumnWidths[7] = 0;
        QCOMPARE(s, loads ? StartUpSettings() : DistinctSettings());
    }

    void aFileCutShortAnywhereChangesNothing()
    {
        const QByteArray whole = EncodeSettings(DistinctSettings());
        const AppSettings before = StartUpSettings();
        for (qsizetype length = 0; length < whole.size(); ++length) {
            AppSettings s = before;
            QString error;
            QVERIFY2(!DecodeSettings(whole.left(length), s, &error), qPrintable(QString::number(length)));
            QVERIFY(!error.isEmpty());
            QCOMPARE(s, before);
        }
        TestFolder dir;
        const QString path = dir.createFile(QLatin1String(kSettingsFileName), whole.left(whole.size() - 1));
        AppSettings s = before;
        QVERIFY(!LoadSettings(s, dir.path()));
        QCOMPARE(s, before);
        // The user's folders in the damaged file outlive the save that follows the failed load.
        QVERIFY(SaveSettings(s, dir.path()));
        QCOMPARE(TestFolder::readFile(path + QStringLiteral(".damaged")), whole.left(whole.size() - 1));
        // No file at all: nothing changes and no folder is made.
        QVERIFY(!LoadSettings(s, dir.path() + QStringLiteral("/missing")));
        QCOMPARE(s, before);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    }

    void aFailedSaveLeavesTheOldFile()
    {
        TestFolder dir;
        const QString path = dir.createFile(QLatin1String(kSettingsFileName), hexBytes(kStartUpFile));
        const QString missing = dir.filePath(QStringLiteral("missing"));
        QString error;
        QVERIFY(!SaveSettings(DistinctSettings(), missing, &error));
        // The reason names the file, for the message the user reads.
        QVERIFY2(error.contains(SettingsFilePath(missing)), qPrintable(error));
        QCOMPARE(TestFolder::readFile(path), hexBytes(kStartUpFile));
        QCOMPARE(dir.listAll(), QStringList{QLatin1String(kSettingsFileName)});
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
