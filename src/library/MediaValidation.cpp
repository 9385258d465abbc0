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
// Every record that goes is retired with its fingerprint (taken now when its file is still there,
// outside the media folders), so the file can bring it back later.
qint32 ValidateMediaList(MediaTable& table, const QStringList& mediaPaths,
                         const FillMediaListCallback& fillMediaList)
{
    std::vector<qint32> stale;
    for (qint32 i = 0; i < table.MediaCount(); ++i) {
        const QString& path = table.MediaList[i].FilePath;
        if (!IsInsideMediaFolders(path, mediaPaths) || !MediaFileExists(path))
            stale.push_back(i);
    }
    for (qint32 i : stale) {
        ContentFingerprint print = table.FingerprintOf(i);
        if (!print.IsValid() && MediaFileExists(table.MediaList[i].FilePath))
            print = FingerprintOfFile(table.MediaList[i].FilePath);
        table.Retired.Retire(table.MediaList[i], print);
    }
    table.RemoveMediaRecords(stale);
    if (fillMediaList)
        fillMediaList();
    return static_cast<qint32>(stale.size());
}
