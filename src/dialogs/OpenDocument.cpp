#include "dialogs/OpenDocument.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void OpenDocument(const QString& target)
{
    // A one-letter "scheme" is a Windows drive ("C:\..."), not an address.
    const QUrl address(target, QUrl::StrictMode);
    const bool isAddress = address.isValid() && address.scheme().size() > 1;
    QDesktopServices::openUrl(isAddress ? address : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}
