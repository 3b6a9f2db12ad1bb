#include "framework/gui/graphics/ImageFactory.hpp"

#include "framework/gui/graphics/CJPEGImage.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"

namespace Corvane::GUI::Graphics
{
CBaseImage *createImage(const Basics::CSystemString &path)
{
    if (CJPEGImage::isJPEGFilename(path))
        return new CJPEGImage(path);
    if (CTGAImage::isTargaFilename(path))
        return new CTGAImage(path);
    if (CPNGImage::isPNGFilename(path))
        return new CPNGImage(path);
    return nullptr;
}

CBaseImage *createImage(const Basics::CSystemString &folder, const Basics::CSystemString &fileName)
{
    return createImage(joinImagePath(folder, fileName));
}

CTGAImage *createTargaImage(const Basics::CSystemString &folder, const Basics::CSystemString &fileName)
{
    Basics::CSystemString path = joinImagePath(folder, fileName);
    if (!path.hasFileExtension() || !path.endsWith("tga"))
        path.appendFileExtension("tga", false);
    return new CTGAImage(path);
}

Basics::CSystemString joinImagePath(const Basics::CSystemString &folder, const Basics::CString &part)
{
    if (folder == "" || folder == " ")
        return Basics::CSystemString(part);
    Basics::CSystemString path(folder);
    path.appendPath(part);
    return path;
}
} // namespace Corvane::GUI::Graphics
