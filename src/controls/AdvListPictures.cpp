#include "controls/AdvListPictures.h"

#include <QPoint>

#include <initializer_list>

namespace {

void Plot(QImage& image, std::initializer_list<QPoint> points, const QColor& color)
{
    for (const QPoint& p : points)
        image.setPixelColor(p, color);
}

void PlotRow(QImage& image, int fromX, int toX, int y, const QColor& color)
{
    for (int x = fromX; x <= toX; ++x)
        image.setPixelColor(x, y, color);
}

} // namespace

QImage AdvListSortArrow(int index, const QColor& face, const QColor& shadow, const QColor& brightHighlight)
{
    QImage image(13, 13, QImage::Format_RGB32);
    image.fill(face);
    // An outlined triangle lit from the top left: its shadowed sides in the shadow colour, its lit
    // sides in the bright highlight.
    if (index == 0) {
        Plot(image, {{6, 3}, {5, 4}, {6, 4}, {5, 5}, {4, 6}, {5, 6}, {4, 7}, {3, 8}, {4, 8}, {3, 9}}, shadow);
        Plot(image, {{7, 3}, {7, 4}, {8, 4}, {8, 5}, {8, 6}, {9, 6}, {9, 7}, {9, 8}, {10, 8}}, brightHighlight);
        PlotRow(image, 4, 10, 9, brightHighlight);
    } else {
        PlotRow(image, 3, 10, 3, shadow);
        Plot(image, {{3, 4}, {4, 4}, {4, 5}, {4, 6}, {5, 6}, {5, 7}, {5, 8}, {6, 8}, {6, 9}}, shadow);
        Plot(image, {{9, 4}, {10, 4}, {9, 5}, {8, 6}, {9, 6}, {8, 7}, {7, 8}, {8, 8}, {7, 9}}, brightHighlight);
    }
    return image;
}

QImage AdvListScrollArrow(Qt::Orientation bar, bool more, const QColor& face, const QColor& text)
{
    QImage image(9, 9, QImage::Format_RGB32);
    image.fill(face);
    // A filled triangle with its apex at 2 and its base at 6 along the bar; the more-arrow is the
    // less-arrow mirrored.
    for (int along = 2; along <= 6; ++along) {
        const int at = more ? 8 - along : along;
        for (int across = 4 - (along - 2); across <= 4 + (along - 2); ++across) {
            if (bar == Qt::Vertical)
                image.setPixelColor(across, at, text);
            else
                image.setPixelColor(at, across, text);
        }
    }
    return image;
}
