#include "DiagramView.h"

#include "Painting.h"
#include "TranslatedText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace platform::qt {

namespace {

bool isFinite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

// A step of 1, 2 or 5 times a power of ten, near the given one.
double roundStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (rough <= factor * power)
            return factor * power;
    }
    return 10.0 * power;
}

void drawHead(QPainter& painter, QPointF from, QPointF to, qreal size)
{
    drawArrowHead(painter, from, to, size);
}

// The part of the plane shown.
struct Extent
{
    double minX = 0.0;
    double maxX = 0.0;
    double minY = 0.0;
    double maxY = 0.0;
};

// Maps the plane onto a rectangle of the widget: the same scale on both axes,
// y upwards.
class Mapping
{
public:
    Mapping(const Extent& plane, const QRectF& area)
        : centre((plane.minX + plane.maxX) / 2.0, (plane.minY + plane.maxY) / 2.0)
        , middle(area.center())
        , scale(std::min(area.width() / (plane.maxX - plane.minX),
                         area.height() / (plane.maxY - plane.minY)))
    {
    }

    QPointF operator()(double x, double y) const
    {
        return {middle.x() + (x - centre.x()) * scale, middle.y() - (y - centre.y()) * scale};
    }
    QPointF operator()(QPointF point) const { return (*this)(point.x(), point.y()); }

private:
    QPointF centre;
    QPointF middle;
    double scale;
};

} // namespace

DiagramView::DiagramView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DiagramView::erase()
{
    arrows.clear();
    legend.clear();
    update();
}

void DiagramView::drawArrow(Point from, Point to, const std::string& label, Arrow kind)
{
    arrows.push_back({{from.x, from.y}, {to.x, to.y}, QString::fromStdString(label), kind});
    update();
}

void DiagramView::addLegendLine(const Text& text)
{
    legend.append(translated(text));
    update();
}

void DiagramView::setDescription(const Text& text)
{
    setAccessibleDescription(translated(text));
}

QSize DiagramView::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 18, line * 16};
}

// Wide enough for the caption of the resultant, and for the notes and
// working below it to be read without scrolling sideways.
QSize DiagramView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 18, line * 11};
}

void DiagramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const qreal line = fontMetrics().height();
    const qreal legendHeight = line * static_cast<qreal>(legend.size());
    const QRectF area =
        QRectF(rect()).adjusted(line * 1.5, line, -line * 1.5, -line * 1.5 - legendHeight);

    // The part of the plane to show: the origin and every arrow, with a
    // margin all round.
    Extent plane;
    for (const Drawn& arrow : arrows) {
        if (!isFinite(arrow.from) || !isFinite(arrow.to))
            continue;
        for (const QPointF point : {arrow.from, arrow.to}) {
            plane.minX = std::min(plane.minX, point.x());
            plane.maxX = std::max(plane.maxX, point.x());
            plane.minY = std::min(plane.minY, point.y());
            plane.maxY = std::max(plane.maxY, point.y());
        }
    }
    double span = std::max(plane.maxX - plane.minX, plane.maxY - plane.minY);
    if (!(span > 0.0 && std::isfinite(span)))
        span = 1.0;
    const double margin = span * 0.1;
    plane = {plane.minX - margin, plane.maxX + margin, plane.minY - margin, plane.maxY + margin};
    const Mapping map(plane, area);

    // Axes through the origin, arrows at their positive ends, and ticks at a
    // round step.
    const QPointF origin = map(0.0, 0.0);
    const QPointF xEnd = map(plane.maxX, 0.0);
    const QPointF yEnd = map(0.0, plane.maxY);
    const QColor axisColour = inkColour(colours, Drawing::Ink::Guide);
    painter.setPen(QPen(axisColour, std::max(1.5, line / 10.0)));
    painter.drawLine(map(plane.minX, 0.0), xEnd);
    painter.drawLine(map(0.0, plane.minY), yEnd);
    const qreal head = line * 0.45;
    drawHead(painter, origin, xEnd, head);
    drawHead(painter, origin, yEnd, head);

    // Labels are placed after every arrow is drawn, each clear of the others
    // and of the axes' numbers.
    LabelPlacer labels(QRectF(rect()).adjusted(2, 2, -2, -2));
    const double step = roundStep(span / 4.0);
    const qreal tick = line * 0.2;
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    painter.setPen(inkColour(colours, Drawing::Ink::Body));
    for (double at = std::ceil(plane.minX / step) * step; at < plane.maxX; at += step) {
        const QPointF mark = map(at, 0.0);
        if (std::abs(at) < step / 2.0 || xEnd.x() - mark.x() < head * 2.0)
            continue;
        painter.drawLine(mark - QPointF(0, tick), mark + QPointF(0, tick));
        const QString number = QString::number(at, 'g', 6);
        const QRectF box(mark.x() - line * 2, mark.y() + tick, line * 4, line);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, number);
        const qreal wide = painter.fontMetrics().horizontalAdvance(number);
        labels.reserve(QRectF(mark.x() - wide / 2, box.top(), wide, line));
    }
    for (double at = std::ceil(plane.minY / step) * step; at < plane.maxY; at += step) {
        const QPointF mark = map(0.0, at);
        if (std::abs(at) < step / 2.0 || mark.y() - yEnd.y() < head * 2.0)
            continue;
        painter.drawLine(mark - QPointF(tick, 0), mark + QPointF(tick, 0));
        const QString number = QString::number(at, 'g', 6);
        const QRectF box(mark.x() - line * 4 - tick, mark.y() - line / 2, line * 4, line);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, number);
        const qreal wide = painter.fontMetrics().horizontalAdvance(number);
        labels.reserve(QRectF(box.right() - wide, box.top(), wide, line));
    }
    painter.setFont(font());
    painter.drawText(QRectF(xEnd.x() - line * 0.5, xEnd.y(), line, line), Qt::AlignCenter,
                     QStringLiteral("x"));
    painter.drawText(QRectF(yEnd.x() + tick, yEnd.y() - line * 0.5, line, line), Qt::AlignCenter,
                     QStringLiteral("y"));

    std::vector<std::tuple<QString, QPointF, QPointF, QColor>> pending;
    for (const Drawn& arrow : arrows) {
        if (!isFinite(arrow.from) || !isFinite(arrow.to))
            continue;
        const bool total = arrow.kind == Arrow::Total;
        const QColor colour = inkColour(colours, total ? Drawing::Ink::Body : Drawing::Ink::Force);
        const QPointF from = map(arrow.from);
        const QPointF to = map(arrow.to);
        const qreal stroke = std::max(2.0, line / 7.0);
        painter.setPen(QPen(colour, total ? stroke * 1.3 : stroke, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        const QLineF shaft(from, to);
        if (shaft.length() > head)
            drawHead(painter, from, to, head);
        // The label beside the middle of the arrow, on its left-hand side.
        const QLineF normal = shaft.length() > 0.0 ? shaft.normalVector().unitVector()
                                                   : QLineF(from, from + QPointF(0, -1));
        pending.emplace_back(arrow.label, shaft.pointAt(0.5), normal.p2() - normal.p1(), colour);
    }
    const QFontMetricsF metrics(font());
    placed.clear();
    for (const auto& [text, anchor, direction, colour] : pending) {
        const QRectF box = labels.place(
            anchor, QSizeF(metrics.horizontalAdvance(text) + line * 0.3, line), direction);
        placed.push_back(box);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, text);
    }

    painter.setPen(inkColour(colours, Drawing::Ink::Body));
    QRectF legendLine(line, area.bottom() + line * 1.2, width() - line * 2, line);
    for (const QString& text : legend) {
        painter.drawText(legendLine, Qt::AlignLeft | Qt::AlignVCenter, text);
        legendLine.translate(0, line);
    }
}

} // namespace platform::qt
