#include "ride/InstalledFilesList.h"

#include "platform/NarrowText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>

namespace {

// Replaces the file in one rename once its bytes are on disk: a program that stops at any moment,
// or a machine that loses power, leaves either the old list or the new one, never a torn one.
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

bool InstalledFilesList::SavePlan(const QStringList& relativePaths)
{
    QSet<QString> listed;
    for (const QString& path : FromNarrowText(m_content).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        listed.insert(path.toCaseFolded());
    QByteArray next = m_content;
    for (const QString& path : relativePaths) {
        if (listed.contains(path.toCaseFolded()))
            continue;
        listed.insert(path.toCaseFolded());
        if (!next.isEmpty())
            next += '|';
        next += ToNarrowText(path);
    }
    if (next == m_content)
        return true;
    if (!SaveWhole(m_path, next))
        return false;
    m_content = std::move(next);
    return true;
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

bool InstalledFilesList::Drop(const QStringList& relativePaths)
{
    QSet<QString> dropped;
    for (const QString& path : relativePaths)
        dropped.insert(path.toCaseFolded());
    QByteArray next;
    for (const QByteArray& piece : m_content.split('|')) {
        if (piece.isEmpty() || dropped.contains(FromNarrowText(piece).toCaseFolded()))
            continue;
        if (!next.isEmpty())
            next += '|';
        next += piece;
    }
    if (next == m_content)
        return true;
    if (next.isEmpty() ? !QFile::remove(m_path) && QFile::exists(m_path) : !SaveWhole(m_path, next))
        return false;
    m_content = std::move(next);
    return true;
}
