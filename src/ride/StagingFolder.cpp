#include "ride/StagingFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kStagingPrefix = QStringLiteral(".ridevault-staging-");

} // namespace

QString StagingFolderTemplate(const QString& simulatorFolder)
{
    return QDir(simulatorFolder).filePath(kStagingPrefix + QStringLiteral("XXXXXX"));
}

bool IsStagingFolderName(const QString& name)
{
    if (name.size() != kStagingPrefix.size() + 6 || !name.startsWith(kStagingPrefix))
        return false;
    for (qsizetype i = kStagingPrefix.size(); i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

int RemoveLeftoverStaging(const QString& simulatorFolder)
{
    const QDir folder(simulatorFolder);
    const QStringList candidates = folder.entryList({kStagingPrefix + QLatin1Char('*')},
                                                    QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    int removed = 0;
    for (const QString& name : candidates) {
        const QFileInfo info(folder.filePath(name));
        if (!IsStagingFolderName(name) || info.isSymLink() || !info.isDir())
            continue;
        if (QDir(info.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}
