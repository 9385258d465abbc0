#pragma once
// Text in the program's files is one byte per character in the system's narrow code page, with the
// byte count as the length. On Windows that is the ANSI code page. On Linux it is UTF-8; bytes that
// are not valid UTF-8 came from a Windows machine and are read as Windows-1252. ASCII is the same
// bytes everywhere, so files move between the two unchanged.

#include <QByteArray>
#include <QString>
#include <QStringView>

QByteArray ToNarrowText(const QString& text);
// Text that is all ASCII (the same bytes in every code page) written straight to `out`, which has
// room for text.size() bytes: returns the byte count, or -1 for any other text (the bytes in `out`
// then mean nothing).
qsizetype WriteAsciiText(char* out, QStringView text);
QString FromNarrowText(const char* bytes, qsizetype count);
inline QString FromNarrowText(const QByteArray& bytes) { return FromNarrowText(bytes.constData(), bytes.size()); }
