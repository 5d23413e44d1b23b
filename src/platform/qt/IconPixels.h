// The window icon's pixels, compiled in from the application's SVG icon at
// build time (see data/CMakeLists.txt).
#pragma once

#include <cstdint>

namespace platform::qt {

struct IconPixels
{
    int size;                    // width and height
    const std::uint32_t* argb32; // size × size pixels, 0xAARRGGBB
};

extern const IconPixels iconPixels[];
extern const int iconPixelsCount;

} // namespace platform::qt
