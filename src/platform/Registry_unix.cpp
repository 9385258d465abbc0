#include "platform/Registry.h"

#include "platform/NarrowText.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <optional>

// Wine keeps each registry hive as a text file in the prefix. The parts read here:
//
//   [Software\\Trakora Coasters] 1700000000      a key, relative to the hive's root
//   #time=1da0b2c3d4e5f60                         metadata lines, skipped
//   "InstPath"="C:\\Program Files\\Trakora\\"     a text value (REG_SZ, stored with its terminator)
//   "Other"=str(2):"%ProgramFiles%\\Trakora"      a text value of another type
//   "Count"=dword:0000002a                        a 32-bit number
//   "Raw"=hex(1):41,00,42,00,\                    bytes of any type (hex: is REG_BINARY); text types
//     00,00                                       are UTF-16, and "\" at a line's end continues it
//   @="..."                                       the key's default value (value name "")
//
// Names and texts use C-like escapes: \\ \" \n \r \t ..., \xHHHH and octal \ooo.

namespace {

struct QueriedValue {
    quint32 type = 0;
    QByteArray data;  // as the ANSI query would return it: narrow text for text types
};

bool IsHexDigit(QChar c) { return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')); }
bool IsOctalDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('7'); }

// Decodes an escaped text from `from` up to the unescaped `end` character. Returns the index just
// past `end`, or nothing when the text is not closed on this line.
std::optional<qsizetype> DecodeEscaped(QStringView line, qsizetype from, QChar end, QString& out)
{
    out.clear();
    qsizetype i = from;
    while (i < line.size()) {
        const QChar c = line[i++];
        if (c == end)
            return i;
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (i >= line.size())
            return std::nullopt;
        const QChar e = line[i++];
        switch (e.unicode()) {
        case 'a': out += QChar(0x07); break;
        case 'b': out += QChar(0x08); break;
        case 'e': out += QChar(0x1B); break;
        case 'f': out += QChar(0x0C); break;
        case 'n': out += QChar(0x0A); break;
        case 'r': out += QChar(0x0D); break;
        case 't': out += QChar(0x09); break;
        case 'v': out += QChar(0x0B); break;
        case 'x': {
            qsizetype n = 0;
            ushort code = 0;
            while (n < 4 && i < line.size() && IsHexDigit(line[i])) {
                code = ushort(code * 16 + QString(line[i]).toUShort(nullptr, 16));
                ++i;
                ++n;
            }
            if (n == 0)
                out += e;
            else
                out += QChar(code);
            break;
        }
        default:
            if (IsOctalDigit(e)) {
                ushort code = ushort(e.unicode() - '0');
                for (int n = 1; n < 3 && i < line.size() && IsOctalDigit(line[i]); ++n, ++i)
                    code = ushort(code * 8 + (line[i].unicode() - '0'));
                out += QChar(code);
            } else {
                out += e;  // \\, \", \] and any other escaped character stand for themselves
            }
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> ParseHexBytes(QStringView text)
{
    QByteArray bytes;
    const QString compact = text.toString().remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    if (compact.isEmpty())
        return bytes;
    for (const QString& part : compact.split(QLatin1Char(','))) {
        bool ok = false;
        const uint b = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2)
            return std::nullopt;
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}

bool IsTextType(quint32 type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

// Text stored as UTF-16 bytes, as the ANSI query hands it out: narrow text, code 0 kept.
QByteArray NarrowFromUtf16(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(ushort(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return ToNarrowText(text);
}

// The data part of a value line (after "="); nothing when it is not understood.
std::optional<QueriedValue> ParseData(QStringView data)
{
    QueriedValue v;
    QString text;
    auto quoted = [&](QStringView rest, quint32 type) -> std::optional<QueriedValue> {
        if (!rest.startsWith(QLatin1Char('"')) || !DecodeEscaped(rest, 1, QLatin1Char('"'), text))
            return std::nullopt;
        v.type = type;
        v.data = ToNarrowText(text) + '\0';  // Wine keeps text values with their terminator
        return v;
    };
    if (data.startsWith(QLatin1Char('"')))
        return quoted(data, kRegSz);
    if (data.startsWith(QLatin1String("str("))) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        bool ok = false;
        const uint type = close > 4 ? data.mid(4, close - 4).toUInt(&ok, 16) : 0;
        return ok ? quoted(data.mid(close + 2), type) : std::nullopt;
    }
    if (data.startsWith(QLatin1String("dword:"))) {
        bool ok = false;
        const uint number = data.mid(6).trimmed().toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        v.type = kRegDword;
        for (int i = 0; i < 4; ++i)
            v.data.append(static_cast<char>((number >> (8 * i)) & 0xFF));
        return v;
    }
    qsizetype bytesFrom = -1;
    if (data.startsWith(QLatin1String("hex:"))) {
        v.type = kRegBinary;
        bytesFrom = 4;
    } else if (data.startsWith(QLatin1String("hex("))) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        bool ok = false;
        v.type = close > 4 ? data.mid(4, close - 4).toUInt(&ok, 16) : 0;
        if (!ok)
            return std::nullopt;
        bytesFrom = close + 2;
    } else {
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = ParseHexBytes(data.mid(bytesFrom));
    if (!bytes)
        return std::nullopt;
    v.data = IsTextType(v.type) ? NarrowFromUtf16(*bytes) : *bytes;
    return v;
}

// A hive file: which keys exist and what one value holds.
class HiveFile {
public:
    explicit HiveFile(const QString& path)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            m_lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    }

    // The first line of the key's section; nothing when the key does not exist. A key that only
    // has sub-keys has no section of its own and exists with no values (returns m_lines.size()).
    std::optional<qsizetype> OpenKey(const QString& subKey) const
    {
        bool parentOfAnother = false;
        QString name;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const QStringView line = QStringView(m_lines[i]).trimmed();
            if (!line.startsWith(QLatin1Char('[')) || !DecodeEscaped(line, 1, QLatin1Char(']'), name))
                continue;
            if (name.compare(subKey, Qt::CaseInsensitive) == 0)
                return i + 1;
            if (name.startsWith(subKey + QLatin1Char('\\'), Qt::CaseInsensitive))
                parentOfAnother = true;
        }
        if (parentOfAnother)
            return m_lines.size();
        return std::nullopt;
    }

    std::optional<QueriedValue> QueryValue(qsizetype sectionStart, const QString& valueName) const
    {
        QString name;
        for (qsizetype i = sectionStart; i < m_lines.size(); ++i) {
            QString line = m_lines[i].trimmed();
            if (line.startsWith(QLatin1Char('[')))
                break;
            // Long byte lists go on over several lines, each but the last ending in "\".
            while (line.endsWith(QLatin1Char('\\')) && line.contains(QLatin1String("=hex")) && i + 1 < m_lines.size()) {
                line.chop(1);
                line += m_lines[++i].trimmed();
            }
            qsizetype dataFrom = -1;
            if (line.startsWith(QLatin1Char('@'))) {
                name.clear();
                dataFrom = 1;
            } else if (line.startsWith(QLatin1Char('"'))) {
                const std::optional<qsizetype> after = DecodeEscaped(line, 1, QLatin1Char('"'), name);
                if (!after)
                    continue;
                dataFrom = *after;
            } else {
                continue;  // comments, metadata, blank lines
            }
            if (dataFrom >= line.size() || line[dataFrom] != QLatin1Char('='))
                continue;
            if (name.compare(valueName, Qt::CaseInsensitive) == 0)
                return ParseData(QStringView(line).mid(dataFrom + 1).trimmed());
        }
        return std::nullopt;
    }

private:
    QStringList m_lines;
};

QString HiveFileName(quint32 rootKey)
{
    if (rootKey == kHkeyCurrentUser)
        return QStringLiteral("user.reg");
    if (rootKey == kHkeyLocalMachine)
        return QStringLiteral("system.reg");
    return {};
}

// A name inside parent as it exists there, matched ignoring letter case the way Windows would
// match it; the name as given when nothing matches.
QString ChildIgnoringCase(const QString& parent, const QString& name)
{
    const QString exact = parent + name;
    if (QFileInfo::exists(exact) || name == QLatin1String(".."))
        return exact;
    const QStringList entries = QDir(parent).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return parent + entry;
    return exact;
}

} // namespace

Registry Registry::CurrentUser()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return WinePrefix(prefix.isEmpty() ? QDir::homePath() + QLatin1String("/.wine") : prefix);
}

Registry Registry::WinePrefix(const QString& prefixFolder)
{
    Registry registry;
    registry.m_winePrefix = prefixFolder;
    return registry;
}

bool Registry::RegGetStringValue(quint32 rootKey, const QString& subKey, const QString& valueName,
                                 QString& value) const
{
    const QString hiveName = HiveFileName(rootKey);
    if (hiveName.isEmpty())
        return false;
    // The hive is read whole and closed by the time the key is looked at, so every path closes it.
    const HiveFile hive(m_winePrefix + QLatin1Char('/') + hiveName);
    const std::optional<qsizetype> key = hive.OpenKey(subKey);
    if (!key)
        return false;
    const std::optional<QueriedValue> queried = hive.QueryValue(*key, valueName);
    if (!queried || queried->data.size() > kRegValueBufferSize)
        return false;
    return TakeQueriedRegistryValue(queried->type, queried->data, value);
}

QString Registry::LocalPath(const QString& windowsPath) const
{
    if (windowsPath.startsWith(QLatin1Char('/')))
        return windowsPath;  // already a path of this machine
    if (windowsPath.size() < 2 || windowsPath[1] != QLatin1Char(':') || !windowsPath[0].isLetter())
        return {};
    const QString drive = windowsPath.left(2).toLower();
    const QFileInfo link(m_winePrefix + QLatin1String("/dosdevices/") + drive);
    QString root;
    if (link.isSymLink())
        root = link.symLinkTarget();
    else if (link.isDir())
        root = link.absoluteFilePath();
    else if (drive == QLatin1String("c:"))
        root = m_winePrefix + QLatin1String("/drive_c");
    else if (drive == QLatin1String("z:"))
        root = QStringLiteral("/");
    else
        return {};

    QString path = WithFinalSeparator(root);
    // Windows takes "/" as a separator too.
    const QStringList names = QString(windowsPath.mid(2)).replace(QLatin1Char('/'), QLatin1Char('\\'))
                                  .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& name : names) {
        if (name == QLatin1String("."))
            continue;
        path = ChildIgnoringCase(path, name) + QLatin1Char('/');
    }
    if (!windowsPath.endsWith(QLatin1Char('\\')) && !windowsPath.endsWith(QLatin1Char('/')) && path.size() > 1)
        path.chop(1);
    return path;
}

QString Registry::Describe() const { return QStringLiteral("Wine prefix %1").arg(m_winePrefix); }
