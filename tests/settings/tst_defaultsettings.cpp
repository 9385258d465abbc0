// SetDefaultSettings: the centred default window, the column widths, the theme reset, the themes
// folder and what a found or missing simulator does to the media folders; and the simulator
// discovery it asks, against a temporary Wine prefix, where the folder counts only with the
// simulator program in it.

#include "settings/DefaultSettings.h"
#include "settings/SimulatorDiscovery.h"
#include "theme/ThemeFile.h"
#include "TestFolder.h"
#include "WinePrefix.h"

#include <QDir>
#include <QTest>

namespace {

AppSettings Scribbled()
{
    return {.WindowState = 2, .ColumnWidths = {9, 9, 9, 9, 9, 9, 9, 42}, .NameReplaceUnderscores = false,
            .NameTrimSpaces = false, .NameAutoFormat = false, .NameBracketFilter = false, .NameDashFilter = false,
            .LargeViewWidth = 1600, .LargeViewHeight = 1200, .ThemeName = QStringLiteral("Dark"),
            .MediaPaths = {QStringLiteral("/old/a/"), QStringLiteral("/old/b/")},
            .SimulatorPath = QStringLiteral("/old/sim/"), .ThemePath = QStringLiteral("/old/Themes/")};
}

Theme ScribbledTheme()
{
    Theme t = DefaultTheme();
    t.ListBackground = RgbColor(1, 2, 3);
    t.ListFont.SetWeight(700);
    t.PreviewWidth = 1;
    return t;
}

// A prefix whose registry holds the given InstPath line (none when empty), with "C:\Games\Trakora"
// holding exeName (none when empty; a folder when it ends in "/").
struct Prefix {
    TestFolder folder;
    Prefix(const QByteArray& instPathLine, const QString& exeName)
    {
        folder.createDir(QStringLiteral("drive_c/Games/Trakora/Tracks"));
        LinkWineDrives(folder, QString(), {{"c:", QStringLiteral("../drive_c")}});
        if (exeName.endsWith(QLatin1Char('/')))
            folder.createDir(QStringLiteral("drive_c/Games/Trakora/") + exeName);
        else if (!exeName.isEmpty())
            folder.createFile(QStringLiteral("drive_c/Games/Trakora/") + exeName, "MZ");
        folder.createFile(QStringLiteral("user.reg"), instPathLine.isEmpty() ? QByteArray("WINE REGISTRY Version 2\n\n")
                                                                             : WineUserReg(instPathLine));
    }
    Registry registry() const { return Registry::WinePrefix(folder.path()); }
    QString simulatorFolder() const { return folder.filePath(QStringLiteral("drive_c/Games/Trakora/")); }
};

} // namespace

class TestDefaultSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowIsCentredInTwips_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("tppX");
        QTest::addColumn<double>("tppY");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<int>("windowHeight");
        QTest::newRow("1024x768 at 15") << 1024 << 768 << 15.0 << 15.0 << 2880 << 2160 << 9600 << 7200;
        QTest::newRow("1920x1080 at 15") << 1920 << 1080 << 15.0 << 15.0 << 9600 << 4500 << 9600 << 7200;
        QTest::newRow("odd size rounds down") << 1023 << 767 << 15.0 << 15.0 << 2872 << 2152 << 9600 << 7200;
        QTest::newRow("120 dpi") << 1280 << 1024 << 12.0 << 12.0 << 3840 << 3264 << 7680 << 5760;
        // 640 x 1440/110 = 8378.18..., 480 x 1440/110 = 6283.63...
        QTest::newRow("110 dpi") << 1000 << 800 << 1440.0 / 110 << 1440.0 / 110 << 2356 << 2094 << 8378 << 6284;
        // Smaller than the window: floor goes towards minus infinity (-292.5 gives -293).
        QTest::newRow("tiny screen") << 601 << 400 << 15.0 << 15.0 << -293 << -600 << 9600 << 7200;
    }
    void windowIsCentredInTwips()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, tppX);
        QFETCH(double, tppY);
        AppSettings s = Scribbled();
        Theme t;
        SetDefaultSettings(s, t, ScreenMetrics{width, height, tppX, tppY}, QStringLiteral("/prog/"), {});
        QTEST(s.WindowLeft, "left");
        QTEST(s.WindowTop, "top");
        QTEST(s.WindowWidth, "windowWidth");
        QTEST(s.WindowHeight, "windowHeight");
        QCOMPARE(s.WindowState, 0);
    }

    // Everything but the window gets its default. The simulator is looked for once: found, it is
    // the one media folder; not found, the old folders go.
    void everyOtherSettingGetsItsDefault_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QStringList>("media");
        QTest::newRow("no simulator") << QString() << QStringList();
        QTest::newRow("simulator found") << "/wine/drive_c/Trakora/"
                                         << QStringList{"/wine/drive_c/Trakora/Tracks" + QString(QDir::separator())};
    }
    void everyOtherSettingGetsItsDefault()
    {
        QFETCH(QString, simulator);
        AppSettings s = Scribbled();
        Theme t = ScribbledTheme();
        int asked = 0;
        SetDefaultSettings(s, t, ScreenMetrics{1024, 768, 15, 15}, QStringLiteral("/prog"), [&] {
            ++asked;
            return simulator;
        });
        QCOMPARE(asked, 1);
        QVERIFY(s.NameReplaceUnderscores && s.NameTrimSpaces && s.NameAutoFormat && s.NameBracketFilter
                && s.NameDashFilter);
        QCOMPARE(s.LargeViewWidth, 640);
        QCOMPARE(s.LargeViewHeight, 480);
        const std::array<qint32, 8> widths = {200, 100, 65, 65, 130, 50, 130, 42};  // element 7 kept
        QCOMPARE(s.ColumnWidths, widths);
        QCOMPARE(t, DefaultTheme());
        QCOMPARE(s.ThemeName, QStringLiteral("Default"));
        QCOMPARE(s.ThemePath, QStringLiteral("/prog/Themes") + QDir::separator());
        QCOMPARE(s.SimulatorPath, simulator);
        QTEST(s.MediaPaths, "media");
    }

#ifndef Q_OS_WIN
    void findsTheSimulatorFolder_data()
    {
        QTest::addColumn<QByteArray>("instPath");
        QTest::addColumn<QString>("exeName");
        QTest::addColumn<bool>("found");
        QTest::newRow("present") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\\\\\"")
                                 << "TrakoraSimulator.exe" << true;
        QTest::newRow("path without final separator") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\"")
                                                      << "TrakoraSimulator.exe" << true;
        QTest::newRow("executable in other letter case") << QByteArray("\"InstPath\"=\"c:\\\\games\\\\TRAKORA\"")
                                                         << "trakorasimulator.EXE" << true;
        QTest::newRow("missing executable") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\\\\\"") << "" << false;
        QTest::newRow("another program only") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\\\\\"")
                                              << "TrakoraEditor.exe" << false;
        QTest::newRow("missing key") << QByteArray() << "TrakoraSimulator.exe" << false;
        QTest::newRow("missing value") << QByteArray("\"Version\"=\"1.0\"") << "TrakoraSimulator.exe" << false;
        QTest::newRow("a folder named like the program") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\"")
                                                         << "trakorasimulator.EXE/" << false;
        QTest::newRow("missing folder") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Gone\"") << "TrakoraSimulator.exe"
                                        << false;
        QTest::newRow("folder of another drive") << QByteArray("\"InstPath\"=\"Q:\\\\Trakora\"")
                                                 << "TrakoraSimulator.exe" << false;
    }
    void findsTheSimulatorFolder()
    {
        QFETCH(QByteArray, instPath);
        QFETCH(QString, exeName);
        QFETCH(bool, found);
        const Prefix prefix(instPath, exeName);
        const SimulatorDiscovery d = DiscoverSimulator(prefix.registry());
        if (found) {
            QCOMPARE(d.Folder, prefix.simulatorFolder());
            QVERIFY(d.WhyNot.isEmpty());
        } else {
            QCOMPARE(d.Folder, QString());
            QVERIFY(!d.WhyNot.isEmpty());
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestDefaultSettings)
#include "tst_defaultsettings.moc"
