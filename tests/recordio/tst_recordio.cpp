// The bytes of every record primitive, in both byte orders, and the buffer rules around them.

#include "recordio/BinaryFileIO.h"
#include "TestFolder.h"

#include <QTest>

#include <functional>

class TestRecordIO : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesExactBytes_data();
    void writesExactBytes();
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
    void booleanReadsAnyNonZeroAsTrue_data();
    void booleanReadsAnyNonZeroAsTrue();
    void tagIsUpperCasedOnRead();
    void writeTruncatesBufferToItsLastByte();
    void loadedBufferHasOneTrailingZero();
    void readPastEndThrowsAndKeepsPosition();
    void damagedStringLengthsThrow_data();
    void damagedStringLengthsThrow();
    void saveWritesWholeBufferAndReplacesOldFile();
    void saveRefusesExistingFileWithoutOverwrite();
    void loadTreatsHiddenAndMissingAsAbsent();
    void textIsUtf8WithWindows1252Fallback();
    void textsOfEveryLengthKeepTheirBytes();
};

using Writer = std::function<void(BinaryFileIO&, qint32&)>;

void TestRecordIO::writesExactBytes_data()
{
    QTest::addColumn<int>("bigEndian");
    QTest::addColumn<Writer>("write");
    QTest::addColumn<QByteArray>("expected");

    auto row = [](const char* name, int be, Writer w, const char* hex) {
        QTest::newRow(name) << be << w << hexBytes(hex);
    };
    row("long 1 big", 1, [](auto& io, auto& p) { io.WriteLong(p, 1); }, "00 00 00 01");
    row("long 1 little", 0, [](auto& io, auto& p) { io.WriteLong(p, 1); }, "01 00 00 00");
    row("long -1 big", 1, [](auto& io, auto& p) { io.WriteLong(p, -1); }, "FF FF FF FF");
    row("long -1 little", 0, [](auto& io, auto& p) { io.WriteLong(p, -1); }, "FF FF FF FF");
    row("long 0x12345678 big", 1, [](auto& io, auto& p) { io.WriteLong(p, 0x12345678); }, "12 34 56 78");
    row("long 0x12345678 little", 0, [](auto& io, auto& p) { io.WriteLong(p, 0x12345678); }, "78 56 34 12");
    row("long min big", 1, [](auto& io, auto& p) { io.WriteLong(p, INT32_MIN); }, "80 00 00 00");
    row("single 8.25 big", 1, [](auto& io, auto& p) { io.WriteSingle(p, 8.25f); }, "41 04 00 00");
    row("single 8.25 little", 0, [](auto& io, auto& p) { io.WriteSingle(p, 8.25f); }, "00 00 04 41");
    row("single -1 big", 1, [](auto& io, auto& p) { io.WriteSingle(p, -1.0f); }, "BF 80 00 00");
    row("byte", 1, [](auto& io, auto& p) { io.WriteByte(p, 0xFF); }, "FF");
    row("empty string", 1, [](auto& io, auto& p) { io.WriteString(p, QString()); }, "00 00 00 00");
    row("string big", 1, [](auto& io, auto& p) { io.WriteString(p, QStringLiteral("Arial")); },
        "00 00 00 05 41 72 69 61 6C");
    row("string little", 0, [](auto& io, auto& p) { io.WriteString(p, QStringLiteral("ab")); },
        "02 00 00 00 61 62");
    row("string counts bytes", 1, [](auto& io, auto& p) { io.WriteString(p, QStringLiteral("\u00e9")); },
        "00 00 00 02 C3 A9");
    row("chars", 1, [](auto& io, auto& p) { io.WriteChars(p, QStringLiteral("TKSE")); }, "54 4B 53 45");
    row("tag short padded", 1, [](auto& io, auto& p) { io.WriteTag(p, QStringLiteral("ab")); }, "41 42 20 20");
    row("tag long cut", 1, [](auto& io, auto& p) { io.WriteTag(p, QStringLiteral("abcdef")); }, "41 42 43 44");
    row("tag empty", 1, [](auto& io, auto& p) { io.WriteTag(p, QString()); }, "20 20 20 20");
    row("sequence", 1, [](auto& io, auto& p) {
        io.WriteTag(p, QStringLiteral("RVDB"));
        io.WriteByte(p, 0);
        io.WriteLong(p, 258);
    }, "52 56 44 42 00 00 00 01 02");
}

void TestRecordIO::writesExactBytes()
{
    QFETCH(int, bigEndian);
    QFETCH(Writer, write);
    QFETCH(QByteArray, expected);
    BinaryFileIO io;
    io.SetBigEndian(static_cast<qint16>(bigEndian));
    qint32 pos = 0;
    write(io, pos);
    QCOMPARE(io.FileBuffer(), expected);
    QCOMPARE(pos, expected.size());
}

void TestRecordIO::readsBackWhatItWrote_data()
{
    QTest::addColumn<int>("bigEndian");
    QTest::newRow("big endian") << 1;
    QTest::newRow("little endian") << 0;
}

void TestRecordIO::readsBackWhatItWrote()
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

void TestRecordIO::booleanReadsAnyNonZeroAsTrue_data()
{
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<bool>("expected");
    QTest::newRow("0x00") << hexBytes("00") << false;
    QTest::newRow("0x01") << hexBytes("01") << true;
    QTest::newRow("0x7F") << hexBytes("7F") << true;
    QTest::newRow("0xFF") << hexBytes("FF") << true;
}

