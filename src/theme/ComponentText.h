#pragma once
// The text of one colour component in the picker's boxes: decimal, or two upper-case hexadecimal
// digits. Reading takes the leading number of the text the way the boxes always have (anything
// after it is ignored, an empty text is 0) and turns a value outside 0..255 into 0.

#include <QString>
#include <QStringView>

// "128" or "80"; the hexadecimal text keeps its last two digits (256 shows as "00").
QString ComponentText(qint32 value, bool hexadecimal);
// The decimal value rounded half to even, or the hexadecimal value; 0 when outside 0..255.
qint32 ComponentFromText(QStringView text, bool hexadecimal);
