#include "settings/SettingsFile.h"

#include "library/MediaDatabase.h"
#include "recordio/BinaryFileIO.h"
#include "recordio/DamagedCopy.h"
#include "recordio/RecordFile.h"
#include "settings/AppPaths.h"

namespace {

// A stored folder is at least its 4-byte length.
constexpr qint64 kMinPathBytes = 4;

constexpr qsizetype kStoredColumnWidths = 7;

constexpr bool AppSettings::*kFlagsInFileOrder[] = {
    &AppSettings::NameReplaceUnderscores, &AppSettings::NameTrimSpaces, &AppSettings::NameAutoFormat,
    &AppSettings::NameBracketFilter,      &AppSettings::NameDashFilter,
};

bool DecodeInto(BinaryFileIO& io, AppSettings& settings, QString* error)
{
    auto fail = [error](const char* why) {
        if (error)
            *error = QString::fromLatin1(why);
        return false;
    };
    AppSettings read = settings;
    try {
        qint32 pos = 0;
        if (io.ReadTag(pos) != QLatin1String("RVLT"))
            return fail("not a Ridevault settings file (no RVLT magic)");
        pos += 4;  // version: any version with this layout loads

        io.ReadTag(pos);  // LAST
        read.WindowState = io.ReadLong(pos);
        read.WindowLeft = io.ReadLong(pos);
        read.WindowTop = io.ReadLong(pos);
        read.WindowWidth = io.ReadLong(pos);
        read.WindowHeight = io.ReadLong(pos);
        for (qsizetype i = 0; i < kStoredColumnWidths; ++i)
            read.ColumnWidths[i] = io.ReadLong(pos);

        io.ReadTag(pos);  // FLTR
        for (bool AppSettings::*flag : kFlagsInFileOrder)
            read.*flag = io.ReadBoolean(pos);

        io.ReadTag(pos);  // SETS
        read.LargeViewWidth = io.ReadLong(pos);
        read.LargeViewHeight = io.ReadLong(pos);
        read.ThemeName = io.ReadString(pos);

        io.ReadTag(pos);  // PATH
        const qint32 count = io.ReadLong(pos);
        if (count < 0 || count * kMinPathBytes > qint64(io.FileBufferLength()) - pos)
            return fail("damaged settings file: impossible media folder count");
        read.MediaPaths.clear();
        for (qint32 i = 0; i < count; ++i)
            read.MediaPaths.append(io.ReadString(pos));

        io.ReadTag(pos);  // ROOT
        read.SimulatorPath = io.ReadString(pos);
        read.ThemePath = io.ReadString(pos);

        // The loaded buffer carries one zero byte behind the file; a read into it is damage.
        if (pos > io.FileBufferLength())
            return fail("damaged settings file: it ends early");
    } catch (const RecordReadError&) {
        return fail("damaged settings file: it ends early or a text length is impossible");
    }
    settings = std::move(read);
    return true;
}

void EncodeInto(BinaryFileIO& io, const AppSettings& settings)
{
    qint32 pos = 0;
    io.WriteTag(pos, QStringLiteral("RVLT"));
    io.WriteTag(pos, MediaDatabaseVersionTag());

    io.WriteTag(pos, QStringLiteral("LAST"));
    io.WriteLong(pos, settings.WindowState);
    io.WriteLong(pos, settings.WindowLeft);
    io.WriteLong(pos, settings.WindowTop);
    io.WriteLong(pos, settings.WindowWidth);
    io.WriteLong(pos, settings.WindowHeight);
    for (qsizetype i = 0; i < kStoredColumnWidths; ++i)
        io.WriteLong(pos, settings.ColumnWidths[i]);

    io.WriteTag(pos, QStringLiteral("FLTR"));
    for (bool AppSettings::*flag : kFlagsInFileOrder)
        io.WriteByte(pos, settings.*flag ? 0xFF : 0x00);

    io.WriteTag(pos, QStringLiteral("SETS"));
    io.WriteLong(pos, settings.LargeViewWidth);
    io.WriteLong(pos, settings.LargeViewHeight);
    io.WriteString(pos, settings.ThemeName);

    io.WriteTag(pos, QStringLiteral("PATH"));
    io.WriteLong(pos, settings.MediaPathCount());
    for (const QString& path : settings.MediaPaths)
        io.WriteString(pos, path);

    io.WriteTag(pos, QStringLiteral("ROOT"));
    io.WriteString(pos, settings.SimulatorPath);
    io.WriteString(pos, settings.ThemePath);
}

} // namespace

bool LoadSettings(AppSettings& settings, const QString& programFolder, QString* error)
{
    const QString path = SettingsFilePath(programFolder);
    if (ReadSettingsFile(path, settings, error))
        return true;
    // The media folders the user typed live here; the save at shutdown would replace them.
    KeepDamagedCopy(path);
    return false;
}

bool SaveSettings(const AppSettings& settings, const QString& programFolder, QString* error)
{
    return WriteSettingsFile(settings, SettingsFilePath(programFolder), error);
}

bool ReadSettingsFile(const QString& filePath, AppSettings& settings, QString* error)
{
    return ReadRecordFile(filePath, false, error, [&](BinaryFileIO& io) { return DecodeInto(io, settings, error); });
}

bool WriteSettingsFile(const AppSettings& settings, const QString& filePath, QString* error)
{
    return WriteRecordFile(filePath, [&](BinaryFileIO& io) { EncodeInto(io, settings); }, error);
}

bool DecodeSettings(QByteArrayView bytes, AppSettings& settings, QString* error)
{
    return DecodeRecordBytes(bytes, [&](BinaryFileIO& io) { return DecodeInto(io, settings, error); });
}

QByteArray EncodeSettings(const AppSettings& settings)
{
    return EncodeRecordBytes([&](BinaryFileIO& io) { EncodeInto(io, settings); });
}
