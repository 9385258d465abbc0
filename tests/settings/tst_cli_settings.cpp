// ridevault-cli settings and discover: JSON to a settings file and back to the same JSON, bad
// input refused without writing, and discovery through $WINEPREFIX.

#include "settings/SettingsFile.h"
#include "CliRunner.h"
#include "TestFolder.h"
#include "WinePrefix.h"

#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

namespace {

const char kSettingsJson[] = R"({
    "WindowState": 2, "WindowLeft": -15, "WindowTop": 2160, "WindowWidth": 9600, "WindowHeight": 7200,
    "ColumnWidths": [200, 100, 65, 65, 130, 50, 131],
    "NameReplaceUnderscores": true, "NameTrimSpaces": false, "NameAutoFormat": true,
    "NameBracketFilter": false, "NameDashFilter": true,
    "LargeViewWidth": 800, "LargeViewHeight": 600, "ThemeName": "Nacht \u00e9",
    "MediaPathCount": 2, "MediaPaths": ["/home/me/tracks/", "/mnt/more tracks/"],
    "SimulatorPath": "/home/me/.wine/drive_c/Trakora/", "ThemePath": "/opt/ridevault/Themes/"
})";

QJsonObject SettingsJson()
{
    return QJsonDocument::fromJson(kSettingsJson).object();
}

} // namespace

class TestCliSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jsonWrittenToAFileDumpsTheSameJson()
    {
        TestFolder dir;
        const QString json = dir.createFile(QStringLiteral("in.json"), QJsonDocument(SettingsJson()).toJson());
        const QString file = dir.filePath(QStringLiteral("Ridevault.rvltdat"));
        const CliRun write = RunCli({QStringLiteral("settings"), QStringLiteral("write"), json, file});
        QCOMPARE(write.exitCode, 0);

        const CliRun dump = RunCli({QStringLiteral("settings"), QStringLiteral("dump"), file});
        QCOMPARE(dump.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(dump.out).object(), SettingsJson());

        AppSettings loaded;
        QVERIFY(LoadSettings(loaded, dir.path()));
        QCOMPARE(loaded.ThemeName, QStringLiteral("Nacht \u00e9"));
        QCOMPARE(loaded.MediaPaths.size(), 2);
        QCOMPARE(loaded.NameTrimSpaces, false);
    }

    void badInputWritesNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");  // undefined: the key is removed
        QTest::newRow("missing key") << "ThemePath" << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("unknown key") << "ThemeNmae" << QJsonValue(QStringLiteral("x"));
        QTest::newRow("text for a number") << "WindowLeft" << QJsonValue(QStringLiteral("12"));
        QTest::newRow("fraction") << "WindowTop" << QJsonValue(1.5);
        QTest::newRow("out of range") << "WindowWidth" << QJsonValue(4294967296.0);
        QTest::newRow("number for a flag") << "NameTrimSpaces" << QJsonValue(1);
        QTest::newRow("eight column widths") << "ColumnWidths" << QJsonValue(QJsonArray::fromVariantList({1, 2, 3, 4, 5, 6, 7, 8}));
        QTest::newRow("count that does not match") << "MediaPathCount" << QJsonValue(3);
    }
    void badInputWritesNothing()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QJsonObject o = SettingsJson();
        if (value.isUndefined())
            o.remove(key);
        else
            o.insert(key, value);
        TestFolder dir;
        const QString json = dir.createFile(QStringLiteral("in.json"), QJsonDocument(o).toJson());
        const CliRun write = RunCli({QStringLiteral("settings"), QStringLiteral("write"), json,
                                  dir.filePath(QStringLiteral("out.rvltdat"))});
        QCOMPARE(write.exitCode, 2);
        QCOMPARE(write.err.count('\n'), 1);
        QVERIFY2(write.err.contains(key.toUtf8()), write.err.constData());
        QCOMPARE(dir.listAll(), QStringList{QStringLiteral("in.json")});
    }

    void damagedFileIsRefused()
    {
        TestFolder dir;
        const QString file = dir.createFile(QStringLiteral("cut.rvltdat"), QByteArray("RVLT1000LAST\0\0", 14));
        const CliRun dump = RunCli({QStringLiteral("settings"), QStringLiteral("dump"), file});
        QCOMPARE(dump.exitCode, 2);
        QVERIFY(dump.out.isEmpty());
        QVERIFY(dump.err.contains("damaged"));
    }

#ifndef Q_OS_WIN
    void discoverReadsTheWinePrefix()
    {
        TestFolder prefix;
        prefix.createFile(QStringLiteral("drive_c/Trakora/TrakoraSimulator.exe"), "MZ");
        prefix.createFile(QStringLiteral("user.reg"), WineUserReg("\"InstPath\"=\"C:\\\\Trakora\""));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WINEPREFIX"), prefix.path());
        const CliRun found = RunCli({QStringLiteral("discover")}, env);
        QCOMPARE(found.exitCode, 0);
        QCOMPARE(found.out.trimmed(), QFile::encodeName(prefix.filePath(QStringLiteral("drive_c/Trakora/"))));

        QVERIFY(QFile::remove(prefix.filePath(QStringLiteral("drive_c/Trakora/TrakoraSimulator.exe"))));
        const CliRun missing = RunCli({QStringLiteral("discover")}, env);
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.out.contains("TrakoraSimulator.exe"));
    }
#endif
};

QTEST_GUILESS_MAIN(TestCliSettings)
#include "tst_cli_settings.moc"
