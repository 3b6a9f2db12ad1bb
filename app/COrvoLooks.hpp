#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CMenuColours.hpp"
#include "framework/gui/windows/CWindowAttributes.hpp"

namespace Corvane::Orvo
{
/**
 * The looks every drop-down of the calculator shares: light violet text, arrows and separators,
 * a black frame and a grey highlight, in dark grey menu windows that are slightly see-through
 * where a compositor shows it. The main window keeps them; its panels' combo boxes take them.
 */
class COrvoLooks
{
public:
    COrvoLooks();

    const GUI::Controls::CMenuColours &getMenuColours() const { return m_menuColours; }
    GUI::Windows::CWindowAttributes &getMenuWindowAttributes() const { return *m_menuWindowAttributes; }

private:
    GUI::Controls::CMenuColours m_menuColours;
    Basics::TCountedReference<GUI::Windows::CWindowAttributes> m_menuWindowAttributes;
};
} // namespace Corvane::Orvo
