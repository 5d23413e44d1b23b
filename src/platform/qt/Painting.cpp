#include "Painting.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform::qt {

namespace {

double channel(double value)
{
    const double c = value;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
           + 0.0722 * channel(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](float a, float b) {
        return static_cast<float>(double{a} + (double{b} - double{a}) * share);
    };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

} // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor& colour, const QColor& background, double ratio)
{
    const QColor target = contrast(Qt::black, background) > contrast(Qt::white, background)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    // A small margin over the ratio: the painted colour is rounded to 8 bits.
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = mixed(colour, target, step / 20.0);
        if (contrast(candidate, background) >= ratio + 0.05)
            return candidate;
    }
    return target;
}

QColor inkColour(const QPalette& palette, Drawing::Ink ink)
{
    const QColor background = palette.color(QPalette::Window);
    QPalette::ColorRole role = QPalette::WindowText;
    switch (ink) {
    case Drawing::Ink::Body:
        role = QPalette::WindowText;
        break;
    case Drawing::Ink::Force:
        role = QPalette::Highlight;
        break;
    case Drawing::Ink::Result:
        role = QPalette::LinkVisited;
        break;
    case Drawing::Ink::Guide:
        role = QPalette::PlaceholderText;
        break;
    }
    return readable(palette.color(role), background, 4.5);
}

void drawArrowHead(QPainter& painter, QPointF from, QPointF to, qreal size)
{
    const QLineF shaft(to, from);
    for (const qreal turn : {25.0, -25.0}) {
        QLineF wing = shaft;
        wing.setLength(size);
        wing.setAngle(shaft.angle() + turn);
        painter.drawLine(wing);
    }
}

LabelPlacer::LabelPlacer(const QRectF& area)
    : bounds(area)
{
}

QRectF LabelPlacer::place(QPointF anchor, QSizeF size, QPointF direction)
{
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF unit = length > 0.0 ? direction / length : QPointF(0.0, -1.0);
    const QPointF half(size.width() / 2.0, size.height() / 2.0);
    const double pad = size.height() * 0.2;
    // How far along a unit direction the label's centre must go for the
    // label to clear the anchor by the pad.
    const auto clearing = [&](QPointF way) {
        const double x = std::abs(way.x()) > 1e-6 ? (half.x() + pad) / std::abs(way.x()) : 1e9;
        const double y = std::abs(way.y()) > 1e-6 ? (half.y() + pad) / std::abs(way.y()) : 1e9;
        return std::min(x, y);
    };
    const QPointF across(-unit.y(), unit.x());
    // Offsets from the anchor to the label's centre: the way asked first,
    // then across it either side, then the opposite way, then further out.
    std::vector<QPointF> offsets;
    for (const double distance : {1.0, 1.8, 2.6}) {
        for (const QPointF way : {unit, across, -across, -unit})
            offsets.push_back(way * clearing(way) * distance);
    }
    const auto keptInside = [this](QRectF rect) {
        if (rect.right() > bounds.right())
            rect.moveRight(bounds.right());
        if (rect.left() < bounds.left())
            rect.moveLeft(bounds.left());
        if (rect.bottom() > bounds.bottom())
            rect.moveBottom(bounds.bottom());
        if (rect.top() < bounds.top())
            rect.moveTop(bounds.top());
        return rect;
    };
    const auto overlap = [this](const QRectF& rect) {
        double area = 0.0;
        for (const QRectF& other : taken) {
            const QRectF common = rect.intersected(other);
            area += common.width() * common.height();
        }
        return area;
    };
    QRectF best;
    double bestOverlap = -1.0;
    for (const QPointF& offset : offsets) {
        const QRectF rect = keptInside(QRectF(anchor + offset - half, size));
        const double covered = overlap(rect);
        if (bestOverlap < 0.0 || covered < bestOverlap) {
            best = rect;
            bestOverlap = covered;
        }
        if (covered == 0.0)
            break;
    }
    taken.push_back(best);
    return best;
}

} // namespace platform::qt
