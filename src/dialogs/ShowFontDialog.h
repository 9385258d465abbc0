#pragma once
// mCommonDialogFont: the system font dialog (QFontDialog) for a theme font record.
//
// The record goes in as a whole (name, size, weight, italic, underline, strike-out). On OK it gets
// back Name, Size (to a tenth of a point), Italic, Strikethrough and Underline, and Bold from the
// chosen font, which decides the weight; the chosen weight itself and the character set are not
// taken over. On Cancel nothing changes.
//
// Test hook: SetNextFontDialogAnswer queues answers. While the queue holds one, ShowFontDialog
// takes the queued font as the dialog's choice (none: Cancel) instead of showing the dialog. The
// program itself never queues an answer.

#include "theme/FontRecord.h"

#include <QFont>

#include <optional>

class QWidget;

bool ShowFontDialog(FontRecord& font, QWidget* owner);

void SetNextFontDialogAnswer(std::optional<QFont> font);
int PendingFontDialogAnswers();
void ClearFontDialogAnswers();
