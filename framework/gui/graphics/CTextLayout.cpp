#include "framework/gui/graphics/CTextLayout.hpp"

#include "framework/basics/CProcessServices.hpp"

#include <cmath>
#include <fontconfig/fontconfig.h>
#include <future>
#include <string>
#include <system_error>

namespace Corvane::GUI::Graphics
{
namespace
{
/**
 * Hinted metrics keep glyph advances on whole pixels, as the platform's grid-fitted text did,
 * so sizes do not drift with the position a text is drawn at.
 */
void setFontOptions(PangoContext *context)
{
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

constexpr const char *PREPARATION_SERVICE = "text engine preparation";

/** What a first window's texts are mostly made of, when the program does not say. */
constexpr const char *DEFAULT_SAMPLE = "0123456789.,:-+/#() ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz";

/**
 * The font map and the Pango context every text is laid out with, made on first use and freed when
 * the process ends, so the fonts and glyph caches Pango builds serve every drawing and measure,
 * and nothing of them is left behind at exit. All drawing happens on one thread; only the
 * preparation (CTextLayout::startTextEngine) runs on another, and the drawing thread waits for it
 * to end before it uses the engine.
 */
class CTextEngine
{
public:
    static CTextEngine &getEngine()
    {
        finishPreparation();
        return engine();
    }

    /** The shared context, set up for @p target's transformation and surface. */
    static PangoContext *getContextFor(cairo_t *target)
    {
        PangoContext *context = getEngine().m_context;
        pango_cairo_update_context(target, context);
        return context;
    }

    /** Makes the engine on a thread of its own, warming @p font up there; takes @p font over. */
    static void startPreparing(PangoFontDescription *font, std::string sample)
    {
        try
        {
            preparation() = std::async(std::launch::async, prepare, font, std::move(sample));
            Basics::CProcessServices::registerService(PREPARATION_SERVICE, finishPreparation);
        }
        catch (const std::system_error &)
        {
            // Without a thread the engine is made by the first text, as if never prepared.
            if (font != nullptr)
                pango_font_description_free(font);
        }
    }

private:
    CTextEngine() : m_fontMap(pango_cairo_font_map_new()), m_context(pango_font_map_create_context(m_fontMap))
    {
        setFontOptions(m_context);
    }
    ~CTextEngine()
    {
        g_object_unref(m_context);
        g_object_unref(m_fontMap);
    }

    static CTextEngine &engine()
    {
        static CTextEngine engine;
        return engine;
    }

    static std::future<void> &preparation()
    {
        static std::future<void> preparation;
        return preparation;
    }

    static void finishPreparation()
    {
        if (!preparation().valid())
            return;
        preparation().get();
        Basics::CProcessServices::withdrawService(PREPARATION_SERVICE);
    }

    /**
     * Lays @p sample out in @p font and draws it on a picture like a window's, so that the font
     * is looked up and loaded and the sample's glyphs are rendered into the caches the first
     * window's texts then find them in. Each glyph drawn costs the preparation some time, which
     * the first window waits for.
     */
    static void prepare(PangoFontDescription *font, const std::string &sample)
    {
        // The font map reads the font configuration on a thread it starts once its types are
        // registered, and the first layout waits for that thread. Read here first, the
        // configuration (the longest part of the preparation) starts sooner, and the font map's
        // thread then finds it read.
        FcInit();
        PangoContext *context = engine().m_context;
        if (font == nullptr)
            return;
        PangoLayout *layout = pango_layout_new(context);
        pango_layout_set_font_description(layout, font);
        pango_layout_set_text(layout, sample.c_str(), -1);
        int width = 0, height = 0;
        pango_layout_get_pixel_size(layout, &width, &height);
        // Glyphs that fall outside the picture are never rendered, so the sample gets room.
        cairo_surface_t *picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t *target = cairo_create(picture);
        pango_cairo_update_context(target, context);
        pango_cairo_update_layout(target, layout);
        pango_cairo_show_layout(target, layout);
        g_object_unref(layout);
        cairo_destroy(target);
        cairo_surface_destroy(picture);
        pango_font_description_free(font);
    }

    PangoFontMap *m_fontMap;
    PangoContext *m_context;
};

void setValidText(PangoLayout *layout, const char *text)
{
    if (g_utf8_validate(text, -1, nullptr))
    {
        pango_layout_set_text(layout, text, -1);
        return;
    }
    gchar *valid = g_utf8_make_valid(text, -1);
    pango_layout_set_text(layout, valid, -1);
    g_free(valid);
}

PangoAlignment alignmentOf(CTextLayout::EPlacement horizontal)
{
    switch (horizontal)
    {
    case CTextLayout::CENTRE:
        return PANGO_ALIGN_CENTER;
    case CTextLayout::END:
        return PANGO_ALIGN_RIGHT;
    default:
        return PANGO_ALIGN_LEFT;
    }
}

/** Runs @p visit(iterator) for each line in order while it answers true. */
template <class Visit> void forEachLine(PangoLayout *layout, Visit visit)
{
    PangoLayoutIter *line = pango_layout_get_iter(layout);
    while (visit(line) && pango_layout_iter_next_line(line))
    {
    }
    pango_layout_iter_free(line);
}
} // namespace

void CTextLayout::startTextEngine(const PangoFontDescription *font, const char *sample)
{
    CTextEngine::startPreparing(font != nullptr ? pango_font_description_copy(font) : nullptr,
                                sample != nullptr ? sample : DEFAULT_SAMPLE);
}

CTextLayout::CTextLayout(cairo_t *target, const PangoFontDescription *font, const char *text)
    : m_target(target), m_layout(pango_layout_new(CTextEngine::getContextFor(target)))
{
    pango_layout_set_font_description(m_layout, font);
    setValidText(m_layout, text);
}

CTextLayout::~CTextLayout()
{
    g_object_unref(m_layout);
}

void CTextLayout::addDecorations(bool underline, bool strikeOut)
{
    if (!underline && !strikeOut)
        return;
    PangoAttrList *attributes = pango_attr_list_new();
    if (underline)
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (strikeOut)
        pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(m_layout, attributes);
    pango_attr_list_unref(attributes);
}

void CTextLayout::wrapLines(long width, EPlacement horizontal)
{
    pango_layout_set_width(m_layout, static_cast<int>(width * PANGO_SCALE));
    pango_layout_set_wrap(m_layout, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(m_layout, alignmentOf(horizontal));
}

MathTools::CDimension CTextLayout::getSize() const
{
    PangoRectangle logical;
    pango_layout_get_extents(m_layout, nullptr, &logical);
    return MathTools::CDimension(logical.width / PANGO_SCALE, logical.height / PANGO_SCALE);
}

int CTextLayout::getHeightOfWholeLines(int limit) const
{
    const PangoFontDescription *font = pango_layout_get_font_description(m_layout);
    const int emHeight = font != nullptr ? pango_font_description_get_size(font) : 0;
    int height = 0;
    forEachLine(m_layout, [&](PangoLayoutIter *line) {
        int top = 0;
        int bottom = 0;
        pango_layout_iter_get_line_yrange(line, &top, &bottom);
        if (top + (emHeight > 0 ? emHeight : bottom - top) > limit)
            return false;
        height = bottom;
        return true;
    });
    return height;
}

void CTextLayout::showWholeLines(const MathTools::CRect &area, EPlacement vertical) const
{
    const int limit = static_cast<int>(area.getHeight() * PANGO_SCALE);
    const int shown = getHeightOfWholeLines(limit);
    if (shown == 0)
        return;
    // A whole-pixel top keeps the glyphs on the grid the hinting fitted them to.
    const double share = vertical == START ? 0.0 : vertical == CENTRE ? 0.5 : 1.0;
    const double top = area.getTop() + std::round(share * (limit - shown) / PANGO_SCALE);
    forEachLine(m_layout, [&](PangoLayoutIter *line) {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(line, nullptr, &logical);
        if (logical.y >= shown)
            return false;
        cairo_move_to(m_target, area.getLeft() + static_cast<double>(logical.x) / PANGO_SCALE,
                      top + static_cast<double>(pango_layout_iter_get_baseline(line)) / PANGO_SCALE);
        pango_cairo_show_layout_line(m_target, pango_layout_iter_get_line_readonly(line));
        return true;
    });
}
} // namespace Corvane::GUI::Graphics
