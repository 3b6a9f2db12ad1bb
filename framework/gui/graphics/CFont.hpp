#pragma once

#include "framework/basics/CString.hpp"
#include "framework/gui/graphics/CairoHandles.hpp"
#include "framework/mathtools/CDimension.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * A face name and a point size, made into a Pango font description (the "platform font") whose
 * absolute em size is the point size in screen pixels: pointsToPixels of it. Underline and
 * strike-out are not part of a Pango description; the text drawing adds them.
 */
class CFont : public Basics::CCountedObject, private Basics::TInstanceCounter<CFont>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long NORMAL_WEIGHT = 400;
    static constexpr long BOLD_WEIGHT = 700;
    /** Longer face names are cut to this many bytes (never inside a UTF-8 character). */
    static constexpr long MAXIMUM_FACE_NAME_LENGTH = 31;

    /** Normal weight, not italic, underlined or struck out. */
    CFont(const Basics::CString &faceName, long pointSize);
    CFont(const CFont &other);
    CFont &operator=(const CFont &other);
    ~CFont() override;

    void setFont(const Basics::CString &faceName, long pointSize, bool italic, bool underline, bool strikeOut,
                 bool bold);
    void setPointSize(long pointSize);

    /** The Pango description of the font, owned by the font and valid until it changes. */
    PangoFontDescription *getFontHandle() const { return m_platformFont; }
    const Basics::CString &getFaceName() const { return m_faceName; }
    long getPointSize() const { return m_pointSize; }
    /** As the platform's font records give it: minus the pixel height. */
    long getHeight() const { return -getPixelHeight(); }
    long getPixelHeight() const { return m_pixelHeight; }
    long getWeight() const { return m_weight; }
    bool isItalic() const { return m_italic; }
    bool isUnderlined() const { return m_underline; }
    bool isStruckOut() const { return m_strikeOut; }

    /** The process's default font, used where text is drawn without one; null until set. */
    static CFont *getDefaultFont();
    /**
     * Makes @p font the default, holding a counted reference on it, and registers the default font
     * as a process service, which the process shutdown releases. Null releases the old one and
     * withdraws the service.
     */
    static void setDefaultFont(CFont *font);

private:
    void copyDescription(const CFont &other);
    void makePlatformFont();

    PangoFontDescription *m_platformFont = nullptr;
    std::int32_t m_pixelHeight = 0;
    std::int32_t m_weight = NORMAL_WEIGHT;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeOut = false;
    Basics::CString m_faceName;
    std::int32_t m_pointSize = 0;
};

/** The screen's vertical pixels per inch: 96 until the display reports another value. */
long getScreenPixelsPerInch();
void setScreenPixelsPerInch(long pixelsPerInch);

/** points x pixels per inch / 72, rounded to nearest with halves away from zero. */
long pointsToPixels(long points);

/**
 * The size, in whole pixels (truncated), of @p text laid out unbounded in @p font on @p device;
 * a null font takes the device's own default. With a null device nothing happens.
 */
void measureText(cairo_t *device, const Basics::CString &text, MathTools::CDimension &size,
                 const PangoFontDescription *font);
/** The same measure; false, with @p size untouched, when it cannot be made (no device). */
bool measureTextWithEngine(cairo_t *device, const Basics::CString &text, MathTools::CDimension &size,
                           const PangoFontDescription *font);
} // namespace Corvane::GUI::Graphics
