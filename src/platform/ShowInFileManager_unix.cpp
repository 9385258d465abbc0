// Linux: the freedesktop file manager interface over D-Bus.

#include "platform/ShowInFileManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QUrl>

void ShowInFileManager(const QString& filePath, const std::function<void(const QString& folder)>& openFolder)
{
    const QFileInfo file(filePath);
    const QString folder = file.absolutePath();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // The second argument is the startup notification id; none is needed for an ordinary start.
    call << QStringList{QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded)} << QString();
    // Starting a file manager through bus activation can take seconds: the answer is awaited in the
    // event loop, not by blocking the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, folder, openFolder] {
        if (watcher->isError())
            openFolder(folder);
        watcher->deleteLater();
    });
}
