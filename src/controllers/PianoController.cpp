#include "PianoController.h"

#include "Numbers.h"
#include "Working.h"

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

    using platform::shortest;
    using platform::Text;
    const auto shown = [](float value) { return platform::stringWithFormat("%0.2f", value); };
    working::publish(
        working, log,
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Inclined plane"), {}},
         {{"W", shortest(W)}, {"h", shortest(h)}, {"b", shortest(b)}, {"l", shortest(l)}},
         {{"W\u22a5", shown(perpendicular)},
          {"W\u2225", shown(parallel)},
          {"\u03b1", shown(angle)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working",
                  "W\u22a5 = W \u00b7 b / l = %1 N \u00d7 %2 m / %3 m %4 N\u00b7m / %3 m = %5 N"),
              {shortest(W), shortest(b), shortest(l), working::step(weightTimesBase),
               shown(perpendicular)}},
         Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working",
                  "W\u2225 = W \u00b7 h / l = %1 N \u00d7 %2 m / %3 m %4 N\u00b7m / %3 m = %5 N"),
              {shortest(W), shortest(h), shortest(l), working::step(weightTimesHeight),
               shown(parallel)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "h / l = %1 m / %2 m %3"),
              {shortest(h), shortest(l), working::step(ratio)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "\u03b1 = asin(h / l) = asin(%1 / %2) = %3\u00b0"),
              {shortest(h), shortest(l), shown(angle)}}});
}
