#pragma once

#include "framework/basics/CCountedObject.hpp"
#include "framework/platform/IPlatformWindow.hpp"

namespace Corvane::GUI::Windows
{
/**
 * One mouse cursor shape. The shapes are the platform's stock cursors (SDL's system cursors);
 * the platform cursor itself is made by the backend on first show, since it needs a running
 * display. Types 0 to 7 are arrow, hand, wait, size north-south, size west-east, text I-beam,
 * size north-west to south-east and size all; any other type is the arrow.
 */
class CCursor : public Basics::CCountedObject, private Basics::TInstanceCounter<CCursor>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long ARROW = 0;
    static constexpr long HAND = 1;
    static constexpr long WAIT = 2;
    static constexpr long SIZE_NORTH_SOUTH = 3;
    static constexpr long SIZE_WEST_EAST = 4;
    static constexpr long TEXT = 5;
    static constexpr long SIZE_NORTH_WEST_SOUTH_EAST = 6;
    static constexpr long SIZE_ALL = 7;

    explicit CCursor(long type = ARROW);

    /** Replaces the shape by the stock cursor of @p type. */
    void setStockCursor(long type);
    Platform::EStockCursor getCursor() const { return m_shape; }

    /** Makes this the pointer's shape now. */
    void show() const;

    /** The process's predefined cursor of @p type (the arrow for an unknown type). */
    static CCursor *getPredefinedCursor(long type);

private:
    Platform::EStockCursor m_shape = Platform::EStockCursor::ARROW;
};

/** Hides the pointer while the display count is below zero; each call lowers it by one. */
void hideCursor();
/** Raises the display count by one; the pointer shows again once it is back at zero. */
void showCursor();
} // namespace Corvane::GUI::Windows
