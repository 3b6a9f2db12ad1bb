#pragma once

#include "tests/gui/graphics/DrawingCanvas.hpp"

#include <string>

namespace Corvane::Testing
{
/** "" when both canvases hold the same pixels, else where and how the first pixels differ. */
std::string firstDifference(DrawingCanvas &actual, DrawingCanvas &expected);
} // namespace Corvane::Testing
