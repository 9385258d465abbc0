// Version information read from real Windows executables that the test build makes with mingw-w64
// (32-bit PE32 and 64-bit PE32+), and from damaged, truncated and hostile ones; and the version row
// of each of the simulator's three programs as "Trakora Information..." shows it.

#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmInfo.h"
#include "ride/AppFileInfo.h"
#include "ride/PeVersionResource.h"

#include "TestFolder.h"

#include <QFile>
#include <QHash>
#include <QLabel>
#include <QTest>
#include <QtEndian>

namespace {

QString Built(const char* name) { return QStringLiteral(RV_VERSIONINFO_DIR "/") + QLatin1String(name); }

QByteArray ReadBuilt(const char* name)
{
    QFile f(Built(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Offsets of the fields a hostile file tampers with, found by the documented PE layout.
struct PeFields {
    quint32 peOffset = 0, numberOfSections = 0, optionalHeader = 0, sizeOfOptionalHeader = 0;
    quint32 rvaCount = 0, resourceEntry = 0, rsrcSectionHeader = 0, rsrcRoot = 0;
};

quint32 U32(const QByteArray& b, quint32 at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 U16(const QByteArray& b, quint32 at) { return qFromLittleEndian<quint16>(b.constData() + at); }
void Put32(QByteArray& b, quint32 at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }
void Put16(QByteArray& b, quint32 at, quint16 v) { qToLittleEndian<quint16>(v, b.data() + at); }

PeFields Locate(const QByteArray& b)
{
    PeFields f;
    f.peOffset = U32(b, 0x3C);
    f.numberOfSections = f.peOffset + 4 + 2;
    f.sizeOfOptionalHeader = f.peOffset + 4 + 16;
    f.optionalHeader = f.peOffset + 24;
    const bool pe32Plus = U16(b, f.optionalHeader) == 0x20B;
    f.rvaCount = f.optionalHeader + (pe32Plus ? 108 : 92);
    f.resourceEntry = f.rvaCount + 4 + 16;
    const quint32 table = f.optionalHeader + U16(b, f.sizeOfOptionalHeader);
    const quint32 resourceRva = U32(b, f.resourceEntry);
    for (quint32 i = 0; i < U16(b, f.numberOfSections); ++i) {
        const quint32 header = table + i * 40;
        const quint32 va = U32(b, header + 12);
        if (resourceRva >= va && resourceRva - va < U32(b, header + 16)) {
            f.rsrcSectionHeader = header;
            f.rsrcRoot = U32(b, header + 20) + (resourceRva - va);
        }
    }
    return f;
}

QStringList Fields(const AppFileInfo& i)
{
    return {i.CompanyName, i.FileDescription, i.FileVersion, i.InternalName,
            i.LegalCopyright, i.OriginalFileName, i.ProductName, i.ProductVersion};
}

// One VS_VERSIONINFO block laid out as documented: lengths, type, key, padding, value, padding,
// children. valueLength is written as given so that tests can lie in it.
QByteArray Block(const QString& key, const QByteArray& value, quint16 valueLength, bool text,
                 const QByteArray& children = {})
{
    QByteArray b(6, '\0');
    b += QByteArray(reinterpret_cast<const char*>(key.utf16()), key.size() * 2) + QByteArray(2, '\0');
    b += QByteArray((4 - b.size() % 4) % 4, '\0');
    b += value;
    if (!children.isEmpty())
        b += QByteArray((4 - b.size() % 4) % 4, '\0') + children;
    Put16(b, 0, quint16(b.size()));
    Put16(b, 2, valueLength);
    Put16(b, 4, text ? 1 : 0);
    return b;
}
QByteArray Pad4(QByteArray b) { return b + QByteArray((4 - b.size() % 4) % 4, '\0'); }
QByteArray Utf16(const QString& s) { return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2); }

QByteArray StringBlock(const QString& key, const QString& value)
{
    return Block(key, Utf16(value) + QByteArray(2, '\0'), quint16(value.size() + 1), true);
}

QByteArray VersionInfo(const QByteArray& tableChildren)
{
    const QByteArray table = Block(QStringLiteral("040904B0"), {}, 0, true, tableChildren);
    const QByteArray strings = Block(QStringLiteral("StringFileInfo"), {}, 0, true, table);
    return Block(QStringLiteral("VS_VERSION_INFO"), QByteArray(52, '\0'), 52, false, Pad4(strings));
}

QString FileVersionOf(const QByteArray& resource)
{
    const std::optional<VersionValue> v = QueryVersionValue(resource, QStringLiteral("\\StringFileInfo\\040904B0\\FileVersion"));
    if (!v)
        return QStringLiteral("<none>");
    QString s = QString::fromUtf16(reinterpret_cast<const char16_t*>(v->Bytes.constData()), v->Bytes.size() / 2);
    return s.left(s.indexOf(QChar(u'\0')) < 0 ? s.size() : s.indexOf(QChar(u'\0')));
}

} // namespace

class TestVersions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists(Built("Full64.exe")))
            QSKIP("the mingw-w64 toolchain was missing when the tests were built (scripts/install-deps.sh installs it)");
    }

