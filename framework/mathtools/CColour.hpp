#pragma once

#include "framework/basics/CCountedObject.hpp"

#include <cstdint>

namespace Corvane::MathTools
{
/**
 * An opaque colour, channels 0 to 255. The packed form ("colour ref") holds red in the lowest
 * byte, green in the next and blue in the third.
 */
class CColour : public Basics::CCountedObject, private Basics::TInstanceCounter<CColour>
{
public:
    CORVANE_DECLARE_CLASS

    static const CColour CCOLOUR_BLACK;
    static const CColour CCOLOUR_WHITE;
    static const CColour CCOLOUR_RED;
    static const CColour CCOLOUR_GREEN;
    static const CColour CCOLOUR_BLUE;
    static const CColour CCOLOUR_YELLOW;
    static const CColour CCOLOUR_ORANGE;
    static const CColour CCOLOUR_TURQUOISE;
    static const CColour CCOLOUR_PURPLE;
    static const CColour CCOLOUR_PINK;
    static const CColour CCOLOUR_LIGHT_GREY;
    static const CColour CCOLOUR_GREY;

    /** White. */
    CColour() : CColour(255, 255, 255) {}
    CColour(long red, long green, long blue);
    explicit CColour(std::uint32_t colourRef);
    CColour(const CColour &other) = default;

    /** "[red,green,blue]". */
    void getObjectDescription(char *text, long size) const override;

    virtual void setColour(long red, long green, long blue);

    CColour &operator=(const CColour &other);
    CColour &operator=(std::uint32_t colourRef);
    bool operator==(const CColour &other) const;

    std::uint32_t getAsColourRef() const;

    long getRed() const { return m_red; }
    long getGreen() const { return m_green; }
    long getBlue() const { return m_blue; }
    void setRed(long red);
    void setGreen(long green);
    void setBlue(long blue);

private:
    std::int32_t m_red;
    std::int32_t m_green;
    std::int32_t m_blue;
};
} // namespace Corvane::MathTools
