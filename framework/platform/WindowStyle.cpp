#include "framework/platform/IPlatformWindow.hpp"

namespace Corvane::Platform
{
namespace
{
// The bits of the window attributes' style words that matter to a platform window.
constexpr std::uint32_t STYLE_POPUP = 0x80000000;
constexpr std::uint32_t STYLE_SIZING_FRAME = 0x00040000;
constexpr std::uint32_t EXTENDED_STYLE_ACCEPT_FILES = 0x00000010;
} // namespace

SWindowStyle describeStyle(std::uint32_t style, std::uint32_t extendedStyle)
{
    SWindowStyle described;
    // Only the menus are made as popups, so a popup is a menu window whatever its extended bits
    // (topmost, layered, never activated) say; it has no frame to size it by.
    described.popupMenu = (style & STYLE_POPUP) != 0;
    described.resizable = !described.popupMenu && (style & STYLE_SIZING_FRAME) != 0;
    described.acceptsDroppedFiles = (extendedStyle & EXTENDED_STYLE_ACCEPT_FILES) != 0;
    return described;
}
} // namespace Corvane::Platform
