#pragma once

#include "framework/mathtools/CColour.hpp"

namespace Corvane::MathTools
{
/** A colour with coverage: alpha 0 is transparent, 255 opaque. */
class CAlphaColour : public CColour, private Basics::TInstanceCounter<CAlphaColour>
{
public:
    CORVANE_DECLARE_CLASS

    static const CAlphaColour CALPHACOLOUR_BLACK;
    static const CAlphaColour CALPHACOLOUR_WHITE;
    static const CAlphaColour CALPHACOLOUR_RED;
    static const CAlphaColour CALPHACOLOUR_GREEN;
    static const CAlphaColour CALPHACOLOUR_BLUE;
    static const CAlphaColour CALPHACOLOUR_YELLOW;
    static const CAlphaColour CALPHACOLOUR_ORANGE;
    static const CAlphaColour CALPHACOLOUR_TURQUOISE;
    static const CAlphaColour CALPHACOLOUR_PURPLE;
    static const CAlphaColour CALPHACOLOUR_PINK;
    static const CAlphaColour CALPHACOLOUR_LIGHT_GREY;
    static const CAlphaColour CALPHACOLOUR_GREY;

    /** Opaque white. */
    CAlphaColour() : CAlphaColour(255, 255, 255, 255) {}
    CAlphaColour(long red, long green, long blue, long alpha);
    CAlphaColour(const CAlphaColour &other) = default;

    /** "[red,green,blue,alpha]". */
    void getObjectDescription(char *text, long size) const override;

    /** The three-channel form keeps alpha. */
    using CColour::setColour;
    virtual void setColour(long red, long green, long blue, long alpha);

    CAlphaColour &operator=(const CAlphaColour &other);
    /** Takes the colour's channels and makes it opaque. */
    CAlphaColour &operator=(const CColour &other);
    bool operator==(const CAlphaColour &other) const;

    long getAlpha() const { return m_alpha; }
    void setAlpha(long alpha);

private:
    std::int32_t m_alpha;
};
} // namespace Corvane::MathTools
