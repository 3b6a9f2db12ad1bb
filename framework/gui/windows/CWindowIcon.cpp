#include "framework/gui/windows/CWindowIcon.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/gui/graphics/ImageFactory.hpp"
#include "framework/host/FileFunctions.hpp"

namespace Corvane::GUI::Windows
{
CORVANE_DEFINE_CLASS(CWindowIcon, "CWindowIcon", "CCountedObject")

CWindowIcon::CWindowIcon() = default;

CWindowIcon::CWindowIcon(Graphics::CBaseImage *icon)
{
    setIcon(icon);
}

CWindowIcon::CWindowIcon(long resourceNumber)
{
    loadIcon(resourceNumber);
}

void CWindowIcon::setIcon(Graphics::CBaseImage *icon)
{
    m_icon.reset(icon);
}

bool CWindowIcon::loadIcon(long)
{
    Basics::CString program;
    if (!Host::getApplicationFile(program))
    {
        setIcon(nullptr);
        return false;
    }
    return loadIconFromFile(Basics::CSystemString(program), 0);
}

bool CWindowIcon::loadIconFromFile(const Basics::CSystemString &path, long index)
{
    setIcon(index == 0 ? findIcon(path) : nullptr);
    return static_cast<bool>(m_icon);
}

void CWindowIcon::copyFrom(const CWindowIcon &other)
{
    setIcon(other.m_icon.get());
}

Graphics::CBaseImage *CWindowIcon::getIcon() const
{
    return m_icon.get();
}

Graphics::CBaseImage *CWindowIcon::findIcon(const Basics::CSystemString &path)
{
    const Basics::CSystemString iconFile =
        Graphics::CPNGImage::isPNGFilename(path) ? path : findProgramIconFile(path);
    if (!Host::fileExists(iconFile))
        return nullptr;
    try
    {
        return new Graphics::CPNGImage(iconFile);
    }
    catch (const Exceptions::CException &)
    {
        return nullptr; // a damaged icon file is no reason to stop a window from opening
    }
}

Basics::CSystemString CWindowIcon::findProgramIconFile(const Basics::CSystemString &path)
{
    Basics::CSystemString name = path.getFileName();
    name.appendFileExtension("png", true);
    Basics::CString folder;
    Host::getFolderOfFile(path, folder, true);
    for (const char *subfolder : {"", "Resources"})
    {
        const Basics::CSystemString candidate =
            Graphics::joinImagePath(Graphics::joinImagePath(folder, subfolder), name);
        if (Host::fileExists(candidate))
            return candidate;
    }
    return " ";
}
} // namespace Corvane::GUI::Windows
