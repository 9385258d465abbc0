#include "dialogs/StandardIcons.h"

#include "dialogs/ApplicationIcon.h"

#include <QStyle>

QIcon StandardIcon(int index, const QStyle* style)
{
    switch (index) {
    case 0: return ApplicationIcon();
    case 1: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case 2: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case 3: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case 4: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    default: return QIcon();
    }
}
