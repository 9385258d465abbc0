#pragma once
// The font of a theme or control: eight attributes, as a font object keeps them. Bold and Weight
// are linked the way such a font object links them: setting Bold sets the weight to 700 or 400,
// and Bold reads back from the weight. So the order of setting matters, and loaders set Weight
// last, which makes Weight win. Size is kept as a fixed-point value with four decimals.

#include <QString>

#include <cmath>

class FontRecord {
public:
    QString Name = QStringLiteral("Arial");

    double Size() const { return m_size; }
    void SetSize(double points) { m_size = std::nearbyint(points * 10000.0) / 10000.0; }

    bool Bold() const { return m_weight > 550; }
    void SetBold(bool bold) { m_weight = bold ? 700 : 400; }

    bool Italic = false;
    bool Strikethrough = false;
    bool Underline = false;

    qint16 Charset() const { return m_charset; }
    void SetCharset(qint32 charset) { m_charset = static_cast<qint16>(charset); }

    qint16 Weight() const { return m_weight; }
    void SetWeight(qint32 weight) { m_weight = static_cast<qint16>(weight); }

    bool operator==(const FontRecord&) const = default;

private:
    double m_size = 8.25;
    qint16 m_charset = 0;
    qint16 m_weight = 400;
};
