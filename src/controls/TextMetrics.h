#pragma once
// Text measurement shared by the controls that lay out labels.

#include <QFont>

// The height of one line of caption text on a font, measured once on a sample of every letter,
// digit and punctuation mark so that a caption's own letters never change the layout.
int CaptionTextHeight(const QFont& font);
