// Stored simulator-relative paths on a case-sensitive file system: which spelling on disk a path
// finds, and when a path counts as inside the simulator folder.

#include "TestFolder.h"

#include "platform/CaseInsensitivePath.h"
#include "ride/StoredPath.h"

#include <QFile>
#include <QTest>

class TestPackagePaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resolvesIgnoringCase_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("exact") << "Objects\\Loop.obj" << "Objects/Loop.obj";
        QTest::newRow("other case") << "OBJECTS\\loop.OBJ" << "Objects/Loop.obj";
        QTest::newRow("slash separator") << "objects/loop.obj" << "Objects/Loop.obj";
        QTest::newRow("missing rest kept as written") << "objects\\New\\Part.obj" << "Objects/New/Part.obj";
        QTest::newRow("folder in one of two exact spellings") << "twin\\b" << "twin/b";
        QTest::newRow("folder in the other exact spelling") << "TWIN\\b" << "TWIN/b";
        QTest::newRow("folder in neither spelling: first in name order") << "Twin\\b" << "TWIN/b";
        QTest::newRow("exact among two spellings") << "twin\\A" << "twin/A";
        QTest::newRow("neither spelling exact") << "twin\\AB" << "twin/Ab";
    }

    void resolvesIgnoringCase()
    {
        QFETCH(QString, stored);
        QFETCH(QString, resolved);
        TestFolder f;
        f.createFile(QStringLiteral("Objects/Loop.obj"));
        f.createFile(QStringLiteral("TWIN/x"));
        f.createFile(QStringLiteral("twin/A"));
        f.createFile(QStringLiteral("twin/a"));
        f.createFile(QStringLiteral("twin/aB"));
        f.createFile(QStringLiteral("twin/Ab"));
        QCOMPARE(ResolveCaseInsensitive(f.path(), stored), f.filePath(resolved));
    }

    void staysInsideFolder()
    {
        TestFolder f;
        const QString sim = f.createDir(QStringLiteral("sim"));
        f.createDir(QStringLiteral("sim/objects"));
        f.createDir(QStringLiteral("outside"));
        QVERIFY(QFile::link(f.filePath(QStringLiteral("outside")), f.filePath(QStringLiteral("sim/away"))));
        QVERIFY(QFile::link(f.filePath(QStringLiteral("sim/objects")), f.filePath(QStringLiteral("sim/inner"))));
        QVERIFY(QFile::link(f.filePath(QStringLiteral("nothing")), f.filePath(QStringLiteral("sim/dangling"))));
        QVERIFY(StaysInsideFolder(sim, f.filePath(QStringLiteral("sim/objects/new/deep/x.obj"))));
        QVERIFY(StaysInsideFolder(sim, f.filePath(QStringLiteral("sim/inner/x.obj"))));
        QVERIFY(StaysInsideFolder(sim, sim));
        QVERIFY(!StaysInsideFolder(sim, f.filePath(QStringLiteral("sim/away/x.obj"))));
        QVERIFY(!StaysInsideFolder(sim, f.filePath(QStringLiteral("sim/dangling/x.obj"))));
        QVERIFY(!StaysInsideFolder(sim, f.filePath(QStringLiteral("simulator/x.obj"))));
        QVERIFY(!StaysInsideFolder(f.filePath(QStringLiteral("missing")), f.filePath(QStringLiteral("missing/x"))));
    }

    void safeNamesPass_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "tracks\\loop.tktrack";
        QTest::newRow("root file") << "readme.txt";
        QTest::newRow("deep") << "objects\\a\\b\\c\\d.obj";
        QTest::newRow("dots inside") << "objects\\v1.2\\..hidden.obj";
        QTest::newRow("device-like prefix") << "objects\\console.obj";
        QTest::newRow("com10") << "objects\\com10.obj";
        QTest::newRow("non-ASCII") << QStringLiteral("objects\\Achterbahn \u00e4\u00f6\u00fc.obj");
    }

    void safeNamesPass()
    {
        QFETCH(QString, path);
        QCOMPARE(StoredPathProblem(path), QString());
    }
};

QTEST_GUILESS_MAIN(TestPackagePaths)
#include "tst_package_paths.moc"
