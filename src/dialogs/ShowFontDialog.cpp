#include "dialogs/ShowFontDialog.h"

#include "controls/FontConvert.h"
#include "dialogs/PresetAnswers.h"
#include "platform/Twips.h"

#include <QFontDialog>

namespace {
PresetAnswers<std::optional<QFont>>& NextAnswers()
{
    static PresetAnswers<std::optional<QFont>> answers;
    return answers;
}
} // namespace

bool ShowFontDialog(FontRecord& font, QWidget* owner)
{
    std::optional<QFont> chosen;
    if (std::optional<std::optional<QFont>> next = NextAnswers().Take()) {
        chosen = *next;
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

void SetNextFontDialogAnswer(std::optional<QFont> font) { NextAnswers().Queue(std::move(font)); }
int PendingFontDialogAnswers() { return NextAnswers().Pending(); }
void ClearFontDialogAnswers() { NextAnswers().Clear(); }
