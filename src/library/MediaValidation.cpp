#include "library/MediaValidation.h"

#include <QFileInfo>

bool MediaFileExists(const QString& filePath)
{
    const QFileInfo info(filePath);
    return info.isFile() && !info.isHidden();
}

bool IsInsideMediaFolders(const QString& filePath, const QStringList& mediaPaths)
{
    for (const QString& folder : mediaPaths)
        if (filePath.startsWith(folder, Qt::CaseInsensitive))
            return true;
    return false;
}

// Both tests are made in one pass and the records dropped together: the table is then rebuilt
// once instead of once per removed record, with the same result as removing them one by one.
qint32 ValidateMediaList(MediaTable& table, const QStringList& mediaPaths,
                         const FillMediaListCallback& fillMediaList)
{
    std::vector<qint32> stale;
    for (qint32 i = 0; i < table.MediaCount(); ++i) {
        const QString& path = table.MediaList[i].FilePath;
        if (!IsInsideMediaFolders(path, mediaPaths) || !MediaFileExists(path))
            stale.push_back(i);
    }
    table.RemoveMediaRecords(stale);
    if (fillMediaList)
        fillMediaList();
    return static_cast<qint32>(stale.size());
}
