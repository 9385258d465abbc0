#include "controls/ucTabHead.h"

#include "controls/AccessiblePart.h"
#include "controls/ControlsAccessibility.h"
#include "theme/ColorDerivation.h"
#include "controls/SystemColors.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// The strip's geometry in twips.
constexpr int kHeadHeight = 360;
constexpr int kFirstX = 30;
constexpr int kEdgeGap = 30;        // a tab's left edge stands this far left of its title
constexpr int kRaise = 60;          // the current tab stands this much taller than the others
constexpr int kTitleDrop = 60;      // the title's top below its tab's top
constexpr int kTabSpacing = 105;

QString PaddedTitle(const QString& title) { return QLatin1Char(' ') + title + QLatin1Char(' '); }
} // namespace

ucTabHead::ucTabHead(QWidget* parent)
    : QWidget(parent)
{
    InstallControlsAccessibility();
    setFixedHeight(YPixels(kHeadHeight));
    setFocusPolicy(Qt::TabFocus);
}

QSize ucTabHead::sizeHint() const
{
    return QSize(300, YPixels(kHeadHeight));
}

int ucTabHead::XPixels(int twips) const { return TwipsToPixels(twips, TwipsPerPixel(logicalDpiX())); }
int ucTabHead::YPixels(int twips) const { return TwipsToPixels(twips, TwipsPerPixel(logicalDpiY())); }

void ucTabHead::AddTab(const QString& sTitle)
{
    m_titles.append(sTitle);
    Redraw();
}

void ucTabHead::ShowTab(int index)
{
    if (index < 0 || index >= TabCount())
        return;
    m_currentTab = index;
    Q_EMIT TabClick(index);
    Redraw();
    NotifyAccessible(this, QAccessible::Selection, index);
}

QString ucTabHead::TabTitle(int index) const
{
    return index >= 0 && index < TabCount() ? m_titles[index] : QString();
}

QList<ucTabHead::TabPlace> ucTabHead::LayOut() const
{
    const QFontMetrics metrics(font());
    const double twipsPerPixel = TwipsPerPixel(logicalDpiX());
    QList<TabPlace> places;
    int x = kFirstX;
    for (int i = 0; i < TabCount(); ++i) {
        const bool current = i == m_currentTab;
        TabPlace place;
        place.x = x;
        place.top = current ? 0 : kRaise;
        place.width = PixelsToTwips(metrics.horizontalAdvance(PaddedTitle(m_titles[i])), twipsPerPixel);
        places.append(place);
        // The tab after the current one starts on the current tab's right edge, so the two touch and
        // that edge stands in for the next tab's hidden left edge.
        x += place.width + (current ? kEdgeGap : kTabSpacing);
    }
    return places;
}

QRect ucTabHead::TitleRect(int index) const
{
    if (index < 0 || index >= TabCount())
        return QRect();
    const TabPlace place = LayOut()[index];
    const QFontMetrics metrics(font());
    return QRect(XPixels(place.x), YPixels(place.top + kTitleDrop),
                 metrics.horizontalAdvance(PaddedTitle(m_titles[index])), metrics.height());
}

QRect ucTabHead::TabRect(int index) const
{
    if (index < 0 || index >= TabCount())
        return QRect();
    const TabPlace place = LayOut()[index];
    return QRect(QPoint(XPixels(place.x - kEdgeGap), YPixels(place.top)),
                 QPoint(XPixels(place.x + place.width), height() - 1));
}

int ucTabHead::TabAt(QPoint pos) const
{
    // The current tab first: it stands in front of its neighbours.
    if (TabRect(m_currentTab).contains(pos))
        return m_currentTab;
    for (int i = 0; i < TabCount(); ++i) {
        if (TabRect(i).contains(pos))
            return i;
    }
    return -1;
}

void ucTabHead::SetAutoColor(bool autoColor)
{
    m_autoColor = autoColor;
    if (autoColor) {
        DeriveColors();
        Redraw();
    }
}

