// The units a person may type after a number, and how a number in one of
// them is written in another unit of the same quantity.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The unit as it is usually written: "cm²" for "cm2" or "cm^2", "°" for
// "deg", "kg/m³" for "kg/m3". Any other text is returned as it stands.
std::string canonicalUnit(std::string_view unit);

// The number written as decimal text ("-14", "2.5e3": a sign, digits with an
// optional point, an optional exponent) in the unit from, expressed in the
// unit to. A factor that is a power of ten moves the decimal exponent, so that
// "14" cm in metres is the float nearest 0.14, as if "0.14" had been typed;
// any other factor (atm, mmHg, min, rad) multiplies in double, rounded to
// float once. None unless both units are known and of the same quantity.
std::optional<float> convertDecimal(std::string_view decimal, std::string_view from,
                                    std::string_view to);

} // namespace platform
