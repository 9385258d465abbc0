#pragma once
// The colour picker's 25 previous colours: the most recently confirmed colours, newest first, each
// at most once (white fills the list at first). The list lives as long as its owner - the program
// keeps one for its whole run - and is never stored.

#include "theme/OleColor.h"

#include <array>

class PreviousColors {
public:
    static constexpr int kCount = 25;

    PreviousColors();

    // White for an index outside 0..24.
    OleColor At(int index) const;
    const std::array<OleColor, kCount>& Colors() const { return m_colors; }

    // SetPreviousColor: replaces one entry; an index outside 0..24 changes nothing.
    void Set(int index, OleColor color);
    // AddPreviousColor, on OK: the colour goes to the front; an earlier copy of it is taken out
    // first, and the oldest entry falls off the end.
    void Add(OleColor color);
    // ClearPreviousColors: all white again.
    void Clear();

private:
    std::array<OleColor, kCount> m_colors;
};
