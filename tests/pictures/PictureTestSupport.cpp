#include "tests/pictures/PictureTestSupport.hpp"

#include <algorithm>

namespace Corvane::Testing
{
MathTools::CRect inkBounds(const GUI::Graphics::CNativeImage &picture, const MathTools::CRect &area,
                           std::uint32_t plain)
{
    long left = area.getRight(), top = area.getBottom(), right = area.getLeft(), bottom = area.getTop();
    for (long y = area.getTop(); y < area.getBottom(); y++)
        for (long x = area.getLeft(); x < area.getRight(); x++)
            if (picture.getPixel(x, y) != plain)
            {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
    return right > left ? MathTools::CRect(left, top, right - left, bottom - top) : MathTools::CRect();
}
} // namespace Corvane::Testing
