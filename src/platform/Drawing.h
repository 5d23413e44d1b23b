// A picture of a tool's situation that a controller draws into, in the
// units of the problem (metres, or newtons for force arrows), y upwards. The
// picture is scaled to fit whatever room it has; it works nothing out itself.
#pragma once

#include "Text.h"

#include <string>
#include <vector>

namespace platform {

class Drawing
{
public:
    struct Point
    {
        double x = 0.0;
        double y = 0.0;
    };

    // How a stroke stands out: the bodies and surfaces of the situation, the
    // forces acting, the result the tool found, and guides such as measures.
    enum class Ink {
        Body,
        Force,
        Result,
        Guide
    };

    virtual ~Drawing() = default;

    // Takes everything away, the caption and the description included.
    virtual void erase() = 0;
    // A closed outline through the corners.
    virtual void drawOutline(const std::vector<Point>& corners, Ink ink) = 0;
    virtual void drawLine(Point from, Point to, Ink ink) = 0;
    // A straight arrow with a label beside its middle.
    virtual void drawArrow(Point from, Point to, const std::string& label, Ink ink) = 0;
    // An arc round the centre from the start angle through the sweep (degrees,
    // counter-clockwise positive), with its head at the end of the sweep.
    virtual void drawTurn(Point centre, double radius, double startDegrees, double sweepDegrees,
                          const std::string& label, Ink ink) = 0;
    // A label placed near the point, where it overlaps no other label.
    virtual void drawLabel(Point at, const std::string& text) = 0;
    // A line under the picture, for instance why nothing could be drawn.
    virtual void setCaption(const Text& text) = 0;
    // The picture in words, for assistive technology.
    virtual void setDescription(const Text& text) = 0;

protected:
    Drawing() = default;
    Drawing(const Drawing&) = default;
    Drawing& operator=(const Drawing&) = default;
};

} // namespace platform
