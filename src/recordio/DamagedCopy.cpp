#include "recordio/DamagedCopy.h"

#include <QFile>
#include <QFileInfo>

QString KeepDamagedCopy(const QString& filePath)
{
    if (!QFileInfo(filePath).isFile())
        return {};
    QString copy = filePath + QLatin1String(".damaged");
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = filePath + QLatin1String(".damaged.") + QString::number(n);
    return QFile::copy(filePath, copy) ? copy : QString();
}
