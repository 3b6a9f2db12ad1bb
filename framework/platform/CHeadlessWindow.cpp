#include "framework/platform/CHeadlessDriver.hpp"
#include "framework/platform/PixelAreas.hpp"

#include <algorithm>

namespace Corvane::Platform
{
namespace
{
std::size_t pixelCount(const SSize &size)
{
    return static_cast<std::size_t>(std::max(0, size.width)) * static_cast<std::size_t>(std::max(0, size.height));
}
} // namespace

CHeadlessWindow::CHeadlessWindow(CHeadlessDriver &driver, std::uint32_t id, const SWindowDescription &description,
                                 IPlatformWindowHandler &handler)
    : m_driver(&driver),
      m_id(id),
      m_description(description),
      m_style(describeStyle(description.style, description.extendedStyle)),
      m_inbox(handler, m_style.acceptsDroppedFiles),
      m_position{description.area.x, description.area.y}
{
    resize(SSize{description.area.width, description.area.height});
}

CHeadlessWindow::~CHeadlessWindow()
{
    if (m_driver != nullptr)
        m_driver->forget(*this);
}

void CHeadlessWindow::resize(const SSize &size)
{
    m_size = SSize{std::max(0, size.width), std::max(0, size.height)};
    m_pixels.assign(pixelCount(m_size), 0);
}

void CHeadlessWindow::setOpacity(double opacity)
{
    m_opacity = std::clamp(opacity, 0.0, 1.0);
}

void CHeadlessWindow::setIcon(const std::uint32_t *pixels, const SSize &size, long rowWords)
{
    m_iconSize = isPicture(pixels, size, rowWords) ? size : SSize{};
}

void CHeadlessWindow::present(const std::uint32_t *pixels, const SSize &pictureSize, long rowWords,
                              const SArea &area)
{
    if (!isPicture(pixels, pictureSize, rowWords))
        return;
    const SArea copied = clipArea(area, pictureSize, m_size);
    if (!copied.isEmpty())
        copyArea(pixels, rowWords, m_pixels.data(), m_size.width, copied);
}

void CHeadlessWindow::captureMouse(bool capture)
{
    if (m_driver == nullptr)
        return;
    if (capture)
        m_driver->m_capturedId = m_id;
    else if (m_driver->m_capturedId == m_id)
        m_driver->m_capturedId = 0;
}

bool CHeadlessWindow::getOuterArea(SArea &area) const
{
    area = SArea{m_position.x, m_position.y, m_size.width, m_size.height};
    return true;
}

bool CHeadlessWindow::getClientSize(SSize &size) const
{
    size = m_size;
    return true;
}

void CHeadlessWindow::bringToForeground()
{
    if (m_driver != nullptr)
        m_driver->m_foregroundId = m_id;
}

void CHeadlessWindow::startTextInput(const SArea &area)
{
    m_textInputArea = area;
    m_inbox.setTextInput(true);
}

bool CHeadlessWindow::isCaptured() const
{
    return m_driver != nullptr && m_driver->m_capturedId == m_id;
}

long CHeadlessWindow::getTimerPeriod(long id) const
{
    const auto timer = m_timers.find(id);
    return timer == m_timers.end() ? 0 : timer->second;
}

std::uint32_t CHeadlessWindow::getPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size.width || y >= m_size.height)
        return 0;
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_size.width) + static_cast<std::size_t>(x)];
}
} // namespace Corvane::Platform
