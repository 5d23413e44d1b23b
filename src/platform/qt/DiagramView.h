// The vectors window's picture: the arrows it is given, to scale over the
// axes, with the legend below them.
#pragma once

#include "Diagram.h"

#include <QStringList>
#include <QWidget>

#include <vector>

namespace platform::qt {

class DiagramView final
    : public QWidget
    , public Diagram
{
public:
    explicit DiagramView(QWidget* parent = nullptr);

    void erase() override;
    void drawArrow(Point from, Point to, const std::string& label, Arrow kind) override;
    void addLegendLine(const Text& text) override;
    // Becomes the widget's accessible description.
    void setDescription(const Text& text) override;

    // Where the arrows' labels went at the last painting.
    const std::vector<QRectF>& labelBoxes() const { return placed; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Drawn
    {
        QPointF from;
        QPointF to;
        QString label;
        Arrow kind;
    };

    std::vector<Drawn> arrows;
    QStringList legend;
    std::vector<QRectF> placed;
};

} // namespace platform::qt