void TestRecordIO::booleanReadsAnyNonZeroAsTrue()
{
    QFETCH(QByteArray, byte);
    QFETCH(bool, expected);
    BinaryFileIO io;
    io.LoadBytes(byte);
    qint32 pos = 0;
    QCOMPARE(io.ReadBoolean(pos), expected);
    QCOMPARE(pos, 1);
}

void TestRecordIO::tagIsUpperCasedOnRead()
{
    BinaryFileIO io;
    io.LoadBytes(hexBytes("72 76 64 62"));
    qint32 pos = 0;
    QCOMPARE(io.ReadTag(pos), QStringLiteral("RVDB"));
}

void TestRecordIO::writeTruncatesBufferToItsLastByte()
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

void TestRecordIO::loadedBufferHasOneTrailingZero()
{
    TestFolder dir;
    const QString path = dir.createFile(QStringLiteral("ten.bin"), QByteArray(10, 'x'));
    BinaryFileIO io;
    QVERIFY(io.LoadBuffer(path));
    QCOMPARE(io.FileBufferLength(), 10);
    QCOMPARE(io.FileBuffer().size(), 11);
    qint32 pos = 10;
    QCOMPARE(io.ReadByte(pos), quint8(0));
    QCOMPARE(pos, 11);
}

void TestRecordIO::readPastEndThrowsAndKeepsPosition()
{
    BinaryFileIO io;
    io.LoadBytes(QByteArray(10, 'x'));
    qint32 pos = 11;
    QVERIFY_THROWS_EXCEPTION(RecordReadError, io.ReadByte(pos));
    QCOMPARE(pos, 11);
    pos = 8;
    QVERIFY_THROWS_EXCEPTION(RecordReadError, io.ReadLong(pos));
    QCOMPARE(pos, 8);
    pos = -1;
    QVERIFY_THROWS_EXCEPTION(RecordReadError, io.ReadByte(pos));
}

void TestRecordIO::damagedStringLengthsThrow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("negative length") << hexBytes("FF FF FF FF 41");
    QTest::newRow("length past end") << hexBytes("00 00 00 05 41 42");
    QTest::newRow("huge length") << hexBytes("7F FF FF FF 41");
    QTest::newRow("count cut short") << hexBytes("00 00");
}

void TestRecordIO::damagedStringLengthsThrow()
{
    QFETCH(QByteArray, bytes);
    BinaryFileIO io;
    io.SetBigEndian(1);
    io.LoadBytes(bytes);
    qint32 pos = 0;
    QVERIFY_THROWS_EXCEPTION(RecordReadError, io.ReadString(pos));
    QCOMPARE(pos, 0);
}

void TestRecordIO::saveWritesWholeBufferAndReplacesOldFile()
{
    TestFolder dir;
    const QString path = dir.createFile(QStringLiteral("out.bin"), QByteArray(100, 'o'));
    BinaryFileIO io;
    io.SetBigEndian(1);
    qint32 pos = 0;
    io.WriteLong(pos, 1);
    QVERIFY(io.SaveBuffer(path, true));
    QCOMPARE(TestFolder::readFile(path), hexBytes("00 00 00 01"));
    QVERIFY(!io.SaveBuffer(QString(), true));
}

void TestRecordIO::saveRefusesExistingFileWithoutOverwrite()
{
    TestFolder dir;
    const QString path = dir.createFile(QStringLiteral("keep.bin"), QByteArray("old"));
    BinaryFileIO io;
    qint32 pos = 0;
    io.WriteByte(pos, 1);
    QVERIFY(!io.SaveBuffer(path, false));
    QCOMPARE(TestFolder::readFile(path), QByteArray("old"));
    QVERIFY(io.SaveBuffer(dir.filePath(QStringLiteral("new.bin")), false));
}

void TestRecordIO::loadTreatsHiddenAndMissingAsAbsent()
{
    TestFolder dir;
    BinaryFileIO io;
    QVERIFY(!io.LoadBuffer(QString()));
    QVERIFY(!io.LoadBuffer(dir.filePath(QStringLiteral("nothing"))));
    QVERIFY(!io.LoadBuffer(dir.path()));
    QVERIFY(!io.LoadBuffer(dir.createFile(QStringLiteral(".hidden"), "abc")));
    QCOMPARE(io.FileBufferLength(), 0);
    QCOMPARE(io.FileBuffer(), hexBytes("00"));
}

void TestRecordIO::textIsUtf8WithWindows1252Fallback()
{
    BinaryFileIO io;
    io.SetBigEndian(1);
    // "Caf" + 0xE9 is Windows-1252 (not valid UTF-8); 0x80 is the euro sign there.
    io.LoadBytes(hexBytes("00 00 00 04 43 61 66 E9 00 00 00 01 80 00 00 00 02 C3 A9"));
    qint32 pos = 0;
    QCOMPARE(io.ReadString(pos), QStringLiteral("Caf\u00e9"));
    QCOMPARE(io.ReadString(pos), QStringLiteral("\u20ac"));
    QCOMPARE(io.ReadString(pos), QStringLiteral("\u00e9"));
}

// ASCII texts are narrowed sixteen, then eight, then one unit at a time: every length up to 40,
// plain and with one "é" at each place, must come out as its count and its UTF-8 bytes, and the
// text written behind it must follow it exactly.
void TestRecordIO::textsOfEveryLengthKeepTheirBytes()
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

QTEST_GUILESS_MAIN(TestRecordIO)
#include "tst_recordio.moc"
