#include "library/FileScan.h"

#include "library/AddMediaRecord.h"

void PrepareMediaSearch(PassiveFileSearch& search, const QStringList& mediaPaths,
                        qint32 filesPerStep)
{
    search.ResetSearch(filesPerStep);
    for (const QString& folder : mediaPaths)
        search.AddSearchFolder(folder);
    search.AddSearchExtension(QLatin1String(kTrackExtension));
    search.AddSearchExtension(QLatin1String(kPackageExtension));
}

void FileScan::StartFileScan(bool aggressive, const QStringList& mediaPaths)
{
    PrepareMediaSearch(m_search, mediaPaths, kScanFilesPerStep);
    m_scanAddIndex = 0;
    m_aggressive = aggressive;
    m_running = true;
}

bool FileScan::FileScanStep(MediaTable& table, const NameScheme& scheme, const AddRowCallback& addRow)
{
    if (!m_search.SearchStep())
        m_running = false;
    const QStringList& found = m_search.FoundFiles();
    for (; m_scanAddIndex < found.size(); ++m_scanAddIndex)
        if (AddMediaRecord(table, found[m_scanAddIndex], scheme) && addRow)
            addRow(table.MediaCount() - 1);
    return m_running;
}

QString FileScan::StatusText() const
{
    if (!m_running)
        return {};
    return QLatin1String(m_aggressive ? kAggressiveScanStatus : kPassiveScanStatus);
}
