// PE layout (Microsoft PE/COFF): the DOS header's e_lfanew points at "PE\0\0" and the COFF header;
// the optional header's data directory 2 gives the resource tree's RVA; section headers map RVAs to
// file offsets. The resource tree has three levels (type, name, language); RT_VERSION is type 16.

#include "ride/PeVersionResource.h"

#include <QtEndian>

namespace {

constexpr quint32 kResourceTypeVersion = 16;
constexpr quint32 kVersionResourceName = 1;
constexpr quint32 kSubdirectoryFlag = 0x80000000u;

// Little-endian reads that fail instead of leaving the bytes.
class Bytes {
public:
    explicit Bytes(const QByteArray& data) : m_data(data) {}

    quint64 size() const { return quint64(m_data.size()); }
    bool has(quint64 offset, quint64 count) const { return offset <= size() && count <= size() - offset; }
    bool u16(quint64 offset, quint32& value) const
    {
        if (!has(offset, 2))
            return false;
        value = qFromLittleEndian<quint16>(m_data.constData() + offset);
        return true;
    }
    bool u32(quint64 offset, quint32& value) const
    {
        if (!has(offset, 4))
            return false;
        value = qFromLittleEndian<quint32>(m_data.constData() + offset);
        return true;
    }
    QByteArray mid(quint64 offset, quint64 count) const { return m_data.mid(qsizetype(offset), qsizetype(count)); }

private:
    const QByteArray& m_data;
};

struct Section {
    quint32 virtualAddress, rawSize, rawOffset;
};

class PeImage {
public:
    explicit PeImage(const QByteArray& file) : m_bytes(file) {}

    // Reads the headers; false when the file is no PE image or they do not fit it.
    bool load()
    {
        quint32 peOffset = 0, signature = 0, sectionCount = 0, optionalSize = 0, magic = 0;
        if (!m_bytes.has(0, 2) || m_bytes.mid(0, 2) != "MZ" || !m_bytes.u32(0x3C, peOffset))
            return false;
        if (!m_bytes.u32(peOffset, signature) || signature != 0x00004550u) // "PE\0\0"
            return false;
        const quint64 coff = quint64(peOffset) + 4;
        const quint64 optional = coff + 20;
        if (!m_bytes.u16(coff + 2, sectionCount) || !m_bytes.u16(coff + 16, optionalSize) ||
            !m_bytes.u16(optional, magic))
            return false;
        quint64 rvaCountAt = 0;
        if (magic == 0x10B)
            rvaCountAt = optional + 92; // PE32
        else if (magic == 0x20B)
            rvaCountAt = optional + 108; // PE32+
        else
            return false;
        quint32 rvaCount = 0;
        const quint64 resourceEntry = rvaCountAt + 4 + 2 * 8;
        if (!m_bytes.u32(rvaCountAt, rvaCount) || rvaCount < 3 || resourceEntry + 8 > optional + optionalSize ||
            !m_bytes.u32(resourceEntry, m_resourceRva) || !m_bytes.u32(resourceEntry + 4, m_resourceSize))
            return false;
        const quint64 table = optional + optionalSize;
        if (!m_bytes.has(table, quint64(sectionCount) * 40))
            return false;
        for (quint32 i = 0; i < sectionCount; ++i) {
            const quint64 s = table + quint64(i) * 40;
            Section section{};
            m_bytes.u32(s + 12, section.virtualAddress);
            m_bytes.u32(s + 16, section.rawSize);
            m_bytes.u32(s + 20, section.rawOffset);
            m_sections.push_back(section);
        }
        return m_resourceRva != 0;
    }

    // The file offset of an RVA and how many bytes of its section follow it in the file.
    bool fileOffset(quint32 rva, quint64& offset, quint64& available) const
    {
        for (const Section& s : m_sections) {
            if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize)
                continue;
            const quint64 delta = rva - s.virtualAddress;
            offset = quint64(s.rawOffset) + delta;
            if (!m_bytes.has(offset, 1))
                return false;
            available = std::min<quint64>(s.rawSize - delta, m_bytes.size() - offset);
            return true;
        }
        return false;
    }

