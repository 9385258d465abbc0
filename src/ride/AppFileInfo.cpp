#include "ride/AppFileInfo.h"

#include "ride/PeVersionResource.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kMaxValueLength = 255;

// The whole executable, mapped rather than copied where the system allows.
class MappedFile {
public:
    explicit MappedFile(const QString& path) : m_file(path)
    {
        if (!m_file.open(QIODevice::ReadOnly))
            return;
        if (uchar* p = m_file.size() > 0 ? m_file.map(0, m_file.size()) : nullptr)
            m_bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(p), qsizetype(m_file.size()));
        else
            m_bytes = m_file.readAll();
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_bytes;
};

QString TextValue(const QByteArray& resource, const QString& path)
{
    const std::optional<VersionValue> value = QueryVersionValue(resource, path);
    if (!value)
        return {};
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(value->Bytes.constData()),
                                      value->Bytes.size() / 2);
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return text.left(kMaxValueLength);
}

// "040904B0": language and code page of the first translation, as the string table is named.
QString StringTableName(const QByteArray& resource)
{
    const std::optional<VersionValue> translation =
        QueryVersionValue(resource, QStringLiteral("\\VarFileInfo\\Translation"));
    if (translation && translation->Bytes.size() >= 4) {
        const auto* b = reinterpret_cast<const uchar*>(translation->Bytes.constData());
        const quint32 language = b[0] | (b[1] << 8);
        const quint32 codePage = b[2] | (b[3] << 8);
        return QStringLiteral("%1").arg(language * 65536u + codePage, 8, 16, QLatin1Char('0')).toUpper();
    }
    return VersionChildKeys(resource, QStringLiteral("\\StringFileInfo")).value(0);
}

} // namespace

bool GetAppFileInfo(const QString& path, AppFileInfo& info)
{
    if (!QFileInfo(path).isFile())
        return false;
    const MappedFile file(path);
    const QByteArray resource = ExtractVersionResource(file.bytes());
    if (!IsVersionResource(resource))
        return false;

    const QString table = QStringLiteral("\\StringFileInfo\\") + StringTableName(resource) + QLatin1Char('\\');
    const std::pair<const char*, QString AppFileInfo::*> fields[] = {
        {"CompanyName", &AppFileInfo::CompanyName},       {"FileDescription", &AppFileInfo::FileDescription},
        {"FileVersion", &AppFileInfo::FileVersion},       {"InternalName", &AppFileInfo::InternalName},
        {"LegalCopyright", &AppFileInfo::LegalCopyright}, {"OriginalFileName", &AppFileInfo::OriginalFileName},
        {"ProductName", &AppFileInfo::ProductName},       {"ProductVersion", &AppFileInfo::ProductVersion},
    };
    for (const auto& [key, member] : fields)
        info.*member = TextValue(resource, table + QLatin1String(key));
    return true;
}

QString SimulatorVersionText(const QString& simulatorPath, SimulatorProgram program)
{
    AppFileInfo info;
    if (!GetAppFileInfo(SimulatorProgramPath(simulatorPath, program), info))
        return QStringLiteral("----");
    return info.FileVersion.replace(QLatin1Char(','), QStringLiteral(" ."));
}

std::array<QString, 3> SimulatorVersionTexts(const QString& simulatorPath)
{
    std::array<QString, 3> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = SimulatorVersionText(simulatorPath, kSimulatorPrograms[i]);
    return texts;
}
