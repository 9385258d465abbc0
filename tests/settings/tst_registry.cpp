// The registry layer: the rules for a queried value, and on Linux the Wine prefix's user.reg with
// its escapes and value forms, and the mapping of Windows paths through the prefix's drive links.

#include "platform/Registry.h"
#include "TestFolder.h"
#include "WinePrefix.h"

#include <QFile>
#include <QTest>

namespace {

const QString kKey = QStringLiteral("Software\\Trakora Coasters");

// A user.reg as Wine writes it, around the given section body.
QByteArray UserReg(const QByteArray& sections)
{
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
           "#arch=win64\n\n"
           "[Software\\\\Other] 1700000000\n"
           "#time=1da0b2c3d4e5f60\n"
           "\"InstPath\"=\"C:\\\\Wrong\\\\\"\n\n"
           + sections;
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void queriedValueRules_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("value");
        const QString untouched = QStringLiteral("untouched");
        QTest::newRow("text with terminator") << kRegSz << QByteArray("C:\\Sim\\\0", 8) << true << QStringLiteral("C:\\Sim\\");
        QTest::newRow("text without terminator") << kRegSz << QByteArray("C:\\Sim") << true << QStringLiteral("C:\\Sim");
        QTest::newRow("only the last code 0 goes") << kRegSz << QByteArray("AB\0\0", 4) << true << QString::fromLatin1("AB\0", 3);
        QTest::newRow("size 0") << kRegSz << QByteArray() << false << QString();
        QTest::newRow("just a terminator") << kRegSz << QByteArray("\0", 1) << true << QString();
        QTest::newRow("number") << kRegDword << QByteArray("\x2A\0\0\0", 4) << true << QStringLiteral("42");
        QTest::newRow("negative number") << kRegDword << QByteArray("\xFF\xFF\xFF\xFF", 4) << true << QStringLiteral("-1");
        QTest::newRow("expandable text keeps value") << kRegExpandSz << QByteArray("%X%\0", 4) << true << untouched;
        QTest::newRow("binary keeps value") << kRegBinary << QByteArray("\x01\x02", 2) << true << untouched;
    }
    void queriedValueRules()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QString value = QStringLiteral("untouched");
        QTEST(TakeQueriedRegistryValue(type, data, value), "result");
        QTEST(value, "value");
    }

