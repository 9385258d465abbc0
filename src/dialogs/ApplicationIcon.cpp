#include "dialogs/ApplicationIcon.h"

// Outside any namespace, as Q_INIT_RESOURCE requires. Naming the resource here also keeps the linker
// from dropping it out of the static library.
static void InitIconResource() { Q_INIT_RESOURCE(ridevault_icon); }

QList<int> ApplicationIconSizes() { return {16, 32, 48, 64, 128, 256}; }

QIcon ApplicationIcon()
{
    InitIconResource();
    QIcon icon;
    for (int size : ApplicationIconSizes())
        icon.addFile(QStringLiteral(":/icon/ridevault-%1.png").arg(size), QSize(size, size));
    return icon;
}
