#include "theme/PreviousColors.h"

#include <algorithm>

namespace {
constexpr OleColor kWhite = RgbColor(255, 255, 255);
}

PreviousColors::PreviousColors() { Clear(); }

OleColor PreviousColors::At(int index) const
{
    return index >= 0 && index < kCount ? m_colors[index] : kWhite;
}

void PreviousColors::Set(int index, OleColor color)
{
    if (index >= 0 && index < kCount)
        m_colors[index] = color;
}

void PreviousColors::Add(OleColor color)
{
    // Only the first copy among entries 0..23 is taken out; a copy at 24 falls off with the shift.
    const auto last = m_colors.end() - 1;
    const auto found = std::find(m_colors.begin(), last, color);
    if (found != last)
        std::copy(found + 1, m_colors.end(), found);
    std::copy_backward(m_colors.begin(), last, m_colors.end());
    m_colors[0] = color;
}

void PreviousColors::Clear() { m_colors.fill(kWhite); }
