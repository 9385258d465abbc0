#include "platform/Registry.h"

#include "platform/NarrowText.h"

#include <algorithm>

bool TakeQueriedRegistryValue(quint32 type, QByteArrayView data, QString& value)
{
    if (data.isEmpty()) {
        value.clear();
        return false;
    }
    if (data.back() == '\0')
        data.chop(1);
    if (type == kRegSz) {
        value = FromNarrowText(data.data(), data.size());
    } else if (type == kRegDword) {
        // The number's bytes come least significant first; shorter data is a smaller number.
        quint32 number = 0;
        for (qsizetype i = std::min<qsizetype>(data.size(), 4) - 1; i >= 0; --i)
            number = (number << 8) | static_cast<unsigned char>(data[i]);
        value = QString::number(static_cast<qint32>(number));
    }
    return true;
}
