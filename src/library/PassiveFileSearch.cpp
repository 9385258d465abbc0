#include "library/PassiveFileSearch.h"

#include <QDir>
#include <QDirIterator>

void PassiveFileSearch::ResetSearch(qint32 filesPerStep)
{
    *this = PassiveFileSearch();
    m_filesPerStep = filesPerStep >= 1 ? filesPerStep : 1;
}

void PassiveFileSearch::AddSearchFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    QString f = folder;
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    if (!m_searchFolders.contains(f, Qt::CaseInsensitive))
        m_searchFolders.append(f);
}

void PassiveFileSearch::AddSearchExtension(const QString& extension)
{
    if (extension.isEmpty())
        return;
    QString e = extension.startsWith(QLatin1Char('*')) ? extension.mid(1) : extension;
    if (!e.startsWith(QLatin1Char('.')))
        e.prepend(QLatin1Char('.'));
    if (!m_searchExtensions.contains(e, Qt::CaseInsensitive))
        m_searchExtensions.append(e.toLower());
}

bool PassiveFileSearch::SearchStep()
{
    if (m_candidateIndex < m_candidateFiles.size()) {
        TestCandidates();
        return true;
    }
    if (m_fileListIndex < m_searchFolders.size()) {
        ListFiles(m_searchFolders[m_fileListIndex++]);
        return true;
    }
    if (m_subfolderIndex < m_searchFolders.size()) {
        // A copy: the listing appends to SearchFolders, which may move its entries.
        const QString folder = m_searchFolders[m_subfolderIndex++];
        ListSubfolders(folder);
        return true;
    }
    return false;
}

// Regular files only, hidden ones left out (no QDir::Hidden, no QDir::System), unsorted.
void PassiveFileSearch::ListFiles(const QString& folder)
{
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext())
        m_candidateFiles.append(it.next());
}

// Plain folders only: hidden folders and links to folders are never entered.
void PassiveFileSearch::ListSubfolders(const QString& folder)
{
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    while (it.hasNext())
        m_searchFolders.append(it.next() + QLatin1Char('/'));
}

// A candidate is tested against every extension, so a name could match more than one of them.
void PassiveFileSearch::TestCandidates()
{
    for (qint32 n = 0; n < m_filesPerStep && m_candidateIndex < m_candidateFiles.size(); ++n) {
        const QString& c = m_candidateFiles[m_candidateIndex++];
        if (m_searchExtensions.isEmpty()) {
            m_foundFiles.append(c);
            continue;
        }
        for (const QString& e : m_searchExtensions)
            if (c.size() > e.size() && c.endsWith(e, Qt::CaseInsensitive))
                m_foundFiles.append(c);
    }
}
