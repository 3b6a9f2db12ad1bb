#pragma once

#include <memory>

// cairo's and Pango's own declarations, repeated so that users of the drawing types need not
// include either library.
typedef struct _cairo cairo_t;
typedef struct _cairo_pattern cairo_pattern_t;
typedef struct _PangoFontDescription PangoFontDescription;

namespace Corvane::GUI::Graphics
{
struct CairoPatternReleaser
{
    void operator()(cairo_pattern_t *pattern) const;
};

struct CairoTargetReleaser
{
    void operator()(cairo_t *target) const;
};

/** A cairo pattern owned by one holder. */
using PatternHolder = std::unique_ptr<cairo_pattern_t, CairoPatternReleaser>;
/** A cairo drawing target owned by one holder. */
using TargetHolder = std::unique_ptr<cairo_t, CairoTargetReleaser>;
} // namespace Corvane::GUI::Graphics
