#include "dialogs/StandardIcons.h"

#include <QApplication>
#include <QStyle>

QIcon StandardIcon(int index, const QStyle* style)
{
    switch (index) {
    case 0: {
        // The program's own window icon when it has one, as a window without an icon would show.
        const QIcon own = QApplication::windowIcon();
        return own.isNull() ? style->standardIcon(QStyle::SP_TitleBarMenuButton) : own;
    }
    case 1: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case 2: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case 3: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case 4: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    default: return QIcon();
    }
}
