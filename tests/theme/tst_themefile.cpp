// Theme files: the built-in theme's exact bytes, the file order of fonts and colours, round trips,
// the Bold/Weight order, the tag check and damaged files that must change nothing.

#include "theme/ThemeFile.h"
#include "theme/ThemeNames.h"
#include "TestFolder.h"

#include <QTest>

namespace {

// The built-in font block as documented: "Arial", 8.25, four false flags, Charset 0, Weight 400.
const char kDefaultFontBlock[] = "00 00 00 05 41 72 69 61 6C 41 04 00 00 00 00 00 00 00 00 00 00 00 00 01 90";

// The 25 slots of the built-in theme in file order: button, header, list, window, filler, preview.
const char kDefaultSlots[] =
    "80 00 00 0F 80 00 00 12 80 00 00 16 80 00 00 14 80 00 00 10 80 00 00 15"  // button group
    "80 00 00 0F 80 00 00 12 80 00 00 16 80 00 00 14 80 00 00 10 80 00 00 15"  // header group
    "80 00 00 05 80 00 00 08 80 00 00 0D 80 00 00 0E"                          // list
    "80 00 00 0F 80 00 00 12 80 00 00 16 80 00 00 14 80 00 00 10 80 00 00 15"  // window group
    "80 00 00 0C 00 00 00 A0 00 00 00 78";                                      // filler, 160, 120

QByteArray DefaultThemeBytes()
{
    QByteArray bytes = QByteArray("THME");
    for (int i = 0; i < 5; ++i)
        bytes += hexBytes(kDefaultFontBlock);
    return bytes + hexBytes(kDefaultSlots);
}

QByteArray Long(quint32 n)
{
    const char bytes[] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    return QByteArray(bytes, 4);
}

// The documented slot of each field, written out independently of the writer's table.
struct Slot {
    const char* name;
    qint32 Theme::*field;
};
#define RV_SLOT(f) Slot{#f, &Theme::f}
const Slot kSlots[] = {
    RV_SLOT(ButtonFace), RV_SLOT(ButtonText), RV_SLOT(ButtonHighlight), RV_SLOT(ButtonBrightHighlight),
    RV_SLOT(ButtonShadow), RV_SLOT(ButtonDarkShadow), RV_SLOT(HeaderFace), RV_SLOT(HeaderText),
    RV_SLOT(HeaderHighlight), RV_SLOT(HeaderBrightHighlight), RV_SLOT(HeaderShadow), RV_SLOT(HeaderDarkShadow),
    RV_SLOT(ListBackground), RV_SLOT(ListText), RV_SLOT(ListHighlight), RV_SLOT(ListHighlightText),
    RV_SLOT(WindowFace), RV_SLOT(WindowText), RV_SLOT(WindowHighlight), RV_SLOT(WindowBrightHighlight),
    RV_SLOT(WindowShadow), RV_SLOT(WindowDarkShadow), RV_SLOT(ListScrollbarFiller), RV_SLOT(PreviewWidth),
    RV_SLOT(PreviewHeight),
};
#undef RV_SLOT

// A theme where every field differs from every other, so a swapped slot or font shows.
Theme DistinctTheme()
{
    Theme t;
    const std::pair<FontRecord Theme::*, const char*> fonts[] = {
        {&Theme::ListFont, "Liste"}, {&Theme::HeaderFont, "Head"}, {&Theme::InfoFont, "Info Sans"},
        {&Theme::MenuFont, "M"}, {&Theme::ButtonFont, "Button \u00c9"},
    };
    int n = 0;
    for (const auto& [member, name] : fonts) {
        FontRecord& f = t.*member;
        f.Name = QString::fromUtf8(name);
        f.SetSize(7.5 + n);
        f.SetBold(n % 2 == 0);
        f.Italic = n == 1;
        f.Strikethrough = n == 2;
        f.Underline = n == 3;
        f.SetCharset(n == 4 ? -1 : 128 + n);
        f.SetWeight(n % 2 == 0 ? 700 : 100 * (n + 2));
        ++n;
    }
    for (const Slot& slot : kSlots)
        t.*slot.field = ++n % 3 == 0 ? SystemColorRef(n) : RgbColor(n, 2 * n, 3 * n);
    t.PreviewWidth = 320;
    t.PreviewHeight = 240;
    return t;
}

} // namespace

class TestThemeFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The documented 229 bytes both ways: written by a save and by the encoder, and read back; and the
    // reset to them.
    void defaultThemeIsTheDocumented229Bytes()
    {
        const QByteArray expected = DefaultThemeBytes();
        QCOMPARE(expected.size(), 229);
        TestFolder dir;
        QVERIFY(SaveTheme(DefaultTheme(), dir.path(), QStringLiteral("Default")));
        QCOMPARE(TestFolder::readFile(dir.filePath(QStringLiteral("Default.rvltt"))), expected);
        QCOMPARE(EncodeTheme(DefaultTheme()), expected);

        Theme loaded = DistinctTheme();
        QVERIFY(DecodeTheme(expected, loaded));
        QCOMPARE(loaded, DefaultTheme());
        // Going back to the built-in theme also forgets the theme's name.
        loaded = DistinctTheme();
        QString name = QStringLiteral("Dark");
        SetDefaultTheme(loaded, name);
        QCOMPARE(loaded, DefaultTheme());
        QVERIFY(name.isEmpty());
    }

    // The blocks stand Menu, Button, Header, Info, List, and every field of one sits where it belongs.
    void fontBlocksInOrderAndLayout()
    {
        Theme t = DefaultTheme();
        FontRecord& menu = t.MenuFont;
        menu.Name = QStringLiteral("Tahoma");
        menu.SetSize(9.75);
        menu.Italic = true;
        menu.Underline = true;
        menu.SetCharset(-2);  // sign-extended in the file
        menu.SetWeight(700);
        t.ButtonFont.Name = QStringLiteral("B");
        t.HeaderFont.Name = QStringLiteral("H");
        t.InfoFont.Name = QStringLiteral("I");
        t.ListFont.Name = QStringLiteral("L");
        const QByteArray bytes = EncodeTheme(t);
        QCOMPARE(bytes.mid(4, 26), hexBytes("00 00 00 06 54 61 68 6F 6D 61 41 1C 00 00 FF FF 00 FF FF FF FF FE 00 00 02 BC"));
        // The other blocks are 21 bytes with a one-letter name after the 4-byte length.
        QByteArray names;
        for (int block = 0; block < 4; ++block)
            names += bytes.at(4 + 26 + block * 21 + 4);
        QCOMPARE(names, QByteArray("BHIL"));
        QCOMPARE(bytes.size(), 4 + 26 + 4 * 21 + 100);
    }

    void colourSlotsFollowTheFileOrder_data()
    {
        QTest::addColumn<int>("slot");
        for (int slot = 1; slot <= 25; ++slot)
            QTest::newRow(kSlots[slot - 1].name) << slot;
    }
    void colourSlotsFollowTheFileOrder()
    {
        QFETCH(int, slot);
        qint32 Theme::*const field = kSlots[slot - 1].field;
        Theme t = DefaultTheme();
        t.*field = 0x01020304;
        const QByteArray bytes = EncodeTheme(t);
        const int offset = 4 + 5 * 25 + (slot - 1) * 4;
        QCOMPARE(bytes.mid(offset, 4).toHex(' '), QByteArray("01 02 03 04"));

        Theme loaded;
        QVERIFY(DecodeTheme(bytes, loaded));
        QCOMPARE(loaded.*field, 0x01020304);
        QCOMPARE(loaded, t);
    }

    void everyFieldSurvivesSaveAndLoad()
    {
        TestFolder dir;
        const Theme saved = DistinctTheme();
        QVERIFY(SaveTheme(saved, dir.path() + QLatin1Char('/'), QStringLiteral("Mine")));
        Theme loaded = DefaultTheme();
        QVERIFY(LoadTheme(loaded, dir.path() + QLatin1Char('/'), QStringLiteral("Mine")));
        QCOMPARE(loaded, saved);
        QCOMPARE(loaded.ButtonFont.Charset(), qint16(-1));
        QCOMPARE(loaded.ListFont.Size(), 7.5);
    }

    void weightDecidesBoldBecauseItIsSetLast_data()
    {
        QTest::addColumn<QByteArray>("boldByte");
        QTest::addColumn<quint32>("weight");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Bold with Weight 400") << hexBytes("FF") << 400u << false;
        QTest::newRow("Bold byte 01 with Weight 400") << hexBytes("01") << 400u << false;
        QTest::newRow("not Bold with Weight 700") << hexBytes("00") << 700u << true;
        QTest::newRow("Bold with Weight 700") << hexBytes("FF") << 700u << true;
    }
    void weightDecidesBoldBecauseItIsSetLast()
    {
        QFETCH(QByteArray, boldByte);
        QFETCH(quint32, weight);
        QFETCH(bool, bold);
        QByteArray bytes = DefaultThemeBytes();
        // The List font is the fifth block: Bold at 4 + 4*25 + 8 + 5, Weight at its last 4 bytes.
        const int block = 4 + 4 * 25;
        bytes.replace(block + 13, 1, boldByte);
        bytes.replace(block + 21, 4, Long(weight));
        Theme t;
        QVERIFY(DecodeTheme(bytes, t));
        QCOMPARE(t.ListFont.Bold(), bold);
        QCOMPARE(t.ListFont.Weight(), qint16(weight));
        QCOMPARE(t.MenuFont.Bold(), false);
    }

    // The tag is checked ignoring letter case; any other damage loads nothing and changes nothing.
    void damagedFileChangesNothing_data()
    {
        QTest::addColumn<int>("at");  // -1: the file is one byte short
        QTest::addColumn<QByteArray>("put");
        QTest::addColumn<bool>("loads");
        QTest::newRow("THME") << 0 << QByteArray("THME") << true;
        QTest::newRow("thme") << 0 << QByteArray("thme") << true;
        QTest::newRow("ThMe") << 0 << QByteArray("ThMe") << true;
        QTest::newRow("THEM") << 0 << QByteArray("THEM") << false;
        QTest::newRow("RVLT") << 0 << QByteArray("RVLT") << false;
        // The Button font's face name length.
        QTest::newRow("negative name length") << 4 + 2 * 25 << Long(0xFFFFFFFFu) << false;
        QTest::newRow("most negative name length") << 4 + 2 * 25 << Long(0x80000000u) << false;
        QTest::newRow("name longer than the file") << 4 + 2 * 25 << Long(1000) << false;
        QTest::newRow("one byte short") << -1 << QByteArray() << false;
    }
    void damagedFileChangesNothing()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, put);
        QFETCH(bool, loads);
        QByteArray bytes = DefaultThemeBytes();
        if (at < 0)
            bytes.chop(1);
        else
            bytes.replace(at, put.size(), put);
        TestFolder dir;
        dir.createFile(QStringLiteral("Odd.rvltt"), bytes);
        Theme theme = DistinctTheme();
        QCOMPARE(LoadTheme(theme, dir.path(), QStringLiteral("Odd")), loads);
        QCOMPARE(theme, loads ? DefaultTheme() : DistinctTheme());
    }

    void aFileCutShortAnywhereChangesNothing()
    {
        const QByteArray whole = EncodeTheme(DistinctTheme());
        const Theme before = DefaultTheme();
        for (qsizetype length = 0; length < whole.size(); ++length) {
            Theme theme = before;
            QString error;
            QVERIFY2(!DecodeTheme(whole.left(length), theme, &error), qPrintable(QString::number(length)));
            QVERIFY(!error.isEmpty());
            QCOMPARE(theme, before);
        }
    }

    // A theme is found by its name in any letter case, and nothing else loads in its place; the
    // loader, the existence question and the list agree on which themes there are.
    void themeFileIsFoundByName_data()
    {
        QTest::addColumn<bool>("inFolder");  // false: no folder is given
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("preview");  // the PreviewWidth of the theme that loads; 0: none loads
        QTest::newRow("as named") << true << "Sunset" << 200;
        QTest::newRow("other letter case") << true << "sunset" << 200;
        QTest::newRow("part of the name") << true << "Sunse" << 0;
        QTest::newRow("absent") << true << "Absent" << 0;
        QTest::newRow("no folder") << false << "Default" << 0;
        QTest::newRow("no name looks for .rvltt") << true << "" << 0;
        QTest::newRow("a hidden file is no theme") << true << ".Hidden" << 0;
        QTest::newRow("two spellings: the exact one wins") << true << "dusk" << 41;
        QTest::newRow("two spellings: the other exact one") << true << "Dusk" << 40;
    }
    void themeFileIsFoundByName()
    {
        QFETCH(bool, inFolder);
        QFETCH(QString, name);
        QFETCH(int, preview);
        TestFolder dir;
        const auto themeOf = [](int previewWidth) {
            Theme theme = DistinctTheme();
            theme.PreviewWidth = previewWidth;
            return theme;
        };
        dir.createFile(QStringLiteral("Sunset.RVLTT"), EncodeTheme(themeOf(200)));
        dir.createFile(QStringLiteral("Default.rvltt"), DefaultThemeBytes());
        dir.createFile(QStringLiteral(".Hidden.rvltt"), EncodeTheme(themeOf(300)));
        dir.createFile(QStringLiteral("Dusk.rvltt"), EncodeTheme(themeOf(40)));
        dir.createFile(QStringLiteral("dusk.rvltt"), EncodeTheme(themeOf(41)));
        const QString folder = inFolder ? dir.path() : QString();
        const Theme before = themeOf(1);
        Theme theme = before;
        QString error;
        QCOMPARE(LoadTheme(theme, folder, name, &error), preview != 0);
        QCOMPARE(theme, preview != 0 ? themeOf(preview) : before);
        QCOMPARE(error.isEmpty(), preview != 0);
        QCOMPARE(ThemeExists(folder, name), preview != 0);
        const QStringList listed = ThemeListNames(folder);
        QCOMPARE(ThemeListIndex(QStringList{QString()} + listed, name) > 0, preview != 0 && !name.isEmpty());
        QVERIFY(!listed.contains(QStringLiteral(".Hidden")));
    }

    void themeNameProblem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "Sunset" << false;
        QTest::newRow("a dot inside") << "Sun.set 2" << false;
        QTest::newRow("leading dot") << ".Sunset" << true;
        QTest::newRow("slash") << "Sun/set" << true;
        QTest::newRow("backslash") << "Sun\\set" << true;
        QTest::newRow("parent folder") << "../Sunset" << true;
    }
    void themeNameProblem()
    {
        QFETCH(QString, name);
        QTEST(!ThemeNameProblem(name).isEmpty(), "refused");
    }

    void aFailedSaveLeavesTheOldFile()
    {
        TestFolder dir;
        const QString path = dir.createFile(QStringLiteral("Themes/Keep.rvltt"), DefaultThemeBytes());
        const QString missing = dir.filePath(QStringLiteral("no such folder"));
        QString error;
        QVERIFY(!SaveTheme(DistinctTheme(), missing, QStringLiteral("Keep"), &error));
        // The reason names the file, for the message the user reads.
        QVERIFY2(error.contains(ThemeFilePath(missing, QStringLiteral("Keep"))), qPrintable(error));
        QCOMPARE(TestFolder::readFile(path), DefaultThemeBytes());
        QCOMPARE(dir.listAll(), QStringList({QStringLiteral("Themes/"), QStringLiteral("Themes/Keep.rvltt")}));
    }
};

QTEST_GUILESS_MAIN(TestThemeFile)
#include "tst_themefile.moc"
