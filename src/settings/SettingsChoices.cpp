#include "settings/SettingsChoices.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
constexpr QSize kLargeViewSizes[kLargeViewSizeCount] = {
    {320, 240}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};

bool IsFolder(const QUrl& url) { return url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir(); }
} // namespace

QSize LargeViewSize(int option) { return kLargeViewSizes[option]; }

QString LargeViewSizeCaption(int option)
{
    return QStringLiteral("%1 x %2").arg(kLargeViewSizes[option].width()).arg(kLargeViewSizes[option].height());
}

int LargeViewSizeOption(int width, int height)
{
    for (int option = 0; option + 1 < kLargeViewSizeCount; ++option) {
        if (width <= kLargeViewSizes[option].width() || height <= kLargeViewSizes[option].height())
            return option;
    }
    return kLargeViewSizeCount - 1;
}

bool AllDraggedAreFolders(const QList<QUrl>& urls)
{
    return !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), IsFolder);
}

QStringList DroppedFolders(const QList<QUrl>& urls)
{
    QStringList folders;
    for (const QUrl& url : urls) {
        if (IsFolder(url))
            folders.append(WithFinalSeparator(QDir::toNativeSeparators(url.toLocalFile())));
    }
    return folders;
}
