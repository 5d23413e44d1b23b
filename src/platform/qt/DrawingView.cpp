#include "DrawingView.h"

#include "Painting.h"
#include "TextPaneView.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::qt {

namespace {

bool isFinite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

QPointF onCircle(QPointF centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

} // namespace

DrawingView::DrawingView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DrawingView::erase()
{
    shapes.clear();
    caption.clear();
    description.clear();
    setAccessibleDescription(QString());
    update();
}

void DrawingView::add(Shape shape)
{
    // A shape with a point that is no finite number cannot be placed.
    if (!std::all_of(shape.points.begin(), shape.points.end(), isFinite)
        || !std::isfinite(shape.radius) || !std::isfinite(shape.sweep))
        return;
    shapes.push_back(std::move(shape));
    update();
}

void DrawingView::drawOutline(const std::vector<Point>& corners, Ink ink)
{
    Shape shape{Kind::Outline, {}, {}, ink};
    for (const Point& corner : corners)
        shape.points.emplace_back(corner.x, corner.y);
    add(std::move(shape));
}

void DrawingView::drawLine(Point from, Point to, Ink ink)
{
    add({Kind::Line, {{from.x, from.y}, {to.x, to.y}}, {}, ink});
}

void DrawingView::drawArrow(Point from, Point to, const std::string& label, Ink ink)
{
    add({Kind::Arrow, {{from.x, from.y}, {to.x, to.y}}, QString::fromStdString(label), ink});
}

void DrawingView::drawTurn(Point centre, double radius, double startDegrees, double sweepDegrees,
                           const std::string& label, Ink ink)
{
    add({Kind::Turn,
         {{centre.x, centre.y}},
         QString::fromStdString(label),
         ink,
         radius,
         startDegrees,
         sweepDegrees});
}

void DrawingView::drawLabel(Point at, const std::string& text)
{
    add({Kind::Label, {{at.x, at.y}}, QString::fromStdString(text), Ink::Body});
}

void DrawingView::setCaption(const Text& text)
{
    caption = translated(text);
    describe();
    update();
}

void DrawingView::setDescription(const Text& text)
{
    description = translated(text);
    describe();
}

// A screen reader hears the picture in words and then its caption, unless
// the caption says no more than the words.
void DrawingView::describe()
{
    setAccessibleDescription(caption.isEmpty() || caption == description
                                 ? description
                                 : description + QLatin1Char(' ') + caption);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// Well above the minimum: a layout short of room takes it from the notes and
// working as much as from the drawing, and gives it back to all alike.
QSize DrawingView::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 20, line * 16};
}

// Small enough for a laptop's screen beside the fields, large enough that
// the labels of the forces and a caption of three lines keep clear of the
// picture.
QSize DrawingView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 15, line * 12};
}

void DrawingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();

    const QRectF captionArea = caption.isEmpty()
                                   ? QRectF()
                                   : metrics.boundingRect(QRectF(0, 0, width() - line, height()),
                                                          Qt::TextWordWrap, caption);
    const QRectF area = QRectF(rect()).adjusted(line * 3.5, line * 1.5, -line * 3.5,
                                                -line * 1.5 - captionArea.height());
    painter.setPen(inkColour(colours, Ink::Body));
    painter.drawText(QRectF(line / 2, height() - captionArea.height() - line / 4, width() - line,
                            captionArea.height()),
                     Qt::TextWordWrap | Qt::AlignLeft, caption);

    // The part of the plane shown: every point, and every turn's circle.
    // (QRectF::united ignores empty rectangles, so the corners are kept.)
    QPointF low;
    QPointF high;
    bool first = true;
    const auto include = [&](QPointF point) {
        low = first ? point : QPointF(std::min(low.x(), point.x()), std::min(low.y(), point.y()));
        high =
            first ? point : QPointF(std::max(high.x(), point.x()), std::max(high.y(), point.y()));
        first = false;
    };
    for (const Shape& shape : shapes) {
        for (const QPointF& point : shape.points) {
            if (shape.kind == Kind::Turn) {
                include(point - QPointF(shape.radius, shape.radius));
                include(point + QPointF(shape.radius, shape.radius));
            } else {
                include(point);
            }
        }
    }
    if (first || area.width() <= 0 || area.height() <= 0)
        return;
    const QRectF plane(low, high);
    const double span = std::max(plane.width(), plane.height());
    const double scale = span > 0.0
                             ? std::min(area.width() / std::max(plane.width(), span * 1e-3),
                                        area.height() / std::max(plane.height(), span * 1e-3))
                             : 1.0;
    const QPointF centre = plane.center();
    const QPointF middle = area.center();
    const auto map = [&](QPointF point) {
        return QPointF(middle.x() + (point.x() - centre.x()) * scale,
                       middle.y() - (point.y() - centre.y()) * scale);
    };

    const qreal stroke = std::max(2.0, line / 7.0);
    const qreal head = line * 0.5;
    LabelPlacer labels(QRectF(rect()).adjusted(2, 2, -2, -2 - captionArea.height()));
    const auto label = [&](const QString& text, QPointF anchor, QPointF direction,
                           const QColor& colour) {
        if (text.isEmpty())
            return;
        const QSizeF size(metrics.horizontalAdvance(text) + line * 0.3, line);
        const QRectF box = labels.place(anchor, size, direction);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, text);
    };

    // Strokes first, then every label over them, placed clear of each other.
    struct Pending
    {
        QString text;
        QPointF anchor;
        QPointF direction;
        QColor colour;
    };
    std::vector<Pending> pending;
    for (const Shape& shape : shapes) {
        const QColor colour = inkColour(colours, shape.ink);
        painter.setPen(QPen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        switch (shape.kind) {
        case Kind::Outline: {
            QPolygonF polygon;
            for (const QPointF& point : shape.points)
                polygon << map(point);
            painter.drawPolygon(polygon);
            break;
        }
        case Kind::Line:
            painter.drawLine(map(shape.points[0]), map(shape.points[1]));
            break;
        case Kind::Arrow: {
            const QPointF from = map(shape.points[0]);
            const QPointF to = map(shape.points[1]);
            painter.drawLine(from, to);
            if (QLineF(from, to).length() > head / 2)
                drawArrowHead(painter, from, to, head);
            // The label just past the head, out of the way of the shaft.
            pending.push_back({shape.label, to, to - from, colour});
            break;
        }
        case Kind::Turn: {
            const QPointF c = map(shape.points[0]);
            const double r = shape.radius * scale;
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            QPainterPath arc;
            arc.arcMoveTo(box, shape.start);
            arc.arcTo(box, shape.start, shape.sweep);
            painter.drawPath(arc);
            // The head points along the arc at its end.
            const double end = shape.start + shape.sweep;
            const double back = shape.sweep > 0 ? -12.0 : 12.0;
            const QPointF tip = map(onCircle(shape.points[0], shape.radius, end));
            const QPointF before = map(onCircle(shape.points[0], shape.radius, end + back));
            drawArrowHead(painter, before, tip, head);
            const QPointF outside =
                map(onCircle(shape.points[0], shape.radius, shape.start + shape.sweep / 2));
            pending.push_back({shape.label, outside, outside - c, colour});
            break;
        }
        case Kind::Label:
            pending.push_back(
                {shape.label, map(shape.points[0]), QPointF(0, 0), inkColour(colours, Ink::Body)});
            break;
        }
    }
    for (const Pending& text : pending)
        label(text.text, text.anchor, text.direction, text.colour);
}

} // namespace platform::qt
