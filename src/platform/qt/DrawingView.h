// A tool's situation drawn to the person's numbers: what the controller gave,
// scaled to fit the widget, with a caption below. It paints only when shown.
#pragma once

#include "Drawing.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace platform::qt {

class DrawingView final
    : public QWidget
    , public Drawing
{
public:
    explicit DrawingView(QWidget* parent = nullptr);

    void erase() override;
    void drawOutline(const std::vector<Point>& corners, Ink ink) override;
    void drawLine(Point from, Point to, Ink ink) override;
    void drawArrow(Point from, Point to, const std::string& label, Ink ink) override;
    void drawTurn(Point centre, double radius, double startDegrees, double sweepDegrees,
                  const std::string& label, Ink ink) override;
    void drawLabel(Point at, const std::string& text) override;
    void setCaption(const Text& text) override;
    // Becomes the widget's accessible description.
    void setDescription(const Text& text) override;

    // How many outlines, lines, arrows and turns are drawn.
    int strokeCount() const { return static_cast<int>(shapes.size()); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Kind {
        Outline,
        Line,
        Arrow,
        Turn,
        Label
    };
    struct Shape
    {
        Kind kind;
        std::vector<QPointF> points; // a turn: its centre
        QString label;
        Ink ink = Ink::Body;
        double radius = 0.0;
        double start = 0.0;
        double sweep = 0.0;
    };

    void add(Shape shape);
    void describe();

    std::vector<Shape> shapes;
    QString caption;
    QString description;
};

} // namespace platform::qt
