#include "controls/TextMetrics.h"

#include <QFontMetrics>

int CaptionTextHeight(const QFont& font)
{
    static const QString sample = QStringLiteral(
        "\"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
    return QFontMetrics(font).size(Qt::TextSingleLine, sample).height();
}
