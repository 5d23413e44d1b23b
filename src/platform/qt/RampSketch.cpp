#include "RampSketch.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace platform::qt {

namespace {

void drawArrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    const QLineF shaft(to, from);
    const qreal head = painter.fontMetrics().height() * 0.45;
    for (const qreal turn : {25.0, -25.0}) {
        QLineF wing = shaft;
        wing.setLength(head);
        wing.setAngle(shaft.angle() + turn);
        painter.drawLine(wing);
    }
}

} // namespace

RampSketch::RampSketch(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize RampSketch::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 14, line * 9};
}

QSize RampSketch::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 10, line * 7};
}

void RampSketch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal line = fontMetrics().height();
    const QRectF area = QRectF(rect()).adjusted(line * 1.5, line * 1.2, -line * 1.5, -line * 1.5);

    // A 3-4-5 ramp, scaled to the space there is.
    const qreal scale = std::min(area.width() / 4.0, area.height() / 3.0);
    const QPointF left(area.center().x() - 2.0 * scale, area.center().y() + 1.5 * scale);
    const QPointF right(left.x() + 4.0 * scale, left.y());
    const QPointF top(right.x(), left.y() - 3.0 * scale);

    const QPalette& colours = palette();
    QPainterPath ramp(left);
    ramp.lineTo(right);
    ramp.lineTo(top);
    ramp.closeSubpath();
    painter.fillPath(ramp, colours.alternateBase());
    painter.setPen(QPen(colours.windowText(), 1.5));
    painter.drawPath(ramp);

    // Right-angle mark and angle arc.
    const qreal mark = line * 0.6;
    painter.drawPolyline(QPolygonF{{right.x() - mark, right.y()},
                                   {right.x() - mark, right.y() - mark},
                                   {right.x(), right.y() - mark}});
    const qreal slope = std::atan2(3.0, 4.0) * 180.0 / std::numbers::pi;
    const qreal arc = line * 2.0;
    painter.drawArc(QRectF(left.x() - arc, left.y() - arc, 2 * arc, 2 * arc), 0,
                    static_cast<int>(slope * 16.0));

    painter.drawText(QRectF(left.x(), left.y() + 2, right.x() - left.x(), line), Qt::AlignCenter,
                     QStringLiteral("b"));
    painter.drawText(QRectF(right.x() + 4, top.y(), line, right.y() - top.y()),
                     Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("h"));
    // Outward normal of the slope: up and to the left.
    const QPointF outward(-3.0 / 5.0, -4.0 / 5.0);
    const QPointF lengthLabel = QLineF(left, top).pointAt(0.3) + outward * line;
    painter.drawText(QRectF(lengthLabel.x() - line / 2, lengthLabel.y() - line / 2, line, line),
                     Qt::AlignCenter, QStringLiteral("l"));
    painter.drawText(QRectF(left.x() + arc + 2, left.y() - line * 1.1, line, line), Qt::AlignCenter,
                     QStringLiteral("\u03b1"));

    // The body on the slope, and its weight split across and along the ramp.
    const qreal radius = line * 0.3;
    const QPointF body = QLineF(left, top).pointAt(0.68) + outward * radius;
    const QPointF across(3.0 / 5.0, 4.0 / 5.0); // unit vector into the ramp
    const QPointF along(-4.0 / 5.0, 3.0 / 5.0); // unit vector down the slope
    const qreal weight = scale * 1.3;
    painter.setPen(QPen(colours.highlight(), 2.0));
    drawArrow(painter, body, body + QPointF(0, weight));
    drawArrow(painter, body, body + across * (weight * 4.0 / 5.0));
    drawArrow(painter, body, body + along * (weight * 3.0 / 5.0));
    painter.setBrush(colours.button());
    painter.setPen(QPen(colours.windowText(), 1.0));
    painter.drawEllipse(body, radius, radius);

    painter.setPen(colours.windowText().color());
    const QPointF w = body + QPointF(line * 0.3, weight - line * 0.2);
    painter.drawText(QRectF(w.x(), w.y() - line, line * 1.5, line), Qt::AlignLeft,
                     QCoreApplication::translate("RampSketch", "W", "symbol of the weight"));
    const QPointF p = body + across * (weight * 4.0 / 5.0);
    painter.drawText(QRectF(p.x() + 2, p.y() - line * 0.5, line * 2, line), Qt::AlignLeft,
                     QCoreApplication::translate("RampSketch", "W⊥", "perpendicular component"));
    const QPointF q = body + along * (weight * 3.0 / 5.0) + outward * (line * 0.8);
    painter.drawText(QRectF(q.x() - line, q.y() - line / 2, line * 2, line), Qt::AlignCenter,
                     QCoreApplication::translate("RampSketch", "W∥", "parallel component"));
}

} // namespace platform::qt
