#include "library/DatabaseBackups.h"

#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"
#include "recordio/BinaryFileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

QRegularExpression BackupNamePattern(const QString& databasePath)
{
    return QRegularExpression(QStringLiteral("^%1\\.(\\d{8}-\\d{6}-\\d{3})\\.bak$")
                                  .arg(QRegularExpression::escape(QFileInfo(databasePath).fileName())));
}

QString BackupName(const QString& databasePath, const QDateTime& when)
{
    return QFileInfo(databasePath).fileName() + QLatin1Char('.') + QLocale::c().toString(when, kStampFormat)
        + QStringLiteral(".bak");
}

// Our backups with their stamps, newest first; nothing else in the folder is looked at twice.
std::vector<DatabaseBackup> FindBackups(const QString& databasePath)
{
    const QRegularExpression pattern = BackupNamePattern(databasePath);
    std::vector<DatabaseBackup> found;
    const QDir folder(DatabaseBackupsFolder(databasePath));
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isFile())
            continue;
        const QRegularExpressionMatch match = pattern.match(entry.fileName());
        if (!match.hasMatch())
            continue;
        const QDateTime when = QLocale::c().toDateTime(match.captured(1), kStampFormat);
        if (!when.isValid())
            continue;
        found.push_back({entry.absoluteFilePath(), when, -1, entry.size()});
    }
    std::sort(found.begin(), found.end(), [](const DatabaseBackup& a, const DatabaseBackup& b) {
        return a.Date != b.Date ? a.Date > b.Date : a.File > b.File;
    });
    return found;
}

void PruneBackups(const QString& databasePath, const QDateTime& now, const BackupRule& rule)
{
    const std::vector<DatabaseBackup> backups = FindBackups(databasePath);
    QSet<QString> keep;
    QHash<QDate, QString> oldestOfDay;
    const QDate firstDay = now.date().addDays(1 - qint64(rule.KeepDays));
    for (size_t i = 0; i < backups.size(); ++i) {
        if (qint64(i) < rule.KeepLatest)
            keep.insert(backups[i].File);
        const QDate day = backups[i].Date.date();
        if (day >= firstDay && day <= now.date())
            oldestOfDay[day] = backups[i].File;  // newest first, so the last one seen is the oldest
    }
    for (const QString& file : std::as_const(oldestOfDay))
        keep.insert(file);
    for (const DatabaseBackup& backup : backups)
        if (!keep.contains(backup.File) && !QFileInfo(backup.File).isSymLink())
            QFile::remove(backup.File);
}

} // namespace

QString DatabaseBackupsFolder(const QString& databasePath)
{
    return QFileInfo(databasePath).absoluteDir().filePath(QLatin1String(kBackupsFolderName));
}

std::vector<DatabaseBackup> ListDatabaseBackups(const QString& databasePath)
{
    std::vector<DatabaseBackup> backups = FindBackups(databasePath);
    for (DatabaseBackup& backup : backups) {
        QFile file(backup.File);
        if (file.open(QIODevice::ReadOnly))
            backup.Records = CountMediaDatabaseRecords(file.readAll());
    }
    return backups;
}

QString KeepDatabaseBackup(const QString& databasePath, const QByteArray& oldBytes, const QDateTime& now,
                           const BackupRule& rule, QString* error)
{
    if (CountMediaDatabaseRecords(oldBytes) < 0) {
        if (error)
            *error = QStringLiteral("%1 does not load; no backup kept").arg(databasePath);
        return {};
    }
    const QString folder = DatabaseBackupsFolder(databasePath);
    const QFileInfo folderInfo(folder);
    if (folderInfo.isSymLink() || (!folderInfo.isDir() && !QDir().mkpath(folder))) {
        if (error)
            *error = QStringLiteral("cannot use the backup folder %1").arg(folder);
        return {};
    }
    QDateTime stamp = now;
    QString path = QDir(folder).filePath(BackupName(databasePath, stamp));
    while (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        stamp = stamp.addMSecs(1);
        path = QDir(folder).filePath(BackupName(databasePath, stamp));
    }
    if (!SaveWholeFile(path, oldBytes, error))
        return {};
    PruneBackups(databasePath, now, rule);
    return path;
}

bool RestoreDatabaseBackup(MediaTable& table, const QString& databasePath, const QString& backupFile,
                           const QDateTime& now, QString* error)
{
    std::vector<MediaRecord> records;
    QString why;
    if (ReadMediaDatabaseFile(backupFile, records, &why) != DatabaseRead::Loaded) {
        if (error)
            *error = QStringLiteral("%1 does not load (%2); nothing was restored").arg(backupFile, why);
        return false;
    }
    QFile backup(backupFile);
    if (!backup.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(backupFile);
        return false;
    }
    const QByteArray bytes = backup.readAll();

    QFile current(databasePath);
    if (current.open(QIODevice::ReadOnly)) {
        const QByteArray currentBytes = current.readAll();
        if (currentBytes != bytes && CountMediaDatabaseRecords(currentBytes) >= 0
            && KeepDatabaseBackup(databasePath, currentBytes, now, {}, error).isEmpty())
            return false;
    }

    MediaTable restored;
    restored.Replace(std::move(records));
    for (qint32 i = 0; i < restored.MediaCount(); ++i) {
        const qint32 before = table.FindPath(restored.MediaList[i].FilePath);
        if (before >= 0 && table.MediaList[before].FilePath == restored.MediaList[i].FilePath)
            restored.SetFingerprint(i, table.FingerprintOf(before));
    }
    restored.Retired = table.Retired;
    if (!SaveMediaSideFile(restored, StampOf(bytes), MediaSideFilePath(databasePath), error)
        || !SaveWholeFile(databasePath, bytes, error))
        return false;
    table = std::move(restored);
    return true;
}
