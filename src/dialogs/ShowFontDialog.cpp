#include "dialogs/ShowFontDialog.h"

#include "controls/FontConvert.h"
#include "platform/Twips.h"

#include <QFontDialog>
#include <QList>

namespace {
QList<std::optional<QFont>>& NextAnswers()
{
    static QList<std::optional<QFont>> answers;
    return answers;
}
} // namespace

bool ShowFontDialog(FontRecord& font, QWidget* owner)
{
    std::optional<QFont> chosen;
    if (!NextAnswers().isEmpty()) {
        chosen = NextAnswers().takeFirst();
    } else {
        bool okay = false;
        const QFont picked = QFontDialog::getFont(&okay, ToQFont(font), owner);
        if (okay)
            chosen = picked;
    }
    if (!chosen)
        return false;
    font.SetBold(chosen->bold());
    font.Italic = chosen->italic();
    font.Strikethrough = chosen->strikeOut();
    font.Underline = chosen->underline();
    // The dialog speaks in tenths of a point.
    font.SetSize(static_cast<double>(RoundHalfEven(chosen->pointSizeF() * 10)) / 10);
    font.Name = chosen->family();
    return true;
}

void SetNextFontDialogAnswer(std::optional<QFont> font) { NextAnswers().append(std::move(font)); }
int PendingFontDialogAnswers() { return static_cast<int>(NextAnswers().size()); }
void ClearFontDialogAnswers() { NextAnswers().clear(); }
