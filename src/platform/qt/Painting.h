// What the drawings share: colours taken from the palette and made to stand
// out from the background, arrow heads, and labels that keep clear of each
// other.
#pragma once

#include "Drawing.h"

#include <QColor>
#include <QPalette>
#include <QRectF>

#include <vector>

class QPainter;

namespace platform::qt {

// The contrast ratio of two colours as the web's accessibility guidelines
// define it: from 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// The colour, moved towards black or white (whichever the background is
// further from) just enough to reach the ratio against the background.
QColor readable(const QColor& colour, const QColor& background, double ratio);

// Strokes and their labels share one colour, so every ink meets the ratio
// asked of text (4.5), which is above the one asked of lines (3).
QColor inkColour(const QPalette& palette, Drawing::Ink ink);

void drawArrowHead(QPainter& painter, QPointF from, QPointF to, qreal size);

// Places label rectangles one by one near where they are wanted, trying a few
// positions round each and taking the first that overlaps no earlier label
// and stays inside the bounds.
class LabelPlacer
{
public:
    explicit LabelPlacer(const QRectF& bounds);

    // The rectangle of the given size for a label wanted at the anchor,
    // preferably offset along the direction (x right, y down on the screen).
    QRectF place(QPointF anchor, QSizeF size, QPointF direction);
    // Text already drawn, which no label may cover.
    void reserve(const QRectF& rect) { taken.push_back(rect); }

private:
    QRectF bounds;
    std::vector<QRectF> taken;
};

} // namespace platform::qt