void ucTabHead::SetCOLOR_BACKGROUND(OleColor color)
{
    m_background = color;
    DeriveColors();
    Redraw();
}

void ucTabHead::SetCOLOR_HIGHLIGHT(OleColor color)
{
    m_highlight = color;
    update();
}

void ucTabHead::DeriveColors()
{
    const OleColor rgb = TranslateColor(m_background, palette());
    m_highlight = ScaleColor(rgb, 1.5);
    m_shadow = ScaleColor(rgb, 0.75);
    m_shadowDark = ScaleColor(rgb, 0.5);
    m_text = ContrastTextColor(rgb);
}

void ucTabHead::Redraw()
{
    m_drawnText = m_text;
    m_drawnHighlight = m_highlight;
    m_drawnShadow = m_shadow;
    m_drawnShadowDark = m_shadowDark;
    update();
}

void ucTabHead::resizeEvent(QResizeEvent* event)
{
    Redraw();
    QWidget::resizeEvent(event);
}

void ucTabHead::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    const QColor highlight = ToQColor(m_drawnHighlight, pal);
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_background, pal));
    painter.setFont(font());
    painter.setPen(ToQColor(m_drawnText, pal));

    const QList<TabPlace> places = LayOut();
    const int bottom = YPixels(kHeadHeight);
    auto vertical = [&](int xTwips, int topTwips, const QColor& color) {
        const int top = YPixels(topTwips);
        painter.fillRect(XPixels(xTwips), top, 1, bottom - top + 1, color);
    };
    for (int i = 0; i < places.size(); ++i) {
        const TabPlace& p = places[i];
        const bool current = i == m_currentTab;
        painter.drawText(TitleRect(i), Qt::AlignLeft | Qt::AlignTop, PaddedTitle(m_titles[i]));
        if (i - 1 != m_currentTab)
            vertical(p.x - kEdgeGap, p.top, highlight);
        const int left = XPixels(p.x - kEdgeGap);
        painter.fillRect(left, YPixels(p.top), XPixels(p.x + p.width) - left + 1, 1, highlight);
        vertical(p.x + p.width, p.top, ToQColor(current ? m_drawnShadow : m_drawnShadowDark, pal));
        if (current && hasFocus()) {
            painter.save();
            painter.setPen(QPen(ToQColor(m_drawnText, pal), 1, Qt::DotLine));
            painter.drawRect(TitleRect(i).adjusted(0, 0, -1, -1));
            painter.restore();
        }
    }

    // The bottom edge runs left and right of the current tab, which stays open onto the page below.
    const QColor bottomEdge = ToQColor(m_highlight, pal);
    const int y = height() - 1;
    if (places.isEmpty()) {
        painter.fillRect(0, y, width(), 1, bottomEdge);
        return;
    }
    const TabPlace& cur = places[std::clamp(m_currentTab, 0, int(places.size()) - 1)];
    painter.fillRect(0, y, XPixels(cur.x - kEdgeGap), 1, bottomEdge);
    const int rightStart = XPixels(cur.x + cur.width) + 1;
    painter.fillRect(rightStart, y, width() - rightStart, 1, bottomEdge);
}

void ucTabHead::mousePressEvent(QMouseEvent* event)
{
    m_pressedTab = event->button() == Qt::LeftButton ? TabAt(event->position().toPoint()) : -1;
}

void ucTabHead::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int tab = TabAt(event->position().toPoint());
    if (tab >= 0 && tab == m_pressedTab)
        ShowTab(tab);
    m_pressedTab = -1;
}

void ucTabHead::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        ShowTab(m_currentTab - 1);
        break;
    case Qt::Key_Right:
        ShowTab(m_currentTab + 1);
        break;
    case Qt::Key_Home:
        ShowTab(0);
        break;
    case Qt::Key_End:
        ShowTab(TabCount() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ucTabHead::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ucTabHead::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
