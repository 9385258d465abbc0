#include "controls/FontConvert.h"

#include <algorithm>

QFont ToQFont(const FontRecord& font)
{
    QFont f(font.Name);
    if (font.Size() > 0)
        f.setPointSizeF(font.Size());
    // Qt's weights use the same 100..900 scale as the font record.
    f.setWeight(static_cast<QFont::Weight>(std::clamp<int>(font.Weight(), 1, 1000)));
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.Strikethrough);
    return f;
}

FontRecord FromQFont(const QFont& font)
{
    FontRecord r;
    r.Name = font.family();
    r.SetSize(font.pointSizeF() > 0 ? font.pointSizeF() : 8.25);
    r.Italic = font.italic();
    r.Strikethrough = font.strikeOut();
    r.Underline = font.underline();
    r.SetCharset(0);
    r.SetWeight(static_cast<int>(font.weight()));
    return r;
}
