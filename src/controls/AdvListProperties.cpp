#include "controls/AdvListProperties.h"

#include <QHash>

#include <cmath>

namespace {

struct ColorInfo {
    const char* key;
    int systemIndex;
};

constexpr ColorInfo kColors[kAdvListColorCount] = {
    {"cWindowBack", 5},         {"cWindowText", 8},         {"cWorkspace", 12},
    {"cHighlight", 13},         {"cHighlightText", 14},     {"cButtonFace", 15},
    {"cButtonText", 18},        {"cButtonShadow", 16},      {"cButtonDkShadow", 21},
    {"cButtonHighlight", 22},   {"cButtonBrHighlight", 20}, {"cHeaderFace", 15},
    {"cHeaderText", 18},        {"cHeaderShadow", 16},      {"cHeaderDkShadow", 21},
    {"cHeaderHighlight", 22},   {"cHeaderBrHighlight", 20},
};

void WriteFont(PropertyBag& bag, const QString& prefix, const FontRecord& font)
{
    bag.append({prefix + "Bold", font.Bold()});
    bag.append({prefix + "Charset", int(font.Charset())});
    bag.append({prefix + "Italic", font.Italic});
    bag.append({prefix + "Name", font.Name});
    // A fixed-point size with four decimals, as ten-thousandths.
    bag.append({prefix + "Size", qint64(std::llround(font.Size() * 10000.0))});
    bag.append({prefix + "Strikethrough", font.Strikethrough});
    bag.append({prefix + "Underline", font.Underline});
    bag.append({prefix + "Weight", int(font.Weight())});
}

// Looks keys up and remembers the first one that is missing or of the wrong kind.
class BagReader {
public:
    explicit BagReader(const PropertyBag& bag)
    {
        for (const auto& [key, value] : bag)
            m_values.insert(key, value);
    }

    bool Bool(const QString& key) { return Take(key, QMetaType::Bool).toBool(); }
    int Int(const QString& key) { return Take(key, QMetaType::Int).toInt(); }
    qint64 Int64(const QString& key) { return Take(key, QMetaType::LongLong).toLongLong(); }
    QString String(const QString& key) { return Take(key, QMetaType::QString).toString(); }

    FontRecord Font(const QString& prefix)
    {
        FontRecord font;
        font.SetBold(Bool(prefix + "Bold"));
        font.SetCharset(Int(prefix + "Charset"));
        font.Italic = Bool(prefix + "Italic");
        font.Name = String(prefix + "Name");
        font.SetSize(double(Int64(prefix + "Size")) / 10000.0);
        font.Strikethrough = Bool(prefix + "Strikethrough");
        font.Underline = Bool(prefix + "Underline");
        font.SetWeight(Int(prefix + "Weight"));  // last, so that Weight wins over Bold
        return font;
    }

    const QString& FirstBadKey() const { return m_badKey; }

private:
    QVariant Take(const QString& key, QMetaType::Type type)
    {
        const auto it = m_values.constFind(key);
        if (it == m_values.constEnd() || !it->canConvert(QMetaType(type))) {
            if (m_badKey.isEmpty())
                m_badKey = key;
            return {};
        }
        return *it;
    }

    QHash<QString, QVariant> m_values;
    QString m_badKey;
};

} // namespace

QString AdvListColorKey(AdvListColor color)
{
    return QString::fromLatin1(kColors[int(color)].key);
}

int AdvListColorSystemIndex(AdvListColor color)
{
    return kColors[int(color)].systemIndex;
}

PropertyBag WriteAdvListProperties(const AdvListProperties& p)
{
    PropertyBag bag;
    bag.append({QStringLiteral("MultiSelect"), p.MultiSelect});
    bag.append({QStringLiteral("RightClickSelect"), p.RightClickSelect});
    bag.append({QStringLiteral("SortableColumns"), p.SortableColumns});
    bag.append({QStringLiteral("UseMouseWheel"), p.MouseWheelEnabled});
    bag.append({QStringLiteral("MouseWheelStep"), p.MouseWheelStep});
    bag.append({QStringLiteral("HideLastColumn"), p.HideLastColumn});
    bag.append({QStringLiteral("HideIndexMarker"), p.HideIndexBorder});
    WriteFont(bag, QStringLiteral("LF"), p.ListFont);
    WriteFont(bag, QStringLiteral("HF"), p.HeaderFont);
    bag.append({QStringLiteral("CustomColors"), p.CustomColors});
    bag.append({QStringLiteral("ColorHeaderAsButton"), p.ColorHeaderAsButton});
    for (int i = 0; i < kAdvListColorCount; ++i)
        bag.append({AdvListColorKey(AdvListColor(i)), int(p.Colors[i])});
    return bag;
}

bool ReadAdvListProperties(const PropertyBag& bag, AdvListProperties& properties, QString* error)
{
    BagReader in(bag);
    AdvListProperties p = properties;
    p.MultiSelect = in.Bool(QStringLiteral("MultiSelect"));
    p.RightClickSelect = in.Bool(QStringLiteral("RightClickSelect"));
    p.SortableColumns = in.Bool(QStringLiteral("SortableColumns"));
    p.MouseWheelEnabled = in.Bool(QStringLiteral("UseMouseWheel"));
    p.MouseWheelStep = in.Int(QStringLiteral("MouseWheelStep"));
    p.HideLastColumn = in.Bool(QStringLiteral("HideLastColumn"));
    p.HideIndexBorder = in.Bool(QStringLiteral("HideIndexMarker"));
    p.ListFont = in.Font(QStringLiteral("LF"));
    p.HeaderFont = in.Font(QStringLiteral("HF"));
    p.CustomColors = in.Bool(QStringLiteral("CustomColors"));
    p.ColorHeaderAsButton = in.Bool(QStringLiteral("ColorHeaderAsButton"));
    if (p.CustomColors) {
        for (int i = 0; i < kAdvListColorCount; ++i)
            p.Colors[i] = in.Int(AdvListColorKey(AdvListColor(i)));
    }
    if (!in.FirstBadKey().isEmpty()) {
        if (error)
            *error = QStringLiteral("The list setting \"%1\" is missing or unreadable.").arg(in.FirstBadKey());
        return false;
    }
    properties = p;
    return true;
}
