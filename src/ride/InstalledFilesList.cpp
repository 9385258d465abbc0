#include "ride/InstalledFilesList.h"

#include "platform/NarrowText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

// Replaces the file in one rename, without waiting for the disk: a program that stops at any moment
// leaves either the old list or the new one, never a torn one. Durability comes from Sync().
bool ReplaceWhole(const QString& path, const QByteArray& bytes)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(file.fileName().toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    if (error)
        return false;
    file.setAutoRemove(false);
    return true;
}

bool SaveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString InstalledFilesListPath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QLatin1String(kInstalledFilesListName));
}

QStringList ReadInstalledFilesList(const QString& listPath)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return FromNarrowText(file.readAll()).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

InstalledFilesList::InstalledFilesList(const QString& listPath) : m_path(listPath)
{
    QFile file(listPath);
    m_existed = file.exists();
    if (m_existed) {
        m_readable = file.open(QIODevice::ReadOnly);
        m_original = file.readAll();
    }
    m_content = m_original;
}

bool InstalledFilesList::Add(const QString& relativePath)
{
    QByteArray next = m_content;
    if (!next.isEmpty())
        next += '|';
    next += ToNarrowText(relativePath);
    if (!ReplaceWhole(m_path, next))
        return false;
    m_content = std::move(next);
    return true;
}

bool InstalledFilesList::Sync()
{
    return m_content == m_original || SaveWhole(m_path, m_content);
}

bool InstalledFilesList::Restore()
{
    if (m_content == m_original)
        return true;
    m_content = m_original;
    if (m_existed)
        return SaveWhole(m_path, m_original);
    return QFile::remove(m_path) || !QFile::exists(m_path);
}
