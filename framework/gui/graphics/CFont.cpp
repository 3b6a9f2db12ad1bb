#include "framework/gui/graphics/CFont.hpp"

#include "framework/basics/CProcessServices.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/graphics/CTextLayout.hpp"

#include <pango/pango.h>

#include <cstdlib>

namespace Corvane::GUI::Graphics
{
CORVANE_DEFINE_CLASS(CFont, "CFont", "CCountedObject")

namespace
{
constexpr long POINTS_PER_INCH = 72;
constexpr const char *DEFAULT_FONT_SERVICE = "default font";

long screenPixelsPerInch = 96;

/** Made on first use, after the font's class record, so a font still held at the end goes before it. */
Basics::TCountedReference<CFont> &defaultFont()
{
    static Basics::TCountedReference<CFont> font;
    return font;
}

void releaseDefaultFont()
{
    CFont::setDefaultFont(nullptr);
}

Basics::CString cutFaceName(const Basics::CString &faceName)
{
    long length = faceName.getSize() - 1;
    if (length <= CFont::MAXIMUM_FACE_NAME_LENGTH)
        return faceName;
    length = CFont::MAXIMUM_FACE_NAME_LENGTH;
    while (length > 0 && (static_cast<unsigned char>(faceName[length]) & 0xC0) == 0x80)
        length--;
    return faceName.getSubString(0, length - 1);
}
} // namespace

CFont::CFont(const Basics::CString &faceName, long pointSize)
{
    setFont(faceName, pointSize, false, false, false, false);
}

CFont::CFont(const CFont &other) : CCountedObject(other), TInstanceCounter<CFont>(other)
{
    copyDescription(other);
}

CFont &CFont::operator=(const CFont &other)
{
    if (this != &other)
        copyDescription(other);
    return *this;
}

CFont::~CFont()
{
    if (m_platformFont != nullptr)
        pango_font_description_free(m_platformFont);
}

void CFont::copyDescription(const CFont &other)
{
    m_pixelHeight = other.m_pixelHeight;
    m_weight = other.m_weight;
    m_italic = other.m_italic;
    m_underline = other.m_underline;
    m_strikeOut = other.m_strikeOut;
    m_faceName = other.m_faceName;
    m_pointSize = other.m_pointSize;
    makePlatformFont();
}

void CFont::setFont(const Basics::CString &faceName, long pointSize, bool italic, bool underline, bool strikeOut,
                    bool bold)
{
    m_faceName = cutFaceName(faceName);
    m_weight = bold ? BOLD_WEIGHT : NORMAL_WEIGHT;
    m_italic = italic;
    m_underline = underline;
    m_strikeOut = strikeOut;
    setPointSize(pointSize);
}

void CFont::setPointSize(long pointSize)
{
    m_pointSize = static_cast<std::int32_t>(pointSize);
    m_pixelHeight = static_cast<std::int32_t>(pointsToPixels(pointSize));
    makePlatformFont();
}

void CFont::makePlatformFont()
{
    if (m_platformFont != nullptr)
        pango_font_description_free(m_platformFont);
    m_platformFont = pango_font_description_new();
    pango_font_description_set_family(m_platformFont, m_faceName.getString());
    pango_font_description_set_absolute_size(m_platformFont, static_cast<double>(m_pixelHeight) * PANGO_SCALE);
    pango_font_description_set_weight(m_platformFont, static_cast<PangoWeight>(m_weight));
    pango_font_description_set_style(m_platformFont, m_italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
}

CFont *CFont::getDefaultFont()
{
    return defaultFont().get();
}

void CFont::setDefaultFont(CFont *font)
{
    defaultFont().reset(font);
    if (font != nullptr)
        Basics::CProcessServices::registerService(DEFAULT_FONT_SERVICE, releaseDefaultFont);
    else
        Basics::CProcessServices::withdrawService(DEFAULT_FONT_SERVICE);
}

long getScreenPixelsPerInch()
{
    return screenPixelsPerInch;
}

void setScreenPixelsPerInch(long pixelsPerInch)
{
    screenPixelsPerInch = pixelsPerInch;
}

long pointsToPixels(long points)
{
    const long long product = static_cast<long long>(points) * screenPixelsPerInch;
    const long long rounded = (std::llabs(product) + POINTS_PER_INCH / 2) / POINTS_PER_INCH;
    return static_cast<long>(product < 0 ? -rounded : rounded);
}

void measureText(cairo_t *device, const Basics::CString &text, MathTools::CDimension &size,
                 const PangoFontDescription *font)
{
    measureTextWithEngine(device, text, size, font);
}

bool measureTextWithEngine(cairo_t *device, const Basics::CString &text, MathTools::CDimension &size,
                           const PangoFontDescription *font)
{
    if (device == nullptr)
        return false;
    size = CTextLayout(device, font, text.getString()).getSize();
    return true;
}
} // namespace Corvane::GUI::Graphics
