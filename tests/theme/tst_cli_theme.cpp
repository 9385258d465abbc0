// ridevault-cli theme: the built-in theme file, JSON round trips with fonts and colours, bad input.

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

} // namespace

class TestCliTheme : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultWritesTheBuiltInTheme()
    {
        TestFolder dir;
        const QString file = dir.filePath(QStringLiteral("Default.rvltt"));
        QCOMPARE(RunCli({QStringLiteral("theme"), QStringLiteral("default"), file}).exitCode, 0);
        const QByteArray bytes = TestFolder::readFile(file);
        QCOMPARE(bytes.size(), 229);
        QVERIFY(bytes.startsWith(hexBytes("54 48 4D 45 00 00 00 05 41 72 69 61 6C 41 04 00 00")));
        QCOMPARE(bytes, EncodeTheme(DefaultTheme()));
    }

    void editedJsonWritesAndDumpsBack()
    {
        TestFolder dir;
        const QString base = dir.filePath(QStringLiteral("Default.rvltt"));
        QCOMPARE(RunCli({QStringLiteral("theme"), QStringLiteral("default"), base}).exitCode, 0);
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
        const QString json = dir.createFile(QStringLiteral("edited.json"), QJsonDocument(o).toJson());
        const QString out = dir.filePath(QStringLiteral("Edited.rvltt"));
        QCOMPARE(RunCli({QStringLiteral("theme"), QStringLiteral("write"), json, out}).exitCode, 0);
        QCOMPARE(DumpJson(out), o);

        Theme loaded;
        QVERIFY(LoadTheme(loaded, dir.path(), QStringLiteral("Edited")));
        QCOMPARE(loaded.HeaderFont.Name, QStringLiteral("Liberation Sans"));
        QVERIFY(loaded.HeaderFont.Bold());
        QCOMPARE(loaded.ListBackground, 0x00336699);
    }

    void weightWinsOverBoldInJson()
    {
        TestFolder dir;
        const QString base = dir.filePath(QStringLiteral("Default.rvltt"));
        QCOMPARE(RunCli({QStringLiteral("theme"), QStringLiteral("default"), base}).exitCode, 0);
        QJsonObject o = DumpJson(base);
        QJsonObject font = o.value(QStringLiteral("MenuFont")).toObject();
        font.insert(QStringLiteral("Bold"), true);  // Weight stays 400
        o.insert(QStringLiteral("MenuFont"), font);
        o.insert(QStringLiteral("WindowFace"), double(0x8000000Fu));  // the unsigned form is read too
        const QString json = dir.createFile(QStringLiteral("bold.json"), QJsonDocument(o).toJson());
        const QString out = dir.filePath(QStringLiteral("Bold.rvltt"));
        QCOMPARE(RunCli({QStringLiteral("theme"), QStringLiteral("write"), json, out}).exitCode, 0);
        QCOMPARE(TestFolder::readFile(out), TestFolder::readFile(base));
    }

    void badInputWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not an object") << QByteArray("[1, 2]");
        QTest::newRow("missing everything") << QByteArray("{}");
        QTest::newRow("not JSON") << QByteArray("{\"ListFont\": ");
    }
    void badInputWritesNothing()
    {
        QFETCH(QByteArray, json);
        TestFolder dir;
        const QString in = dir.createFile(QStringLiteral("in.json"), json);
        const CliRun write = RunCli({QStringLiteral("theme"), QStringLiteral("write"), in, dir.filePath(QStringLiteral("out.rvltt"))});
        QCOMPARE(write.exitCode, 2);
        QCOMPARE(write.err.count('\n'), 1);
        QCOMPARE(dir.listAll(), QStringList{QStringLiteral("in.json")});
    }

    void badFontFieldsAreNamed_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("weight beyond 16 bits") << "Weight" << QJsonValue(70000);
        QTest::newRow("size as text") << "Size" << QJsonValue(QStringLiteral("8"));
        QTest::newRow("unknown attribute") << "Colour" << QJsonValue(1);
    }
    void badFontFieldsAreNamed()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        TestFolder dir;
        const QString base = dir.filePath(QStringLiteral("Default.rvltt"));
        QCOMPARE(RunCli({QStringLiteral("theme"), QStringLiteral("default"), base}).exitCode, 0);
        QJsonObject o = DumpJson(base);
        QJsonObject font = o.value(QStringLiteral("InfoFont")).toObject();
        font.insert(key, value);
        o.insert(QStringLiteral("InfoFont"), font);
        const QString in = dir.createFile(QStringLiteral("in.json"), QJsonDocument(o).toJson());
        const CliRun write = RunCli({QStringLiteral("theme"), QStringLiteral("write"), in, dir.filePath(QStringLiteral("out.rvltt"))});
        QCOMPARE(write.exitCode, 2);
        QVERIFY2(write.err.contains("InfoFont") && write.err.contains(key.toUtf8()), write.err.constData());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.rvltt"))));
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