    void builtExecutables_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QStringList>("fields");
        const QStringList full{"Trakora Coasters", "Trakora Coaster Simulator", "1, 6, 0, 3", "TrakoraSimulator",
                               QStringLiteral("\u00a9 2005 Trakora Coasters"), "TrakoraSimulator.exe",
                               "Trakora Coaster Simulator", "1.6"};
        QTest::newRow("PE32+, full") << "Full64.exe" << true << full;
        QTest::newRow("PE32, full") << "Full32.exe" << true << full;
        QStringList bare(8);
        bare[0] = QStringLiteral("Trakora Coasters GmbH");
        bare[7] = QStringLiteral("2.0");
        QTest::newRow("PE32, no FileVersion string") << "Bare32.exe" << true << bare;
        QStringList noTranslation(8);
        noTranslation[2] = QStringLiteral("3.1.0.0");
        noTranslation[6] = QString(255, QLatin1Char('P')); // 300 in the file, cut to 255
        QTest::newRow("PE32+, no translation list, long value") << "NoTranslation64.exe" << true << noTranslation;
        QTest::newRow("no version resource") << "Plain64.exe" << false << QStringList(8, QStringLiteral("untouched"));
    }

    void builtExecutables()
    {
        QFETCH(QString, program);
        QFETCH(bool, filled);
        QFETCH(QStringList, fields);
        AppFileInfo info;
        if (!filled)
            info.CompanyName = info.FileDescription = info.FileVersion = info.InternalName = info.LegalCopyright =
                info.OriginalFileName = info.ProductName = info.ProductVersion = QStringLiteral("untouched");
        QCOMPARE(GetAppFileInfo(Built(program.toLatin1().constData()), info), filled);
        QCOMPARE(Fields(info), fields);
    }

    // Every prefix of a real executable: either the version resource is cut off and none is found,
    // or it is complete and found whole. Never a partial resource, never a read past the end.
    void truncatedFiles_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("PE32") << "Full32.exe";
        QTest::newRow("PE32+") << "Full64.exe";
    }
    void truncatedFiles()
    {
        QFETCH(QString, program);
        const QByteArray file = ReadBuilt(program.toLatin1().constData());
        const QByteArray whole = ExtractVersionResource(file);
        QVERIFY(IsVersionResource(whole));
        int found = 0;
        for (qsizetype length = 0; length < file.size(); ++length) {
            const QByteArray cut = ExtractVersionResource(QByteArray(file.constData(), length));
            if (!cut.isEmpty()) {
                QCOMPARE(cut, whole);
                ++found;
            }
        }
        QVERIFY(found < file.size()); // the short prefixes found nothing

        TestFolder folder;
        AppFileInfo info;
        QVERIFY(!GetAppFileInfo(folder.createFile(QStringLiteral("cut.exe"), file.left(file.size() / 2)), info));
        QVERIFY(!GetAppFileInfo(folder.createFile(QStringLiteral("empty.exe")), info));
        QVERIFY(!GetAppFileInfo(folder.createFile(QStringLiteral("mz.exe"), "MZ"), info));
    }

    // Header fields a damaged or malicious file may hold, as "field=value" patches. Each must give
    // "no version resource".
    void hostileHeaders_data()
    {
        QTest::addColumn<QStringList>("patches");
        QTest::newRow("e_lfanew past the end") << QStringList{"peOffset=0x7FFFFFF0"};
        QTest::newRow("e_lfanew near 4 GiB") << QStringList{"peOffset=0xFFFFFFFC"};
        QTest::newRow("PE signature") << QStringList{"signature=0x00004551"};
        QTest::newRow("optional header magic") << QStringList{"magic=0x0999"};
        QTest::newRow("no resource directory slot") << QStringList{"rvaCount=2"};
        QTest::newRow("optional header too short") << QStringList{"sizeOfOptionalHeader=8"};
        QTest::newRow("65535 sections") << QStringList{"numberOfSections=0xFFFF"};
        QTest::newRow("resource RVA nowhere") << QStringList{"resourceRva=0xFFFFFFF0"};
        QTest::newRow("resource section data past the end") << QStringList{"rsrcPointer=0xFFFFFF00"};
        QTest::newRow("resource section without file data") << QStringList{"rsrcRawSize=0"};
        QTest::newRow("no version type, 65535 entries in a tiny tree") << QStringList{"rootIds=0xFFFF", "typeId=17"};
        QTest::newRow("no version type, 65535 named entries") << QStringList{"rootNamed=0xFFFF", "typeId=17"};
        QTest::newRow("type entry points at the root") << QStringList{"typeEntry=0x80000000"};
        QTest::newRow("type entry points past the tree") << QStringList{"typeEntry=0xFFFFFFF0"};
        QTest::newRow("type entry is a leaf") << QStringList{"typeEntry=0"};
    }
    void hostileHeaders()
    {
        QFETCH(QStringList, patches);
        for (const char* program : {"Full32.exe", "Full64.exe"}) {
            QByteArray file = ReadBuilt(program);
            const PeFields f = Locate(file);
            QVERIFY(f.rsrcRoot != 0);
            // The only id entry of the root directory is RT_VERSION, the only type these programs have.
            const quint32 rootIdEntry = f.rsrcRoot + 16 + 8 * U16(file, f.rsrcRoot + 12);
            QCOMPARE(U16(file, f.rsrcRoot + 14), 1);
            QCOMPARE(U32(file, rootIdEntry), 16u);
            // Where each field sits and how many bytes it has.
            const QHash<QString, std::pair<quint32, int>> fields = {
                {"peOffset", {0x3C, 4}},
                {"signature", {f.peOffset, 4}},
                {"magic", {f.optionalHeader, 2}},
                {"rvaCount", {f.rvaCount, 4}},
                {"sizeOfOptionalHeader", {f.sizeOfOptionalHeader, 2}},
                {"numberOfSections", {f.numberOfSections, 2}},
                {"resourceRva", {f.resourceEntry, 4}},
                {"rsrcPointer", {f.rsrcSectionHeader + 20, 4}},
                {"rsrcRawSize", {f.rsrcSectionHeader + 16, 4}},
                {"rootNamed", {f.rsrcRoot + 12, 2}},
                {"rootIds", {f.rsrcRoot + 14, 2}},
                {"typeId", {rootIdEntry, 4}},
                {"typeEntry", {rootIdEntry + 4, 4}},
            };
            for (const QString& patch : patches) {
                QVERIFY2(fields.contains(patch.section(QLatin1Char('='), 0, 0)), qPrintable(patch));
                const auto [at, width] = fields.value(patch.section(QLatin1Char('='), 0, 0));
                const quint32 value = patch.section(QLatin1Char('='), 1).toUInt(nullptr, 0);
                width == 4 ? Put32(file, at, value) : Put16(file, at, quint16(value));
            }
            QVERIFY2(ExtractVersionResource(file).isEmpty(), program);
        }
    }

    // Every single byte of a real executable overwritten in turn: whatever comes back stays inside
    // the file, and a resource that is found can be queried without harm.
    void everyByteDamaged()
    {
        const QByteArray file = ReadBuilt("Full32.exe");
        const QStringList paths = {QStringLiteral("\\VarFileInfo\\Translation"),
                                   QStringLiteral("\\StringFileInfo\\040904B0\\FileVersion"),
                                   QStringLiteral("\\StringFileInfo\\040904B0\\LegalCopyright")};
        for (qsizetype at = 0; at < file.size(); ++at) {
            for (char replacement : {char(0x00), char(0xFF), char(file[at] ^ 0x80)}) {
                QByteArray damaged = file;
                damaged[at] = replacement;
                const QByteArray resource = ExtractVersionResource(damaged);
                QVERIFY(resource.size() <= file.size());
                for (const QString& path : paths)
                    if (const std::optional<VersionValue> v = QueryVersionValue(resource, path))
                        QVERIFY(v->Bytes.size() <= resource.size());
            }
        }
    }

    // Version blocks written by hand from the documented layout.
    void versionBlocks_data()
    {
        QTest::addColumn<QByteArray>("resource");
        QTest::addColumn<QString>("fileVersion"); // "<none>" when the query fails
        const QByteArray good = StringBlock(QStringLiteral("FileVersion"), QStringLiteral("1.2"));
        QTest::newRow("well formed") << VersionInfo(good) << "1.2";
        QTest::newRow("key compared ignoring case")
            << VersionInfo(StringBlock(QStringLiteral("FILEVERSION"), QStringLiteral("1.2"))) << "1.2";
        QTest::newRow("second of two strings")
            << VersionInfo(Pad4(StringBlock(QStringLiteral("Comments"), QStringLiteral("x"))) + good) << "1.2";
        QTest::newRow("text length counted in bytes")
            << VersionInfo(Block(QStringLiteral("FileVersion"), Utf16(QStringLiteral("1.2")) + QByteArray(2, '\0'), 8, true))
            << "1.2";
        QTest::newRow("value without NUL ends with its block")
            << VersionInfo(Block(QStringLiteral("FileVersion"), Utf16(QStringLiteral("1.2")), 3, true)) << "1.2";
        QTest::newRow("value length beyond the block")
            << VersionInfo(Block(QStringLiteral("FileVersion"), Utf16(QStringLiteral("1.2")), 0xFFFF, true)) << "1.2";

        QByteArray zeroLength = VersionInfo(Pad4(StringBlock(QStringLiteral("Comments"), QStringLiteral("x"))) + good);
        const qsizetype comments = zeroLength.indexOf(Utf16(QStringLiteral("Comments"))) - 6;
        Put16(zeroLength, quint32(comments), 0);
        QTest::newRow("a child of length 0 ends the walk") << zeroLength << "<none>";

        QByteArray tooLong = VersionInfo(good);
        Put16(tooLong, quint32(tooLong.indexOf(Utf16(QStringLiteral("FileVersion"))) - 6), 0x7FFF);
        QTest::newRow("a child longer than its parent") << tooLong << "<none>";

        QByteArray rootTooLong = VersionInfo(good);
        Put16(rootTooLong, 0, quint16(rootTooLong.size() + 2));
        QTest::newRow("root longer than the resource") << rootTooLong << "<none>";

        QByteArray unterminated = VersionInfo(good);
        unterminated.truncate(unterminated.indexOf(Utf16(QStringLiteral("FileVersion"))) + 4);
        Put16(unterminated, 0, quint16(unterminated.size()));
        QTest::newRow("key without its NUL") << unterminated << "<none>";

        QByteArray wrongRoot = VersionInfo(good);
        wrongRoot[6] = 'W';
        QTest::newRow("root not VS_VERSION_INFO") << wrongRoot << "<none>";
        QTest::newRow("empty") << QByteArray() << "<none>";
    }
    void versionBlocks()
    {
        QFETCH(QByteArray, resource);
        QFETCH(QString, fileVersion);
        QCOMPARE(FileVersionOf(resource), fileVersion);
    }

    // The dialog's rows: the simulator, editor and terraformer in the simulator folder.
    void infoRows_data()
    {
        QTest::addColumn<QStringList>("programs");  // built program per row, "" for none
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no simulator folder") << QStringList() << QStringList{"----", "----", "----"};
        QTest::newRow("only the simulator") << QStringList{"Full64.exe", "", ""}
                                            << QStringList{"1 . 6 . 0 . 3", "----", "----"};
        // "3.1.0.0" has no comma to show; a resource without FileVersion shows an empty value, a
        // program without any resource "----".
        QTest::newRow("all three") << QStringList{"Full32.exe", "NoTranslation64.exe", "Bare32.exe"}
                                   << QStringList{"1 . 6 . 0 . 3", "3.1.0.0", ""};
        QTest::newRow("one without a resource") << QStringList{"Full64.exe", "Plain64.exe", ""}
                                                << QStringList{"1 . 6 . 0 . 3", "----", "----"};
    }
    void infoRows()
    {
        QFETCH(QStringList, programs);
        QFETCH(QStringList, shown);
        TestFolder root;
        QString simulatorPath;
        if (!programs.isEmpty()) {
            simulatorPath = root.createDir(QStringLiteral("sim")) + QLatin1Char('/');
            const QString names[] = {QStringLiteral("TrakoraSimulator.exe"), QStringLiteral("TrakoraEditor.exe"),
                                     QStringLiteral("TrakoraTerraformer.exe")};
            for (int i = 0; i < 3; ++i)
                if (!programs[i].isEmpty())
                    QVERIFY(QFile::copy(Built(programs[i].toLatin1().constData()), simulatorPath + names[i]));
        }

        frmInfo info(SimulatorVersionTexts(simulatorPath));

        QCOMPARE(info.windowTitle(), QStringLiteral("Trakora Information..."));
        const QStringList captions{"Simulator:", "Editor:", "Terraformer:"};
        for (int i = 0; i < frmInfo::kRowCount; ++i) {
            QCOMPARE(info.CaptionLabel(i)->text(), captions[i]);
            QCOMPARE(info.AppVersionLabel(i)->text(), shown[i]);
        }
        QStringList inFrame;
        for (const QLabel* label : info.VersionsFrame()->findChildren<QLabel*>())
            inFrame << label->text();
        QCOMPARE(inFrame.first(), QStringLiteral("Application Versions"));
        QCOMPARE(inFrame.size(), 1 + 2 * frmInfo::kRowCount);

        QCOMPARE(info.OkayButton()->Caption(), QStringLiteral("OK"));
        info.show();
        QTest::mouseClick(info.OkayButton(), Qt::LeftButton);
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestVersions)
#include "tst_versions.moc"
