#include "platform/DisplayCheck.h"

QString MissingDisplayReason(const QProcessEnvironment&)
{
    return QString();
}
