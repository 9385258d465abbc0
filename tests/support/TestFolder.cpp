#include "TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TestFolder::TestFolder()
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder");
}

QString TestFolder::path() const { return m_dir.path(); }

QString TestFolder::filePath(const QString& relative) const { return m_dir.filePath(relative); }

QString TestFolder::createFile(const QString& relative, const QByteArray& bytes)
{
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot create test file %s", qPrintable(full));
    return full;
}

QString TestFolder::createDir(const QString& relative)
{
    const QString full = filePath(relative);
    QDir().mkpath(full);
    return full;
}

QByteArray TestFolder::readFile(const QString& fullPath)
{
    QFile f(fullPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList TestFolder::listAll() const
{
    QStringList out;
    QDirIterator it(path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir root(path());
    while (it.hasNext()) {
        const QString p = it.next();
        QString rel = root.relativeFilePath(p);
        if (it.fileInfo().isDir() && !it.fileInfo().isSymLink())
            rel += QLatin1Char('/');
        out << rel;
    }
    out.sort();
    return out;
}

QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}
