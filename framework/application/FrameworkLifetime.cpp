#include "framework/application/FrameworkLifetime.hpp"

#include "framework/application/CApplication.hpp"
#include "framework/basics/CProcessServices.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/graphics/CImageManager.hpp"
#include "framework/io/CClassReport.hpp"
#include "framework/io/Log.hpp"

namespace Corvane::Application
{
namespace
{
constexpr const char *DEFAULT_FONT_FACE = "Arial";
constexpr long DEFAULT_FONT_POINTS = 8;
} // namespace

void startFramework()
{
    IO::startLog();
    GUI::Graphics::CImageManager::initialise();
    // The default font holds the only reference, so releasing it frees the font.
    GUI::Graphics::CFont::setDefaultFont(new GUI::Graphics::CFont(DEFAULT_FONT_FACE, DEFAULT_FONT_POINTS));
}

void stopFramework(const char *classReportPath)
{
    Basics::CProcessServices::shutdown();
    IO::shutdownClassRegistry(classReportPath);
    CApplication::releaseApplication();
}
} // namespace Corvane::Application
