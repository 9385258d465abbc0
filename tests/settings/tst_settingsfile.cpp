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
    AppSettings s;
    s.WindowLeft = 2880;
    s.WindowTop = 2160;
    s.WindowWidth = 9600;
    s.WindowHeight = 7200;
    s.ColumnWidths = {200, 100, 65, 65, 130, 50, 130, 0};
    s.ThemeName = QStringLiteral("Default");
    s.ThemePath = QStringLiteral("/p/Themes/");
    return s;
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
    AppSettings s;
    s.WindowState = 2;
    s.WindowLeft = -120;
    s.WindowTop = 45;
    s.WindowWidth = 12000;
    s.WindowHeight = 9000;
    s.ColumnWidths = {1, 2, 3, 4, 5, 6, 7, 0};
    s.NameReplaceUnderscores = true;
    s.NameTrimSpaces = false;
    s.NameAutoFormat = true;
    s.NameBracketFilter = false;
    s.NameDashFilter = false;
    s.LargeViewWidth = 1280;
    s.LargeViewHeight = 1024;
    s.ThemeName = QStringLiteral("N\u00e4chtlich");
    s.MediaPaths = {QStringLiteral("/home/me/tracks/"), QStringLiteral("/mnt/c/Sim/Tracks/"), QString()};
    s.SimulatorPath = QStringLiteral("/home/me/.wine/drive_c/Trakora/");
    s.ThemePath = QStringLiteral("/opt/ridevault/Themes/");
    return s;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The documented bytes both ways: written by a save, and read back over other settings (the
    // unstored last column width keeps its value).
    void documentedBytesBothWays()
    {
        TestFolder dir;
        QVERIFY(SaveSettings(StartUpSettings(), dir.path()));
        QCOMPARE(TestFolder::readFile(dir.filePath(QLatin1String(kSettingsFileName))), hexBytes(kStartUpFile));
        QCOMPARE(EncodeSettings(StartUpSettings()), hexBytes(kStartUpFile));

        AppSettings s = DistinctSettings();
        QVERIFY(LoadSettings(s, dir.path()));
        AppSettings expected = StartUpSettings();
        expected.ColumnWidths[7] = DistinctSettings().ColumnWidths[7];
        QCOMPARE(s, expected);
    }

    void everyFieldSurvivesSaveAndLoad()
    {
        TestFolder dir;
        AppSettings saved = DistinctSettings();
        saved.ColumnWidths[7] = 77;  // never stored
        QVERIFY(SaveSettings(saved, dir.path() + QLatin1Char('/')));
        AppSettings loaded = StartUpSettings();
        loaded.ColumnWidths[7] = 5;
        QVERIFY(LoadSettings(loaded, dir.path()));
        QCOMPARE(loaded.ColumnWidths[7], 5);
        loaded.ColumnWidths[7] = 77;
        QCOMPARE(loaded, saved);
    }

    void eachFlagHasItsOwnByte_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("NameReplaceUnderscores") << 0;
        QTest::newRow("NameTrimSpaces") << 1;
        QTest::newRow("NameAutoFormat") << 2;
        QTest::newRow("NameBracketFilter") << 3;
        QTest::newRow("NameDashFilter") << 4;
    }
    void eachFlagHasItsOwnByte()
    {
        QFETCH(int, index);
        bool AppSettings::*const inTableOrder[] = {
            &AppSettings::NameReplaceUnderscores, &AppSettings::NameTrimSpaces, &AppSettings::NameAutoFormat,
            &AppSettings::NameBracketFilter, &AppSettings::NameDashFilter,
        };
        AppSettings s = StartUpSettings();
        s.*inTableOrder[index] = false;
        QByteArray expectedFlags("\xFF\xFF\xFF\xFF\xFF", 5);
        expectedFlags[index] = '\0';
        QCOMPARE(EncodeSettings(s).mid(kFlagsAt, 5), expectedFlags);

        AppSettings loaded;
        QVERIFY(DecodeSettings(EncodeSettings(s), loaded));
        QCOMPARE(loaded, s);
        const NameScheme scheme = NameSchemeOf(loaded);
        const bool fromScheme[] = {scheme.NameReplaceUnderscores, scheme.NameTrimSpaces, scheme.NameAutoFormat,
                                   scheme.NameBracketFilter, scheme.NameDashFilter};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(fromScheme[i], i != index);
    }

    void flagByteOneReadsTrueAndIsWrittenBackAsFF()
    {
        QByteArray bytes = hexBytes(kStartUpFile);
        bytes.replace(kFlagsAt, 5, hexBytes("01 00 01 7F 80"));
        AppSettings s;
        QVERIFY(DecodeSettings(bytes, s));
        QCOMPARE(s.NameReplaceUnderscores, true);
        QCOMPARE(s.NameTrimSpaces, false);
        QCOMPARE(s.NameAutoFormat, true);
        QCOMPARE(s.NameBracketFilter, true);
        QCOMPARE(s.NameDashFilter, true);
        QCOMPARE(EncodeSettings(s).mid(kFlagsAt, 5), hexBytes("FF 00 FF FF FF"));
    }

    void onlyTheMagicIsChecked_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("tag");
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
    }
    void onlyTheMagicIsChecked()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, tag);
        QFETCH(bool, loads);
        QByteArray bytes = hexBytes(kStartUpFile);
        bytes.replace(at, 4, tag);
        const AppSettings before = DistinctSettings();
        AppSettings s = before;
        QCOMPARE(DecodeSettings(bytes, s), loads);
        if (loads) {
            s.ColumnWidths[7] = 0;
            QCOMPARE(s, StartUpSettings());
        } else {
            QCOMPARE(s, before);
        }
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

    void impossibleFolderCountsAreDamage_data()
    {
        QTest::addColumn<QByteArray>("count");
        QTest::newRow("negative") << hexBytes("FF FF FF FF");
        QTest::newRow("most negative") << hexBytes("80 00 00 00");
        QTest::newRow("more than the file holds") << hexBytes("7F FF FF FF");
        QTest::newRow("one more than stored") << hexBytes("00 00 00 01");
    }
    void impossibleFolderCountsAreDamage()
    {
        QFETCH(QByteArray, count);
        QByteArray bytes = hexBytes(kStartUpFile);
        bytes.replace(96, 4, count);  // after "PATH"
        AppSettings s = DistinctSettings();
        QVERIFY(!DecodeSettings(bytes, s));
        QCOMPARE(s, DistinctSettings());
    }

    void aFailedSaveLeavesTheOldFile()
    {
        TestFolder dir;
        const QString path = dir.createFile(QLatin1String(kSettingsFileName), hexBytes(kStartUpFile));
        QVERIFY(!WriteSettingsFile(DistinctSettings(), dir.filePath(QStringLiteral("missing/Ridevault.rvltdat"))));
        QCOMPARE(TestFolder::readFile(path), hexBytes(kStartUpFile));
        QCOMPARE(dir.listAll(), QStringList{QLatin1String(kSettingsFileName)});
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
