// The package layout byte by byte: what the parser reads, what it refuses, how entries inflate, and
// that the writer produces the documented bytes.

#include "PackageBytes.h"
#include "TestFolder.h"

#include "ride/PackageFormat.h"
#include "ride/PackageUnpack.h"
#include "ride/PackageWriter.h"

#include <QTest>

class TestPackageFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parsesHandBuiltPackage()
    {
        // "hello" as tracks\loop.tktrack, DataBase 4 after a 4-byte lead-in, directory after the data.
        const QByteArray stream = hexBytes("78 9c cb 48 cd c9 c9 07 00 06 2c 02 15");
        PackageBytes p;
        p.raw("LEAD").raw(stream);
        const qint32 dir = p.size();
        p.raw("tkse").longValue(4).longValue(1).text("Loop").text("by me").text("");
        p.text("tracks\\").text("loop.tktrack").longValue(0).longValue(5).longValue(stream.size());
        p.longValue(dir).longValue(12345);

        PackageContents c;
        QCOMPARE(ParsePackage(p.bytes, c), kPackageInstalled);
        QCOMPARE(c.DirOffset, 17);
        QCOMPARE(c.DataBase, 4);
        QCOMPARE(c.EntryCount, 1);
        QCOMPARE(c.HeaderText[0], QStringLiteral("Loop"));
        QCOMPARE(c.HeaderText[1], QStringLiteral("by me"));
        QCOMPARE(c.HeaderText[2], QString());
        QCOMPARE(c.Entries.size(), size_t(1));
        QCOMPARE(c.Entries[0].RelativePath(), QStringLiteral("tracks\\loop.tktrack"));
        QCOMPARE(c.Entries[0].CompressedSize, 13);
        QByteArray out;
        QCOMPARE(UnpackEntry(p.bytes, c, c.Entries[0], out), 0);
        QCOMPARE(out, QByteArray("hello"));
    }

    void refusesDamagedDirectories_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PackageResult>("code");

        const QByteArray good = HandPackage({FileEntry("tracks\\", "a.tktrack", "track")});
        const qint32 dir = qFromLittleEndian<qint32>(good.constData() + good.size() - 8);
        const auto withLong = [&](qint32 at, qint32 value) {
            QByteArray b = good;
            qToLittleEndian<qint32>(value, b.data() + at);
            return b;
        };
        // Positions inside the directory of `good`.
        const qint32 countAt = dir + 8;
        const qint32 entryAt = dir + 12 + (4 + 3) + (4 + 3) + (4 + 5);
        const qint32 offsetAt = entryAt + 4 + 7 + 4 + 9;

        QTest::newRow("good") << good << kPackageInstalled;
        QTest::newRow("empty file") << QByteArray() << kPackageBadDirectory;
        QTest::newRow("seven bytes") << QByteArray(7, '\0') << kPackageBadDirectory;
        QTest::newRow("DirOffset negative") << withLong(good.size() - 8, -1) << kPackageBadDirectory;
        QTest::newRow("DirOffset past the end") << withLong(good.size() - 8, good.size()) << kPackageBadDirectory;
        QTest::newRow("DirOffset 3 bytes before the end")
            << withLong(good.size() - 8, good.size() - 3) << kPackageBadDirectory;
        QByteArray wrongMagic = good;
        wrongMagic[dir] = 'X';
        QTest::newRow("magic wrong") << wrongMagic << kPackageBadDirectory;
        QTest::newRow("magic in lower case") << HandPackage({FileEntry("", "a.tktrack", "t")}, "tkse") << kPackageInstalled;
        QTest::newRow("EntryCount 0") << withLong(countAt, 0) << kPackageNoEntries;
        QTest::newRow("EntryCount negative") << withLong(countAt, -5) << kPackageNoEntries;
        QTest::newRow("EntryCount beyond the file") << withLong(countAt, 2) << kPackageOutsideFile;
        QTest::newRow("EntryCount 2^31-1") << withLong(countAt, 0x7fffffff) << kPackageOutsideFile;
        QTest::newRow("header text runs past the end") << withLong(dir + 12, 1000) << kPackageOutsideFile;
        QTest::newRow("header text length negative") << withLong(dir + 12, -1) << kPackageOutsideFile;
        QTest::newRow("folder text runs past the end") << withLong(entryAt, 0x7ffffff0) << kPackageOutsideFile;
        QTest::newRow("data offset negative") << withLong(offsetAt, -1) << kPackageOutsideFile;
        QTest::newRow("data offset past the end") << withLong(offsetAt, good.size()) << kPackageOutsideFile;
        QTest::newRow("compressed size negative") << withLong(offsetAt + 8, -1) << kPackageOutsideFile;
        QTest::newRow("compressed size one past the end")
            << withLong(offsetAt + 8, good.size() + 1) << kPackageOutsideFile;
        QTest::newRow("DataBase + Offset overflows 32 bits")
            << withLong(offsetAt, 0x7fffffff) << kPackageOutsideFile;
        QByteArray overflowBase = withLong(dir + 4, 0x7fffffff);
        qToLittleEndian<qint32>(0x7fffffff, overflowBase.data() + offsetAt);
        QTest::newRow("DataBase and Offset both 2^31-1") << overflowBase << kPackageOutsideFile;
        // The directory overlaps the trailer (DirOffset 0 is the entry's zero bytes 43..46) and its last
        // Long ends one byte past the file: the record buffer's spare byte must not stand in for it.
        PackageBytes cut;
        cut.raw("TKSE").longValue(0).longValue(1).text("").text("").text("");
        cut.text("").text("abcdefgh").longValue(0).longValue(0).raw(QByteArray(3, '\0'));
        QTest::newRow("last Long one byte short") << cut.bytes << kPackageOutsideFile;
    }

    void refusesDamagedDirectories()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PackageResult, code);
        PackageContents c;
        c.EntryCount = 99;
        QCOMPARE(ParsePackage(bytes, c), code);
        if (code != kPackageInstalled)
            QCOMPARE(c.EntryCount, 99);  // a refused package leaves the caller's contents alone
    }

    void unpacksExactly_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<qint32>("declared");
        QTest::addColumn<qint32>("result");

        const QByteArray data = QByteArray("ride the loop ").repeated(50);
        const QByteArray stream = ZlibStream(data);
        QByteArray damaged = stream;
        damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x55);

        QTest::newRow("exact") << stream << qint32(data.size()) << 0;
        QTest::newRow("empty file") << ZlibStream(QByteArray()) << 0 << 0;
        QTest::newRow("declared one byte more") << stream << qint32(data.size() + 1) << kUnpackWrongSize;
        QTest::newRow("declared one byte less") << stream << qint32(data.size() - 1) << qint32(Z_BUF_ERROR);
        QTest::newRow("stray bytes after the stream") << stream + "XY" << qint32(data.size()) << kUnpackWrongSize;
        QTest::newRow("stream cut short") << stream.left(stream.size() - 6) << qint32(data.size())
                                          << qint32(Z_DATA_ERROR);
        QTest::newRow("checksum missing") << stream.left(stream.size() - 4) << qint32(data.size())
                                          << qint32(Z_BUF_ERROR);
        QTest::newRow("damaged") << damaged << qint32(data.size()) << qint32(Z_DATA_ERROR);
        QTest::newRow("not zlib") << QByteArray("plain text") << 10 << qint32(Z_DATA_ERROR);
        QTest::newRow("no bytes") << QByteArray() << 0 << qint32(Z_DATA_ERROR);
        QTest::newRow("declared negative") << stream << -1 << kUnpackWrongSize;
        QTest::newRow("declared above 1 GiB") << stream << qint32((1 << 30) + 1) << kUnpackWrongSize;
        QTest::newRow("declared beyond 1032 to 1") << QByteArray(10, 'x') << 10321 << kUnpackWrongSize;
    }

    void unpacksExactly()
    {
        QFETCH(QByteArray, stream);
        QFETCH(qint32, declared);
        QFETCH(qint32, result);
        QByteArray buffer = stream;
        const qint32 got = UnpackBuffer(buffer, declared);
        QCOMPARE(got, result);
        if (result == 0)
            QCOMPARE(buffer.size(), qsizetype(declared));
        else
            QCOMPARE(buffer, stream);
    }

    void writerProducesDocumentedBytes()
    {
        const QByteArray stream = ZlibStream("hello");
        PackageBytes expected;
        expected.raw(stream);
        expected.raw("TKSE").longValue(0).longValue(1).text("T").text("").text("");
        expected.text("tracks\\").text("a.tktrack").longValue(0).longValue(5).longValue(stream.size());
        const qint32 directoryLength = expected.size() - stream.size();
        expected.longValue(stream.size()).longValue(directoryLength);

        const QByteArray written = BuildPackage({{QStringLiteral("tracks\\"), QStringLiteral("a.tktrack"), "hello"}},
                                                {QStringLiteral("T")});
        QCOMPARE(written.toHex(' '), expected.bytes.toHex(' '));
    }

    void writerRoundTrip()
    {
        TestFolder folder;
        const std::vector<PackageSourceFile> files = {
            {QStringLiteral("tracks\\"), QStringLiteral("loop.tktrack"), QByteArray("track bytes")},
            {QStringLiteral("objects\\deep\\"), QStringLiteral("station.obj"), QByteArray(70000, 's')},
            {QString(), QStringLiteral("empty.txt"), QByteArray()},
        };
        const QString path = folder.filePath(QStringLiteral("p.tkpack"));
        QVERIFY(WritePackageFile(path, files, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
        const QByteArray bytes = TestFolder::readFile(path);
        PackageContents c;
        QCOMPARE(ParsePackage(bytes, c), kPackageInstalled);
        QCOMPARE(c.HeaderText[2], QStringLiteral("c"));
        QCOMPARE(c.Entries.size(), files.size());
        for (size_t i = 0; i < files.size(); ++i) {
            QCOMPARE(c.Entries[i].Folder, files[i].Folder);
            QCOMPARE(c.Entries[i].Name, files[i].Name);
            QByteArray out;
            QCOMPARE(UnpackEntry(bytes, c, c.Entries[i], out), 0);
            QCOMPARE(out, files[i].Data);
        }
        QVERIFY(!WritePackageFile(path, files, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                                QStringLiteral("4")}));
        QCOMPARE(TestFolder::readFile(path), bytes);  // a failed write leaves the old file
    }
};

QTEST_GUILESS_MAIN(TestPackageFormat)
#include "tst_package_format.moc"
