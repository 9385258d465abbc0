// The bytes of every record primitive, in both byte orders, and the buffer rules around them.

#include "recordio/BinaryFileIO.h"
#include "TestFolder.h"

#include <QTest>

#include <functional>

// One or more primitives written or read at the position.
using Step = std::function<void(BinaryFileIO&, qint32&)>;
using Reader = std::function<QVariant(BinaryFileIO&, qint32&)>;

class TestRecordIO : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesExactBytes_data()
    {
        QTest::addColumn<int>("bigEndian");
        QTest::addColumn<Step>("write");
        QTest::addColumn<QByteArray>("expected");

        const auto row = [](const char* name, int be, Step w, const char* hex) {
            QTest::newRow(name) << be << w << hexBytes(hex);
        };
        const auto longOf = [](qint32 v) { return Step([v](BinaryFileIO& io, qint32& p) { io.WriteLong(p, v); }); };
        const auto singleOf = [](float v) { return Step([v](BinaryFileIO& io, qint32& p) { io.WriteSingle(p, v); }); };
        const auto stringOf = [](const QString& s) {
            return Step([s](BinaryFileIO& io, qint32& p) { io.WriteString(p, s); });
        };
        const auto tagOf = [](const QString& s) { return Step([s](BinaryFileIO& io, qint32& p) { io.WriteTag(p, s); }); };
        row("long 1 big", 1, longOf(1), "00 00 00 01");
        row("long 1 little", 0, longOf(1), "01 00 00 00");
        row("long -1 big", 1, longOf(-1), "FF FF FF FF");
        row("long -1 little", 0, longOf(-1), "FF FF FF FF");
        row("long 0x12345678 big", 1, longOf(0x12345678), "12 34 56 78");
        row("long 0x12345678 little", 0, longOf(0x12345678), "78 56 34 12");
        row("long min big", 1, longOf(INT32_MIN), "80 00 00 00");
        row("single 8.25 big", 1, singleOf(8.25f), "41 04 00 00");
        row("single 8.25 little", 0, singleOf(8.25f), "00 00 04 41");
        row("single -1 big", 1, singleOf(-1.0f), "BF 80 00 00");
        row("byte", 1, [](BinaryFileIO& io, qint32& p) { io.WriteByte(p, 0xFF); }, "FF");
        row("empty string", 1, stringOf(QString()), "00 00 00 00");
        row("string big", 1, stringOf(QStringLiteral("Arial")), "00 00 00 05 41 72 69 61 6C");
        row("string little", 0, stringOf(QStringLiteral("ab")), "02 00 00 00 61 62");
        row("string counts bytes", 1, stringOf(QStringLiteral("\u00e9")), "00 00 00 02 C3 A9");
        row("chars", 1, [](BinaryFileIO& io, qint32& p) { io.WriteChars(p, QStringLiteral("TKSE")); }, "54 4B 53 45");
        row("tag short padded", 1, tagOf(QStringLiteral("ab")), "41 42 20 20");
        row("tag long cut", 1, tagOf(QStringLiteral("abcdef")), "41 42 43 44");
        row("tag empty", 1, tagOf(QString()), "20 20 20 20");
        row("sequence", 1, [](BinaryFileIO& io, qint32& p) {
            io.WriteTag(p, QStringLiteral("RVDB"));
            io.WriteByte(p, 0);
            io.WriteLong(p, 258);
        }, "52 56 44 42 00 00 00 01 02");
    }

    void writesExactBytes()
    {
        QFETCH(int, bigEndian);
        QFETCH(Step, write);
        QFETCH(QByteArray, expected);
        BinaryFileIO io;
        io.SetBigEndian(static_cast<qint16>(bigEndian));
        qint32 pos = 0;
        write(io, pos);
        QCOMPARE(io.FileBuffer(), expected);
        QCOMPARE(pos, expected.size());
    }

    void readsBackWhatItWrote_data()
    {
        QTest::addColumn<int>("bigEndian");
        QTest::newRow("big endian") << 1;
        QTest::newRow("little endian") << 0;
    }

    void readsBackWhatItWrote()
    {
        QFETCH(int, bigEndian);
        BinaryFileIO io;
        io.SetBigEndian(static_cast<qint16>(bigEndian));
        qint32 pos = 0;
        const QString text = QStringLiteral("Steel Dragon \u00e9\u4e2d");
        io.WriteLong(pos, -123456789);
        io.WriteSingle(pos, 0.1f);
        io.WriteString(pos, text);
        io.WriteString(pos, QString());
        io.WriteByte(pos, 7);
        io.WriteTag(pos, QStringLiteral("sets"));

        BinaryFileIO in;
        in.SetBigEndian(static_cast<qint16>(bigEndian));
        in.LoadBytes(io.FileBuffer());
        pos = 0;
        QCOMPARE(in.ReadLong(pos), -123456789);
        QCOMPARE(in.ReadSingle(pos), 0.1f);
        QCOMPARE(in.ReadString(pos), text);
        const qint32 before = pos;
        QCOMPARE(in.ReadString(pos), QString());
        QCOMPARE(pos, before + 4);
        QCOMPARE(in.ReadByte(pos), quint8(7));
        QCOMPARE(in.ReadTag(pos), QStringLiteral("SETS"));
        QCOMPARE(pos, in.FileBufferLength());
    }

    // Big-endian bytes read by one primitive: all of them are taken, and give this value.
    void readsExactBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Reader>("read");
        QTest::addColumn<QVariant>("expected");
        const Reader boolean = [](BinaryFileIO& io, qint32& p) { return QVariant(io.ReadBoolean(p)); };
        const Reader text = [](BinaryFileIO& io, qint32& p) { return QVariant(io.ReadString(p)); };
        QTest::newRow("boolean 0x00") << hexBytes("00") << boolean << QVariant(false);
        QTest::newRow("boolean 0x01") << hexBytes("01") << boolean << QVariant(true);
        QTest::newRow("boolean 0x7F") << hexBytes("7F") << boolean << QVariant(true);
        QTest::newRow("boolean 0xFF") << hexBytes("FF") << boolean << QVariant(true);
        QTest::newRow("tag upper-cased") << hexBytes("72 76 64 62")
                                         << Reader([](BinaryFileIO& io, qint32& p) { return QVariant(io.ReadTag(p)); })
                                         << QVariant(QStringLiteral("RVDB"));
        // Not valid UTF-8: read as Windows-1252, where 0x80 is the euro sign.
        QTest::newRow("Windows-1252 fallback") << hexBytes("00 00 00 04 43 61 66 E9") << text
                                               << QVariant(QStringLiteral("Caf\u00e9"));
        QTest::newRow("euro sign") << hexBytes("00 00 00 01 80") << text << QVariant(QStringLiteral("\u20ac"));
        QTest::newRow("UTF-8") << hexBytes("00 00 00 02 C3 A9") << text << QVariant(QStringLiteral("\u00e9"));
    }
    void readsExactBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Reader, read);
        BinaryFileIO io;
        io.SetBigEndian(1);
        io.LoadBytes(bytes);
        qint32 pos = 0;
        QTEST(read(io, pos), "expected");
        QCOMPARE(pos, bytes.size());
    }

    // A read past the buffer or of a damaged string length throws and leaves the position alone.
    void damagedReadsThrow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint32>("start");
        QTest::addColumn<Step>("read");
        const Step byte = [](BinaryFileIO& io, qint32& p) { io.ReadByte(p); };
        const Step text = [](BinaryFileIO& io, qint32& p) { io.ReadString(p); };
        QTest::newRow("byte past the end") << QByteArray(10, 'x') << 11 << byte;
        QTest::newRow("byte before the start") << QByteArray(10, 'x') << -1 << byte;
        QTest::newRow("long across the end") << QByteArray(10, 'x') << 8
                                             << Step([](BinaryFileIO& io, qint32& p) { io.ReadLong(p); });
        QTest::newRow("negative string length") << hexBytes("FF FF FF FF 41") << 0 << text;
        QTest::newRow("string length past end") << hexBytes("00 00 00 05 41 42") << 0 << text;
        QTest::newRow("huge string length") << hexBytes("7F FF FF FF 41") << 0 << text;
        QTest::newRow("string count cut short") << hexBytes("00 00") << 0 << text;
    }
    void damagedReadsThrow()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint32, start);
        QFETCH(Step, read);
        BinaryFileIO io;
        io.SetBigEndian(1);
        io.LoadBytes(bytes);
        qint32 pos = start;
        QVERIFY_THROWS_EXCEPTION(RecordReadError, read(io, pos));
        QCOMPARE(pos, start);
    }

    void writeTruncatesBufferToItsLastByte()
    {
        BinaryFileIO io;
        qint32 pos = 0;
        io.SetBigEndian(1);
        io.WriteLong(pos, 1);
        io.WriteLong(pos, 2);
        pos = 2;
        io.WriteByte(pos, 0xAA);
        QCOMPARE(io.FileBuffer(), hexBytes("00 00 AA"));
        io.ClearBuffer();
        QCOMPARE(io.FileBuffer(), hexBytes("00"));
        QCOMPARE(io.FileBufferLength(), 0);
    }

    // The whole buffer replaces an old file only when overwriting is allowed; no name, no save.
    void saveReplacesOnlyWhenAllowed()
    {
        TestFolder dir;
        const QString path = dir.createFile(QStringLiteral("out.bin"), QByteArray(100, 'o'));
        BinaryFileIO io;
        io.SetBigEndian(1);
        qint32 pos = 0;
        io.WriteLong(pos, 1);
        QVERIFY(!io.SaveBuffer(path, false));
        QCOMPARE(TestFolder::readFile(path), QByteArray(100, 'o'));
        QVERIFY(io.SaveBuffer(path, true));
        QCOMPARE(TestFolder::readFile(path), hexBytes("00 00 00 01"));
        QVERIFY(io.SaveBuffer(dir.filePath(QStringLiteral("new.bin")), false));
        QVERIFY(!io.SaveBuffer(QString(), true));
    }

    // An empty name, a missing file, a folder and a hidden file load as nothing; a file loads with one
    // zero byte behind its end.
    void loadsWithATrailingZeroOrNotAtAll()
    {
        TestFolder dir;
        BinaryFileIO io;
        QVERIFY(!io.LoadBuffer(QString()));
        QVERIFY(!io.LoadBuffer(dir.filePath(QStringLiteral("nothing"))));
        QVERIFY(!io.LoadBuffer(dir.path()));
        QVERIFY(!io.LoadBuffer(dir.createFile(QStringLiteral(".hidden"), "abc")));
        QCOMPARE(io.FileBufferLength(), 0);
        QCOMPARE(io.FileBuffer(), hexBytes("00"));

        QVERIFY(io.LoadBuffer(dir.createFile(QStringLiteral("ten.bin"), QByteArray(10, 'x'))));
        QCOMPARE(io.FileBufferLength(), 10);
        QCOMPARE(io.FileBuffer().size(), 11);
        qint32 pos = 10;
        QCOMPARE(io.ReadByte(pos), quint8(0));
        QCOMPARE(pos, 11);
    }

    // ASCII texts are narrowed sixteen, then eight, then one unit at a time: every length up to 40,
    // plain and with one "é" at each place, must come out as its count and its UTF-8 bytes, and the
    // text written behind it must follow it exactly.
    void textsOfEveryLengthKeepTheirBytes()
    {
        for (int length = 0; length <= 40; ++length) {
            for (int accent = -1; accent < length; ++accent) {
                QString text;
                for (int i = 0; i < length; ++i)
                    text += i == accent ? QChar(0xE9) : QChar(u"Ab9 _~z"[i % 7]);
                BinaryFileIO io;
                io.SetBigEndian(1);
                qint32 pos = 0;
                io.WriteString(pos, text);
                io.WriteString(pos, QStringLiteral("end"));
                const QByteArray utf8 = text.toUtf8();
                QByteArray expected;
                for (int shift : {24, 16, 8, 0})
                    expected += char((utf8.size() >> shift) & 0xFF);
                expected += utf8 + hexBytes("00 00 00 03") + "end";
                QCOMPARE(io.FileBuffer(), expected);
                QCOMPARE(pos, qint32(expected.size()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordIO)
#include "tst_recordio.moc"
