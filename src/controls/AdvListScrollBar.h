#pragma once
// The arithmetic of one of the advanced list's own scroll bars, in pixels along the bar: value and
// range, the repeat step of a held button or back, the marker's length and place, and the value a
// dragged marker stands for. QtCore only; the list widget draws and times it.

class AdvListScrollBar {
public:
    enum Action { LineLess = 0, LineMore = 1, PageLess = 2, PageMore = 3 };
    static constexpr int kMinMarkerLength = 8;

    AdvListScrollBar(int smallChange, int largeChange);

    bool Shown = false;
    int Value = 0;
    int Maximum = 0;
    int SmallChange;
    int LargeChange;
    Action RepeatAction = LineLess;

    // Places the marker on the track between the less-button's far end and the more-button's
    // near end; first pulls a value beyond the maximum back to it.
    void PlaceMarker(int trackStart, int moreStart);
    int MarkerStart() const { return m_markerStart; }
    int MarkerLength() const { return m_markerLength; }
    int TrackStart() const { return m_trackStart; }
    int TrackEnd() const { return m_trackEnd; }  // the furthest the marker's start can go

    // One step of a held button or back. Returns whether the value changed (the marker is then
    // placed again).
    bool RepeatStep();
    // The marker dragged so that it would start at wantedStart: it stays on the track and the
    // value follows. Returns whether the value changed.
    bool DragMarkerTo(int wantedStart);

private:
    int m_trackStart = 0;
    int m_trackEnd = 0;
    int m_markerStart = 0;
    int m_markerLength = kMinMarkerLength;
    int m_moreStart = 0;
};