#ifndef Q_OS_WIN
    void readsValuesFromTheWinePrefix_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("value");
        const QByteArray head = "[Software\\\\Trakora Coasters] 1700000001\n#time=1da0b2c3d4e5f61\n";
        QTest::newRow("plain text")
            << head + "\"InstPath\"=\"C:\\\\Program Files\\\\Trakora\\\\\"\n"
            << "InstPath" << true << QStringLiteral("C:\\Program Files\\Trakora\\");
        QTest::newRow("escaped quote and \\x form")
            << head + "\"InstPath\"=\"C:\\\\Caf\\x00e9 \\\"Sim\\\"\"\n"
            << "InstPath" << true << QStringLiteral("C:\\Caf\u00e9 \"Sim\"");
        QTest::newRow("value name ignores case")
            << head + "\"instpath\"=\"D:\\\\Sim\"\n" << "InstPath" << true << QStringLiteral("D:\\Sim");
        QTest::newRow("key name ignores case")
            << QByteArray("[software\\\\TRAKORA coasters] 1\n\"InstPath\"=\"D:\\\\Sim\"\n")
            << "InstPath" << true << QStringLiteral("D:\\Sim");
        QTest::newRow("UTF-16 text with terminator")
            << head + "\"InstPath\"=hex(1):43,00,3a,00,5c,00,53,00,00,00\n"
            << "InstPath" << true << QStringLiteral("C:\\S");
        QTest::newRow("UTF-16 text without terminator")
            << head + "\"InstPath\"=hex(1):43,00,3a,00,5c,00,53,00\n"
            << "InstPath" << true << QStringLiteral("C:\\S");
        QTest::newRow("byte list over two lines")
            << head + "\"InstPath\"=hex(1):43,00,3a,00,\\\n  5c,00,54,00,00,00\n"
            << "InstPath" << true << QStringLiteral("C:\\T");
        QTest::newRow("empty value") << head + "\"InstPath\"=hex(1):\n" << "InstPath" << false << QString();
        QTest::newRow("str(2) is read but not taken")
            << head + "\"InstPath\"=str(2):\"%ProgramFiles%\\\\Trakora\"\n"
            << "InstPath" << true << QStringLiteral("untouched");
        QTest::newRow("number") << head + "\"InstPath\"=dword:0000002a\n" << "InstPath" << true << QStringLiteral("42");
        QTest::newRow("default value") << head + "@=\"Def\"\n" << "" << true << QStringLiteral("Def");
        QTest::newRow("missing value") << head + "\"Other\"=\"x\"\n" << "InstPath" << false << QStringLiteral("untouched");
        QTest::newRow("value of a later key is not ours")
            << head + "\n[Software\\\\Trakora Coasters\\\\Sub] 2\n\"InstPath\"=\"E:\\\\\"\n"
            << "InstPath" << false << QStringLiteral("untouched");
        QTest::newRow("missing key") << QByteArray() << "InstPath" << false << QStringLiteral("untouched");
        QTest::newRow("longer than the buffer")
            << head + "\"InstPath\"=\"" + QByteArray(1100, 'x') + "\"\n" << "InstPath" << false << QStringLiteral("untouched");
    }
    void readsValuesFromTheWinePrefix()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, valueName);
        TestFolder prefix;
        prefix.createFile(QStringLiteral("user.reg"), UserReg(section));
        QString value = QStringLiteral("untouched");
        QTEST(Registry::WinePrefix(prefix.path()).RegGetStringValue(kHkeyCurrentUser, kKey, valueName, value), "result");
        QTEST(value, "value");
    }

    // Without a hive file nothing is read; a key that only has sub-keys holds no values of its own.
    void keysWithoutValues()
    {
        TestFolder prefix;
        QString value = QStringLiteral("untouched");
        QVERIFY(!Registry::WinePrefix(prefix.path()).RegGetStringValue(kHkeyCurrentUser, kKey, QStringLiteral("InstPath"), value));
        QVERIFY(!Registry::WinePrefix(prefix.path()).RegGetStringValue(kHkeyLocalMachine, kKey, QStringLiteral("InstPath"), value));
        QCOMPARE(value, QStringLiteral("untouched"));
        prefix.createFile(QStringLiteral("user.reg"), UserReg("[Software\\\\Trakora Coasters\\\\Sub] 2\n\"A\"=\"b\"\n"));
        const Registry registry = Registry::WinePrefix(prefix.path());
        QVERIFY(!registry.RegGetStringValue(kHkeyCurrentUser, kKey, QStringLiteral("A"), value));
        QVERIFY(registry.RegGetStringValue(kHkeyCurrentUser, kKey + QStringLiteral("\\Sub"), QStringLiteral("A"), value));
        QCOMPARE(value, QStringLiteral("b"));
    }

    void currentUserIsWinePrefixOrHomeWine()
    {
        TestFolder prefix;
        prefix.createFile(QStringLiteral("user.reg"), UserReg("[Software\\\\Trakora Coasters]\n\"InstPath\"=\"C:\\\\X\"\n"));
        const QByteArray old = qgetenv("WINEPREFIX");
        qputenv("WINEPREFIX", QFile::encodeName(prefix.path()));
        QString value;
        const bool read = Registry::CurrentUser().RegGetStringValue(kHkeyCurrentUser, kKey, QStringLiteral("InstPath"), value);
        const QString described = Registry::CurrentUser().Describe();
        qunsetenv("WINEPREFIX");
        const QString fallback = Registry::CurrentUser().Describe();
        if (!old.isNull())
            qputenv("WINEPREFIX", old);
        QVERIFY(read);
        QCOMPARE(value, QStringLiteral("C:\\X"));
        QVERIFY(described.endsWith(prefix.path()));
        QVERIFY(fallback.endsWith(QStringLiteral("/.wine")));
    }

    void windowsPathsMapThroughDriveLinks_data()
    {
        QTest::addColumn<QString>("windowsPath");
        QTest::addColumn<QString>("relative");  // below the prefix; "/" starts an absolute path
        QTest::addColumn<bool>("links");  // the prefix has dosdevices links, else the defaults hold
        QTest::newRow("folder with separator") << "C:\\Games\\Trakora\\" << "drive_c/Games/Trakora/" << true;
        QTest::newRow("folder without separator") << "c:\\Games\\Trakora" << "drive_c/Games/Trakora" << true;
        QTest::newRow("letter case of existing names") << "C:\\GAMES\\trakora\\" << "drive_c/Games/Trakora/" << true;
        QTest::newRow("missing names kept as given") << "C:\\Games\\New Folder\\" << "drive_c/Games/New Folder/" << true;
        QTest::newRow("forward slashes") << "C:/Games/Trakora/" << "drive_c/Games/Trakora/" << true;
        QTest::newRow("drive d link") << "D:\\Sim" << "elsewhere/Sim" << true;
        QTest::newRow("z is the root") << "Z:\\tmp" << "/tmp" << true;
        QTest::newRow("unknown drive") << "Q:\\Sim" << "" << true;
        QTest::newRow("network path") << "\\\\server\\share" << "" << true;
        QTest::newRow("empty") << "" << "" << true;
        QTest::newRow("no links: C: is drive_c") << "C:\\games\\trakora\\" << "drive_c/Games/Trakora/" << false;
        QTest::newRow("no links: Z: is the root") << "Z:\\" << "/" << false;
        QTest::newRow("no links: no other drive") << "D:\\Sim" << "" << false;
    }
    void windowsPathsMapThroughDriveLinks()
    {
        QFETCH(QString, windowsPath);
        QFETCH(QString, relative);
        QFETCH(bool, links);
        TestFolder prefix;
        prefix.createDir(QStringLiteral("drive_c/Games/Trakora"));
        prefix.createDir(QStringLiteral("elsewhere/Sim"));
        if (links) {
            QVERIFY(LinkWineDrives(prefix, QString(), {{"c:", QStringLiteral("../drive_c")}, {"z:", QStringLiteral("/")},
                                                       {"d:", prefix.filePath(QStringLiteral("elsewhere"))}}));
        }
        QString expected;
        if (relative.startsWith(QLatin1Char('/')))
            expected = relative;
        else if (!relative.isEmpty())
            expected = prefix.filePath(relative);
        QCOMPARE(Registry::WinePrefix(prefix.path()).LocalPath(windowsPath), expected);
    }
#endif
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
