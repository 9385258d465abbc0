#pragma once
// The advanced list's design-time settings and their persisted form: an ordered bag of named
// values. Every key is always written, in a fixed order, and every key must be there on reading;
// the colours are read only when the list uses custom colours. QtCore only.

#include "theme/FontRecord.h"
#include "theme/OleColor.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <array>
#include <utility>

// The 17 themable colours, in their persisted order.
enum class AdvListColor {
    ListBackground, ListText, Workspace, Highlight, HighlightText,
    ButtonFace, ButtonText, ButtonShadow, ButtonDarkShadow, ButtonHighlight, ButtonBrightHighlight,
    HeaderFace, HeaderText, HeaderShadow, HeaderDarkShadow, HeaderHighlight, HeaderBrightHighlight,
};
constexpr int kAdvListColorCount = 17;
using AdvListColors = std::array<OleColor, kAdvListColorCount>;

// The persisted key of a colour ("cWindowBack" ...).
QString AdvListColorKey(AdvListColor color);
// The system colour index a colour starts from (window background 5 ...).
int AdvListColorSystemIndex(AdvListColor color);

struct AdvListProperties {
    bool MultiSelect = true;
    bool RightClickSelect = false;
    bool SortableColumns = true;
    bool MouseWheelEnabled = true;
    int MouseWheelStep = 5;
    bool HideLastColumn = false;
    bool HideIndexBorder = false;
    FontRecord ListFont;
    FontRecord HeaderFont;
    bool CustomColors = false;
    bool ColorHeaderAsButton = false;
    AdvListColors Colors{};
};

using PropertyBag = QList<std::pair<QString, QVariant>>;

PropertyBag WriteAdvListProperties(const AdvListProperties& properties);
// Fills properties from the bag; colours only when "CustomColors" is True (the others keep the
// values passed in). A missing or unreadable key leaves properties untouched and returns false
// with the key named in error.
bool ReadAdvListProperties(const PropertyBag& bag, AdvListProperties& properties, QString* error);
