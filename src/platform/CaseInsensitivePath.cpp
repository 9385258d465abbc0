#include "platform/CaseInsensitivePath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QStringList SplitStoredPath(const QString& relative)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return relative.split(separators);
}

CaseInsensitivePath::CaseInsensitivePath(const QString& baseFolder)
    : m_base(QDir::cleanPath(QDir(baseFolder).absolutePath()))
{
}

QString CaseInsensitivePath::Resolve(const QString& relative) { return Resolve(SplitStoredPath(relative)); }

QString CaseInsensitivePath::Resolve(const QStringList& components)
{
    QString current = m_base;
    for (const QString& component : components) {
        Listing& listing = ListingOf(current);
        QString name = component;
        if (!listing.exact.contains(component))
            name = listing.folded.value(component.toCaseFolded(), component);
        current += QLatin1Char('/') + name;
    }
    return current;
}

bool CaseInsensitivePath::Contains(const QString& folderPath, const QString& name)
{
    const Listing& listing = ListingOf(QDir::cleanPath(folderPath));
    return listing.exact.contains(name) || listing.folded.contains(name.toCaseFolded());
}

void CaseInsensitivePath::NoteCreated(const QString& fullPath)
{
    const QString relative = QDir(m_base).relativeFilePath(fullPath);
    QString current = m_base;
    for (const QString& name : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        Add(ListingOf(current), name);
        current += QLatin1Char('/') + name;
    }
}

CaseInsensitivePath::Listing& CaseInsensitivePath::ListingOf(const QString& folderPath)
{
    auto it = m_listings.find(folderPath);
    if (it != m_listings.end())
        return *it;
    Listing listing;
    // QDir::System brings in dangling links: a name that is taken must count as taken.
    const QStringList names = QDir(folderPath).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names)
        Add(listing, name);
    return *m_listings.insert(folderPath, listing);
}

void CaseInsensitivePath::Add(Listing& listing, const QString& name)
{
    listing.exact.insert(name);
    const QString key = name.toCaseFolded();
    if (!listing.folded.contains(key))
        listing.folded.insert(key, name);
}

QString ResolveCaseInsensitive(const QString& baseFolder, const QString& relative)
{
    return CaseInsensitivePath(baseFolder).Resolve(relative);
}

bool StaysInsideFolder(const QString& folder, const QString& path)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return false;
    // Climb to the deepest part of the path that is there; only it can hold links.
    QString probe = QDir::cleanPath(QDir(folder).absoluteFilePath(path));
    for (;;) {
        const QFileInfo info(probe);
        if (info.exists() || info.isSymLink())
            break;
        const QString parent = info.path();
        if (parent == probe)
            return false;
        probe = parent;
    }
    const QString real = QFileInfo(probe).canonicalFilePath();
    if (real.isEmpty())
        return false;
    return real == root || real.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}
