// ridevault-cli theme: the built-in theme file, JSON round trips with fonts and colours, bad input
// refused without writing, a write that fails saying why, the theme list of a folder.

#include "theme/ThemeFile.h"
#include "CliRunner.h"
#include "TestFolder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QJsonObject DumpJson(const QString& file)
{
    const CliRun dump = RunCli({QStringLiteral("theme"), QStringLiteral("dump"), file});
    return dump.exitCode == 0 ? QJsonDocument::fromJson(dump.out).object() : QJsonObject();
}

// The built-in theme written by the tool to Default.rvltt in the folder; its path.
QString WriteDefault(const TestFolder& dir)
{
    const QString file = dir.filePath(QStringLiteral("Default.rvltt"));
    return RunCli({QStringLiteral("theme"), QStringLiteral("default"), file}).exitCode == 0 ? file : QString();
}

// The JSON, saved as in.json in the folder, written by the tool to the theme file `out` there.
CliRun WriteJson(TestFolder& dir, const QByteArray& json, const QString& out)
{
    const QString in = dir.createFile(QStringLiteral("in.json"), json);
    return RunCli({QStringLiteral("theme"), QStringLiteral("write"), in, dir.filePath(out)});
}

QByteArray ToJson(const QJsonObject& o)
{
    return QJsonDocument(o).toJson();
}

} // namespace

class TestCliTheme : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The built-in theme file, edited fonts and colours written and dumped back unchanged.
    void editedJsonWritesAndDumpsBack()
    {
        TestFolder dir;
        const QString base = WriteDefault(dir);
        QCOMPARE(TestFolder::readFile(base), EncodeTheme(DefaultTheme()));
        QJsonObject o = DumpJson(base);
        QCOMPARE(o.value(QStringLiteral("ButtonFace")).toInteger(), qint64(qint32(0x8000000F)));

        QJsonObject font = o.value(QStringLiteral("HeaderFont")).toObject();
        font.insert(QStringLiteral("Name"), QStringLiteral("Liberation Sans"));
        font.insert(QStringLiteral("Size"), 9.75);
        font.insert(QStringLiteral("Bold"), true);
        font.insert(QStringLiteral("Weight"), 700);
        font.insert(QStringLiteral("Charset"), 161);
        o.insert(QStringLiteral("HeaderFont"), font);
        o.insert(QStringLiteral("ListBackground"), 0x00336699);
        o.insert(QStringLiteral("PreviewWidth"), 320);
        QCOMPARE(WriteJson(dir, ToJson(o), QStringLiteral("Edited.rvltt")).exitCode, 0);
        QCOMPARE(DumpJson(dir.filePath(QStringLiteral("Edited.rvltt"))), o);

        Theme loaded;
        QVERIFY(LoadTheme(loaded, dir.path(), QStringLiteral("Edited")));
        QCOMPARE(loaded.HeaderFont.Name, QStringLiteral("Liberation Sans"));
        QVERIFY(loaded.HeaderFont.Bold());
        QCOMPARE(loaded.ListBackground, 0x00336699);
    }

    void weightWinsOverBoldInJson()
    {
        TestFolder dir;
        const QString base = WriteDefault(dir);
        QJsonObject o = DumpJson(base);
        QJsonObject font = o.value(QStringLiteral("MenuFont")).toObject();
        font.insert(QStringLiteral("Bold"), true);  // Weight stays 400
        o.insert(QStringLiteral("MenuFont"), font);
        o.insert(QStringLiteral("WindowFace"), double(0x8000000Fu));  // the unsigned form is read too
        QCOMPARE(WriteJson(dir, ToJson(o), QStringLiteral("Bold.rvltt")).exitCode, 0);
        QCOMPARE(TestFolder::readFile(dir.filePath(QStringLiteral("Bold.rvltt"))), TestFolder::readFile(base));
    }

    // Bad input is refused in one line on stderr, naming the font field at fault, and writes nothing.
    void badInputWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("json");  // empty: the built-in theme with InfoFont's `key` set to `value`
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("not an object") << QByteArray("[1, 2]") << QString() << QJsonValue();
        QTest::newRow("missing everything") << QByteArray("{}") << QString() << QJsonValue();
        QTest::newRow("not JSON") << QByteArray("{\"ListFont\": ") << QString() << QJsonValue();
        QTest::newRow("weight beyond 16 bits") << QByteArray() << "Weight" << QJsonValue(70000);
        QTest::newRow("size as text") << QByteArray() << "Size" << QJsonValue(QStringLiteral("8"));
        QTest::newRow("unknown attribute") << QByteArray() << "Colour" << QJsonValue(1);
    }
    void badInputWritesNothing()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        if (json.isEmpty()) {
            TestFolder base;
            QJsonObject o = DumpJson(WriteDefault(base));
            QJsonObject font = o.value(QStringLiteral("InfoFont")).toObject();
            font.insert(key, value);
            o.insert(QStringLiteral("InfoFont"), font);
            json = ToJson(o);
        }
        TestFolder dir;
        const CliRun write = WriteJson(dir, json, QStringLiteral("out.rvltt"));
        QCOMPARE(write.exitCode, 2);
        QCOMPARE(write.err.count('\n'), 1);
        if (!key.isEmpty())
            QVERIFY2(write.err.contains("InfoFont") && write.err.contains(key.toUtf8()), write.err.constData());
        QCOMPARE(dir.listAll(), QStringList{QStringLiteral("in.json")});
    }

    // The names the settings dialog lists: extension gone in any letter case, hidden files and other
    // files left out, in name order ignoring case.
    void listShowsTheThemesOfAFolder()
    {
        TestFolder dir;
        for (const char* file : {"Sunset.RVLTT", ".Hidden.rvltt", "notes.txt", "autumn.rvltt", "Double.rvltt.rvltt"})
            dir.createFile(QLatin1String(file), EncodeTheme(DefaultTheme()));
        const CliRun list = RunCli({QStringLiteral("theme"), QStringLiteral("list"), dir.path()});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out, QByteArray("autumn\nDouble\nSunset\n"));
        const CliRun none = RunCli({QStringLiteral("theme"), QStringLiteral("list"), dir.filePath(QStringLiteral("gone"))});
        QCOMPARE(none.exitCode, 2);
    }

    void failedWriteSaysWhy()
    {
        TestFolder dir;
        const QString out = dir.filePath(QStringLiteral("gone/Default.rvltt"));
        const CliRun write = RunCli({QStringLiteral("theme"), QStringLiteral("default"), out});
        QCOMPARE(write.exitCode, 2);
        // "cannot write <file>: <the system's reason>"
        QVERIFY2(write.err.contains(out.toUtf8() + ": "), write.err.constData());
        QVERIFY(dir.listAll().isEmpty());
    }

    void damagedThemeIsRefused()
    {
        TestFolder dir;
        const QString file = dir.createFile(QStringLiteral("cut.rvltt"), EncodeTheme(DefaultTheme()).left(100));
        const CliRun dump = RunCli({QStringLiteral("theme"), QStringLiteral("dump"), file});
        QCOMPARE(dump.exitCode, 2);
        QVERIFY(dump.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliTheme)
#include "tst_cli_theme.moc"
