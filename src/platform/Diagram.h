// A picture that a controller draws into: arrows between points of the plane,
// to scale over the axes, with a legend. It scales and draws what it is given
// and works nothing out for itself.
#pragma once

#include "Text.h"

#include <string>

namespace platform {

class Diagram
{
public:
    struct Point
    {
        double x = 0.0;
        double y = 0.0;
    };

    enum class Arrow {
        Part, // one of several arrows, drawn alike
        Total // stands out from the parts
    };

    virtual ~Diagram() = default;

    // Takes away every arrow and the legend; the axes stay.
    virtual void erase() = 0;
    // An arrow labelled near its middle: a vector's name, never translated.
    // An arrow with an end that is no finite number is not drawn.
    virtual void drawArrow(Point from, Point to, const std::string& label, Arrow kind) = 0;
    virtual void addLegendLine(const Text& text) = 0;
    // What assistive technology reads out for the picture.
    virtual void setDescription(const Text& text) = 0;

protected:
    Diagram() = default;
    Diagram(const Diagram&) = default;
    Diagram& operator=(const Diagram&) = default;
};

} // namespace platform
