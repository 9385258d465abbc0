#include "theme/PreviewSize.h"

namespace {
constexpr QSize kPreviewSizes[kPreviewSizeCount] = {{40, 30},   {60, 45},   {80, 60},  {120, 90},
                                                    {160, 120}, {240, 180}, {320, 240}};
} // namespace

QSize PreviewSize(int option) { return kPreviewSizes[option]; }

QString PreviewSizeCaption(int option)
{
    return QStringLiteral("%1 x %2").arg(kPreviewSizes[option].width()).arg(kPreviewSizes[option].height());
}

int PreviewOptionFor(qint32 width, qint32 height)
{
    for (int i = 0; i < 5; ++i) {
        if (width <= kPreviewSizes[i].width() || height <= kPreviewSizes[i].height())
            return i;
    }
    return width >= 241 && height >= 181 ? 6 : 5;
}
