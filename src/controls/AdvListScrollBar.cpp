#include "controls/AdvListScrollBar.h"

#include "platform/Twips.h"

#include <algorithm>
#include <cmath>

AdvListScrollBar::AdvListScrollBar(int smallChange, int largeChange)
    : SmallChange(smallChange)
    , LargeChange(largeChange)
{
}

void AdvListScrollBar::PlaceMarker(int trackStart, int moreStart)
{
    if (Value > Maximum)
        Value = Maximum;
    m_moreStart = moreStart;
    const int track = moreStart - trackStart;
    // The marker shows the share of a page in the range, but never less than a tenth of the track
    // (so it can be caught) nor more than nine tenths (so it can move).
    double ratio = Maximum > 0 ? double(LargeChange) / Maximum : 0.9;
    ratio = std::clamp(ratio, 0.1, 0.9);
    m_markerLength = std::max<int>(kMinMarkerLength, int(RoundHalfEven(track * ratio)));
    const int free = track - m_markerLength;
    double position = Maximum > 0 ? std::nearbyint(double(Value) / Maximum * 1e6) / 1e6 : 0.0;
    position = std::clamp(position, 0.0, 1.0);
    m_trackStart = trackStart;
    m_markerStart = trackStart + int(RoundHalfEven(free * position));
    m_trackEnd = trackStart + free;
}

bool AdvListScrollBar::RepeatStep()
{
    const int before = Value;
    switch (RepeatAction) {
    case LineLess:
        if (Value >= 1)
            Value -= SmallChange;
        break;
    case LineMore:
        if (Value < Maximum)
            Value += SmallChange;
        break;
    case PageLess:
        if (Value >= 1)
            Value -= LargeChange;
        break;
    case PageMore:
        if (Value < Maximum)
            Value += LargeChange;
        break;
    }
    if (Value == before)
        return false;
    Value = std::clamp(Value, 0, std::max(Maximum, 0));
    PlaceMarker(m_trackStart, m_moreStart);
    return true;
}

bool AdvListScrollBar::DragMarkerTo(int wantedStart)
{
    const int before = Value;
    m_markerStart = std::clamp(wantedStart, m_trackStart, std::max(m_trackStart, m_trackEnd));
    if (m_markerStart == m_trackStart) {
        Value = 0;
    } else if (m_markerStart == m_trackEnd) {
        Value = Maximum;
    } else {
        const int offset = m_markerStart - m_trackStart;
        const int range = m_trackEnd - m_trackStart - 1;
        const int value = range > 0 ? int(std::floor(double(Maximum) * offset / range)) : Maximum;
        Value = std::clamp(value, 0, std::max(Maximum, 0));
    }
    return Value != before;
}