    QByteArray versionResource() const
    {
        quint64 root = 0, rootAvailable = 0;
        if (!fileOffset(m_resourceRva, root, rootAvailable))
            return {};
        const Bytes& b = m_bytes;
        const quint64 treeEnd = root + std::min<quint64>(rootAvailable, m_resourceSize ? m_resourceSize : rootAvailable);

        // One entry of the directory at dirOffset (relative to the tree): the one with the wanted
        // id, or the first one when wanted is 0 or (with fallback) when no entry has that id.
        auto pick = [&](quint32 dirOffset, quint32 wanted, bool fallback, quint32& target) {
            quint32 named = 0, ids = 0;
            const quint64 dir = root + dirOffset;
            if (dir + 16 > treeEnd || !b.u16(dir + 12, named) || !b.u16(dir + 14, ids))
                return false;
            const quint64 count = quint64(named) + ids;
            bool haveFirst = false;
            quint32 first = 0;
            for (quint64 i = 0; i < count; ++i) {
                const quint64 entry = dir + 16 + i * 8;
                quint32 name = 0, data = 0;
                if (entry + 8 > treeEnd || !b.u32(entry, name) || !b.u32(entry + 4, data))
                    return false;
                if (!haveFirst) {
                    first = data;
                    haveFirst = true;
                }
                if (wanted != 0 && !(name & kSubdirectoryFlag) && name == wanted) {
                    target = data;
                    return true;
                }
            }
            if (!haveFirst || (wanted != 0 && !fallback))
                return false;
            target = first;
            return true;
        };

        quint32 typeDir = 0, nameDir = 0, languageEntry = 0;
        if (!pick(0, kResourceTypeVersion, false, typeDir) || !(typeDir & kSubdirectoryFlag))
            return {};
        if (!pick(typeDir & ~kSubdirectoryFlag, kVersionResourceName, true, nameDir) || !(nameDir & kSubdirectoryFlag))
            return {};
        if (!pick(nameDir & ~kSubdirectoryFlag, 0, true, languageEntry) || (languageEntry & kSubdirectoryFlag))
            return {};

        quint32 dataRva = 0, dataSize = 0;
        const quint64 entry = root + languageEntry;
        if (entry + 16 > treeEnd || !b.u32(entry, dataRva) || !b.u32(entry + 4, dataSize))
            return {};
        quint64 dataOffset = 0, available = 0;
        if (!fileOffset(dataRva, dataOffset, available) || dataSize > available)
            return {};
        return b.mid(dataOffset, dataSize);
    }

private:
    Bytes m_bytes;
    std::vector<Section> m_sections;
    quint32 m_resourceRva = 0;
    quint32 m_resourceSize = 0;
};

// One block of a VS_VERSIONINFO tree: wLength, wValueLength, wType, a NUL-terminated UTF-16 key,
// padding to 32 bits, the value, padding, then the child blocks. Offsets are into the resource,
// whose start is 32-bit aligned in the executable, so alignment is counted from it.
struct Block {
    quint64 start = 0, end = 0;
    QString key;
    quint64 valueStart = 0, valueEnd = 0, childrenStart = 0;
    bool isText = false;
};

constexpr quint64 Align4(quint64 offset) { return (offset + 3) & ~quint64(3); }

bool ReadBlock(const Bytes& b, quint64 start, quint64 limit, Block& block)
{
    quint32 length = 0, valueLength = 0, type = 0;
    if (!b.u16(start, length) || !b.u16(start + 2, valueLength) || !b.u16(start + 4, type))
        return false;
    if (length < 6 || start + length > limit)
        return false;
    block.start = start;
    block.end = start + length;
    block.key.clear();
    quint64 at = start + 6;
    for (;; at += 2) {
        quint32 unit = 0;
        if (at + 2 > block.end || !b.u16(at, unit))
            return false;
        if (unit == 0)
            break;
        block.key.append(QChar(char16_t(unit)));
    }
    block.isText = type == 1;
    block.valueStart = std::min(Align4(at + 2), block.end);
    const quint64 valueBytes = block.isText ? quint64(valueLength) * 2 : valueLength;
    block.valueEnd = std::min(block.valueStart + valueBytes, block.end);
    block.childrenStart = std::min(Align4(block.valueEnd), block.end);
    // A text value's length is counted in bytes by some resource compilers and in characters by
    // others; a string block has no children, so its value runs to the end of the block.
    if (block.isText && block.childrenStart + 6 > block.end)
        block.valueEnd = block.end;
    return true;
}

bool FindBlock(const QByteArray& resource, const QString& path, Block& block)
{
    const Bytes b(resource);
    if (!ReadBlock(b, 0, b.size(), block) || block.key != QLatin1String("VS_VERSION_INFO"))
        return false;
    const QStringList keys = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& key : keys) {
        bool found = false;
        Block child;
        for (quint64 at = block.childrenStart; at < block.end; at = Align4(child.end)) {
            if (!ReadBlock(b, at, block.end, child))
                return false;
            if (child.key.compare(key, Qt::CaseInsensitive) == 0) {
                found = true;
                break;
            }
        }
        if (!found)
            return false;
        block = child;
    }
    return true;
}

} // namespace

QByteArray ExtractVersionResource(const QByteArray& peFile)
{
    PeImage image(peFile);
    return image.load() ? image.versionResource() : QByteArray();
}

bool IsVersionResource(const QByteArray& resource)
{
    Block root;
    return FindBlock(resource, QString(), root);
}

std::optional<VersionValue> QueryVersionValue(const QByteArray& resource, const QString& path)
{
    Block block;
    if (!FindBlock(resource, path, block))
        return std::nullopt;
    return VersionValue{resource.mid(qsizetype(block.valueStart), qsizetype(block.valueEnd - block.valueStart)),
                        block.isText};
}

QStringList VersionChildKeys(const QByteArray& resource, const QString& path)
{
    Block block;
    if (!FindBlock(resource, path, block))
        return {};
    const Bytes b(resource);
    QStringList keys;
    Block child;
    for (quint64 at = block.childrenStart; at < block.end; at = Align4(child.end)) {
        if (!ReadBlock(b, at, block.end, child))
            break;
        keys << child.key;
    }
    return keys;
}
