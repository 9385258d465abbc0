#pragma once
// The one place where a theme or control font record becomes a QFont.

#include "theme/FontRecord.h"

#include <QFont>

QFont ToQFont(const FontRecord& font);
// The reverse, for the font dialog: Weight last so that it wins, as a loader sets it.
FontRecord FromQFont(const QFont& font);
