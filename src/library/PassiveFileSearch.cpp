#include "library/PassiveFileSearch.h"

#include "platform/FolderListing.h"

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
        ListFolder(m_searchFolders[m_fileListIndex++]);
        return true;
    }
    if (m_subfolderIndex < m_searchFolders.size()) {
        m_searchFolders.append(m_subfoldersOf[m_subfolderIndex]);
        m_subfoldersOf[m_subfolderIndex++].clear();
        return true;
    }
    return false;
}

// One listing gives both: regular files (and links to them) become candidates now; plain folders
// wait for their folder's subfolder step.
void PassiveFileSearch::ListFolder(const QString& folder)
{
    QStringList subfolders;
    ListFolderEntries(folder, m_candidateFiles, subfolders);
    m_subfoldersOf.append(std::move(subfolders));
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
    // Once all are tested the list starts again, so its memory serves the next folder's files.
    if (m_candidateIndex == m_candidateFiles.size()) {
        m_candidateFiles.clear();
        m_candidateIndex = 0;
    }
}
