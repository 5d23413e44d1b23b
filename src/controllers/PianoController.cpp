#include "PianoController.h"

#include "Numbers.h"

#include <cmath>

void PianoController::analyze(platform::Sender)
{
    const float W = weight->floatValue();
    const float h = height->floatValue();
    const float b = base->floatValue();
    const float l = lenght->floatValue();

    // The sides are taken as typed: the angle comes from h and l alone, and
    // nothing checks that b² + h² = l².
    const float ratio = h / l;
    const float weightTimesBase = W * b;
    const float perpendicular = weightTimesBase / l;
    const float weightTimesHeight = W * h;
    const float parallel = weightTimesHeight / l;
    const double angleInDegrees = platform::radiansToDegrees(std::asin(double{ratio}));
    const float angle = static_cast<float>(angleInDegrees);

    platform::display(*dorto, "%0.2f", perpendicular);
    platform::display(*dpara, "%0.2f", parallel);
    platform::display(*dh, "%0.2f", h);
    platform::display(*db, "%0.2f", b);
    platform::display(*dl, "%0.2f", l);
    platform::display(*dangolo, "%0.2f", angle);
    platform::display(*labOrto, "%0.2f", perpendicular);
    platform::display(*labPara, "%0.2f", parallel);
}
