#include "tests/gui/controls/PixelComparison.hpp"

#include <cstdio>

namespace Corvane::Testing
{
std::string firstDifference(DrawingCanvas &actual, DrawingCanvas &expected)
{
    const MathTools::CDimension &size = actual.graphics().getSize();
    if (!(size == expected.graphics().getSize()))
        return "the sizes differ";
    for (long y = 0; y < size.getHeight(); y++)
        for (long x = 0; x < size.getWidth(); x++)
            if (actual.pixel(x, y) != expected.pixel(x, y))
            {
                char text[96];
                std::snprintf(text, sizeof text, "(%ld, %ld) is %08X, expected %08X", x, y, actual.pixel(x, y),
                              expected.pixel(x, y));
                return text;
            }
    return "";
}
} // namespace Corvane::Testing
