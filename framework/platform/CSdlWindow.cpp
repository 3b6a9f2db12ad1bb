#include "framework/platform/CSdlWindow.hpp"

#include "framework/basics/MemoryPages.hpp"
#include "framework/platform/CSdlDriver.hpp"
#include "framework/platform/PixelAreas.hpp"
#include "framework/platform/SdlX11.hpp"

#include <SDL.h>

#include <algorithm>

namespace Corvane::Platform
{
namespace
{
/** Surfaces whose pixels are laid out as ours, one 32-bit word with blue in the lowest byte. */
bool hasOurLayout(const SDL_Surface &surface)
{
    return surface.format->format == SDL_PIXELFORMAT_ARGB8888 || surface.format->format == SDL_PIXELFORMAT_RGB888;
}

/** Copies @p area of our picture into @p surface, converting the pixels when the layout differs. */
void copyToSurface(const std::uint32_t *pixels, long rowWords, SDL_Surface &surface, const SArea &area)
{
    if (hasOurLayout(surface))
    {
        copyArea(pixels, rowWords, static_cast<std::uint32_t *>(surface.pixels), surface.pitch / 4, area);
        return;
    }
    const std::uint32_t *source = pixels + area.y * rowWords + area.x;
    auto *target = static_cast<std::uint8_t *>(surface.pixels) + area.y * surface.pitch +
                   area.x * surface.format->BytesPerPixel;
    SDL_ConvertPixels(area.width, area.height, SDL_PIXELFORMAT_ARGB8888, source, static_cast<int>(rowWords * 4),
                      surface.format->format, target, surface.pitch);
}

SDL_Rect toRect(const SArea &area)
{
    return SDL_Rect{area.x, area.y, area.width, area.height};
}
} // namespace

CSdlWindow::CSdlWindow(CSdlDriver &driver, SDL_Window *window, const SWindowStyle &style,
                       IPlatformWindowHandler &handler)
    : m_driver(&driver), m_window(window), m_id(SDL_GetWindowID(window)), m_inbox(handler, style.acceptsDroppedFiles)
{
}

CSdlWindow::~CSdlWindow()
{
    detach();
}

void CSdlWindow::detach()
{
    stopTextInput();
    if (m_driver != nullptr)
        m_driver->forget(*this);
    m_driver = nullptr;
    if (m_window != nullptr)
        SDL_DestroyWindow(m_window);
    m_window = nullptr;
    m_showPending = false;
}

void CSdlWindow::show()
{
    if (m_window == nullptr)
        return;
    // The picture the window is presented from is made before the window is mapped: making it
    // waits for the display server, which is then idle rather than busy with the window manager's
    // work on a newly mapped window. SDL keeps it for the presents to come, which fill it whole.
    // Its pages are made here in one call rather than one fault at a time by the first drawing
    // (the framework's own SDL has made them already on X11; others may not have).
    if (SDL_Surface *surface = SDL_GetWindowSurface(m_window))
        Basics::prefaultPages(surface->pixels, static_cast<std::size_t>(surface->pitch) * surface->h);
    // On X11 a hidden window is only asked for here: the window manager maps it while the first
    // picture is drawn, instead of after. SDL, whose show waits for the mapping, gets it later.
    const bool hidden = (SDL_GetWindowFlags(m_window) & SDL_WINDOW_SHOWN) == 0;
    m_showPending = m_showPending || (hidden && requestX11Map(m_window));
    if (!m_showPending)
        SDL_ShowWindow(m_window);
    m_visible = true;
}

bool CSdlWindow::readyWindow()
{
    if (m_showPending)
    {
        m_showPending = false;
        SDL_ShowWindow(m_window);
        dropX11MapNoticesBefore(m_window, getNextX11Request(m_window));
    }
    return m_window != nullptr;
}

void CSdlWindow::hide()
{
    if (!readyWindow())
        return;
    SDL_HideWindow(m_window);
    m_visible = false;
}

void CSdlWindow::move(const SPoint &position)
{
    if (!readyWindow())
        return;
    const SPoint device = m_driver->getScale().toDevice(position);
    SDL_SetWindowPosition(m_window, device.x, device.y);
}

void CSdlWindow::resize(const SSize &size)
{
    if (!readyWindow())
        return;
    // The window surface is made again at the next present, at the new size.
    const SSize device = m_driver->getScale().toDevice(size);
    SDL_SetWindowSize(m_window, std::max(1, device.width), std::max(1, device.height));
}

void CSdlWindow::setOpacity(double opacity)
{
    if (!readyWindow())
        return;
    SDL_SetWindowOpacity(m_window, static_cast<float>(std::clamp(opacity, 0.0, 1.0)));
}

void CSdlWindow::setIcon(const std::uint32_t *pixels, const SSize &size, long rowWords)
{
    if (m_window == nullptr || !isPicture(pixels, size, rowWords))
        return;
    m_pendingIcon = unpremultiply(pixels, size, rowWords);
    m_pendingIconSize = size;
    if (m_presented)
        applyIcon();
}

void CSdlWindow::applyIcon()
{
    if (m_pendingIcon.empty())
        return;
    SDL_Surface *icon =
        SDL_CreateRGBSurfaceWithFormatFrom(m_pendingIcon.data(), m_pendingIconSize.width, m_pendingIconSize.height,
                                           32, m_pendingIconSize.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon != nullptr)
    {
        SDL_SetWindowIcon(m_window, icon);
        SDL_FreeSurface(icon);
    }
    std::vector<std::uint32_t>().swap(m_pendingIcon);
}

void CSdlWindow::present(const std::uint32_t *pixels, const SSize &pictureSize, long rowWords, const SArea &area)
{
    if (!isPicture(pixels, pictureSize, rowWords) || !readyWindow())
        return;
    // Asked for at every present: after a resize SDL makes the surface again.
    SDL_Surface *surface = SDL_GetWindowSurface(m_window);
    if (surface == nullptr)
        return;
    const SArea copied = clipArea(area, pictureSize, SSize{surface->w, surface->h});
    if (copied.isEmpty())
        return;
    if (pixels != surface->pixels) // else it was drawn where it is shown
    {
        if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)
            return;
        copyToSurface(pixels, rowWords, *surface, copied);
        if (SDL_MUSTLOCK(surface))
            SDL_UnlockSurface(surface);
    }
    const SDL_Rect rect = toRect(copied);
    // A window shown whole needs no second present for what was uncovered before this one (its
    // mapping at the least): that would send the server the same picture again.
    const bool whole = copied.width == surface->w && copied.height == surface->h;
    const unsigned long firstRequest = whole ? getNextX11Request(m_window) : 0;
    if (SDL_UpdateWindowSurfaceRects(m_window, &rect, 1) == 0)
        dropX11ExposuresBefore(m_window, firstRequest);
    m_presented = true;
    applyIcon();
}

