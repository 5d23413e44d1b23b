#include "PianoController.h"

#include "Numbers.h"

#include <cmath>

void PianoController::analyze(platform::Sender)
{
    press.begin("W⊥, W∥, α");
    const float W = press.read(*weight, "N");
    const float h = press.read(*height, "m");
    const float b = press.read(*base, "m");
    const float l = press.read(*lenght, "m");

    // The sides are taken as typed: the angle comes from h and l alone, and
    // nothing checks that b² + h² = l².
    const float ratio = h / l;
    const float weightTimesBase = W * b;
    const float perpendicular = weightTimesBase / l;
    const float weightTimesHeight = W * h;
    const float parallel = weightTimesHeight / l;
    const double angleInDegrees = platform::radiansToDegrees(std::asin(double{ratio}));
    const float angle = static_cast<float>(angleInDegrees);

    // The echoes repeat what was read; only the results get a digits note.
    platform::display(*dorto, "%0.2f", perpendicular);
    platform::display(*dpara, "%0.2f", parallel);
    platform::display(*dh, "%0.2f", h);
    platform::display(*db, "%0.2f", b);
    platform::display(*dl, "%0.2f", l);
    press.display(*dangolo, "%0.2f", angle);
    press.display(*labOrto, "%0.2f", perpendicular);
    press.display(*labPara, "%0.2f", parallel);

    if (l == 0.0f) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1 is 0: both components and the angle divide by it "
                                              "(inf, or nan for 0 / 0)."),
             {lenght->label()}});
    } else if (std::fabs(h) > std::fabs(l)) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes",
                                     "%1 %2 is greater than %3 %4: no ramp has sin α = h / l "
                                     "above 1, so the angle has no value (nan)."),
             {height->label(), platform::shortest(h), lenght->label(), platform::shortest(l)}});
    } else {
        // Within half a percent of l², as a student's rounded sides are.
        const double sumOfSquares = double{b} * double{b} + double{h} * double{h};
        const double lengthSquared = double{l} * double{l};
        if (std::fabs(sumOfSquares - lengthSquared) > 0.005 * lengthSquared) {
            press.add({PHYSCALC_TRANSLATE_NOOP(
                           "Notes", "The sides are no right triangle: b² + h² = %1 but l² = %2. W⊥ "
                                    "used b and l, W∥ and α used h and l, each as typed."),
                       {platform::significantFigures(sumOfSquares),
                        platform::significantFigures(lengthSquared)}});
        }
    }
    press.finish(notes);
}
