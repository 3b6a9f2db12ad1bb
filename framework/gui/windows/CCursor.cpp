#include "framework/gui/windows/CCursor.hpp"

#include "framework/platform/IPlatformDriver.hpp"

#include <array>

namespace Corvane::GUI::Windows
{
CORVANE_DEFINE_CLASS(CCursor, "CCursor", "CCountedObject")

namespace
{
constexpr long NUMBER_OF_STOCK_CURSORS = 8;

Platform::EStockCursor shapeOf(long type)
{
    if (type < 0 || type >= NUMBER_OF_STOCK_CURSORS)
        return Platform::EStockCursor::ARROW;
    return static_cast<Platform::EStockCursor>(type);
}

/** The pointer shows while this is zero or more. */
long cursorDisplayCount = 0;
} // namespace

CCursor::CCursor(long type) : m_shape(shapeOf(type)) {}

void CCursor::setStockCursor(long type)
{
    m_shape = shapeOf(type);
}

void CCursor::show() const
{
    Platform::getPlatformDriver().setCursor(m_shape);
}

CCursor *CCursor::getPredefinedCursor(long type)
{
    // Plain values with no platform resource of their own: the backend makes and frees the
    // real cursors, so these can live as long as the process without any shutdown step.
    static std::array<CCursor, NUMBER_OF_STOCK_CURSORS> cursors{CCursor(0), CCursor(1), CCursor(2), CCursor(3),
                                                                CCursor(4), CCursor(5), CCursor(6), CCursor(7)};
    return &cursors[static_cast<std::size_t>(shapeOf(type))];
}

void hideCursor()
{
    if (--cursorDisplayCount == -1)
        Platform::getPlatformDriver().showCursor(false);
}

void showCursor()
{
    if (++cursorDisplayCount == 0)
        Platform::getPlatformDriver().showCursor(true);
}
} // namespace Corvane::GUI::Windows