std::uint32_t *CSdlWindow::getScreenPicture(SSize &size, long &rowWords)
{
    SDL_Surface *surface = m_window != nullptr ? SDL_GetWindowSurface(m_window) : nullptr;
    if (surface == nullptr || SDL_MUSTLOCK(surface) || !hasOurLayout(*surface))
        return nullptr;
    size = SSize{surface->w, surface->h};
    rowWords = surface->pitch / 4;
    return static_cast<std::uint32_t *>(surface->pixels);
}

void CSdlWindow::captureMouse(bool capture)
{
    if (m_driver == nullptr)
        return;
    readyWindow();
    m_driver->captureMouse(*this, capture);
}

bool CSdlWindow::getOuterArea(SArea &area) const
{
    if (m_window == nullptr)
        return false;
    SArea outer;
    SDL_GetWindowPosition(m_window, &outer.x, &outer.y);
    SDL_GetWindowSize(m_window, &outer.width, &outer.height);
    int top = 0, left = 0, bottom = 0, right = 0;
    // Where the window manager does not tell (or draws no frame) the frame is taken as none.
    if (SDL_GetWindowBordersSize(m_window, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    outer = SArea{outer.x - left, outer.y - top, outer.width + left + right, outer.height + top + bottom};
    area = m_driver->getScale().toLogical(outer);
    return true;
}

bool CSdlWindow::getClientSize(SSize &size) const
{
    if (m_window == nullptr)
        return false;
    SSize device;
    SDL_GetWindowSize(m_window, &device.width, &device.height);
    size = m_driver->getScale().toLogical(device);
    return true;
}

void CSdlWindow::bringToForeground()
{
    if (!readyWindow())
        return;
    SDL_RaiseWindow(m_window);
    SDL_SetWindowInputFocus(m_window); // a window manager may refuse: nothing to do then
}

void CSdlWindow::raise()
{
    if (!readyWindow())
        return;
    SDL_RaiseWindow(m_window);
}

void CSdlWindow::startTimer(long id, long milliseconds)
{
    if (m_driver != nullptr)
        m_driver->m_timers.start(m_id, id, milliseconds);
}

void CSdlWindow::stopTimer(long id)
{
    if (m_driver != nullptr)
        m_driver->m_timers.stop(m_id, id);
}

void CSdlWindow::startTextInput(const SArea &area)
{
    if (!readyWindow())
        return;
    SDL_Rect rect = toRect(m_driver->getScale().toDevice(area));
    SDL_SetTextInputRect(&rect);
    SDL_StartTextInput();
    m_inbox.setTextInput(true);
}

void CSdlWindow::stopTextInput()
{
    if (m_window == nullptr || !m_inbox.isTextInputOn())
        return;
    m_inbox.setTextInput(false);
    SDL_StopTextInput();
}
} // namespace Corvane::Platform
