#include "framework/gui/controls/MusicMenus.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CSubMenuMenuItem.hpp"
#include "framework/music/CMusicMaths.hpp"

namespace Corvane::GUI::Controls
{
using Basics::CString;
using Music::CMusicMaths;

namespace
{
constexpr const char *DIVISION_TYPE_TITLES[] = {"Straight", "Triplet", "Dotted"};
constexpr long NOTES_PER_OCTAVE = 12;

CMenu &checkedMenu(CMenu *menu, const char *function)
{
    if (menu == nullptr)
        throw Exceptions::CException("Menu is NULL", function);
    return *menu;
}

/** Adds a sub-menu item to @p menu and answers its sub-menu. */
CMenu &addSubMenu(CMenu &menu, const CString &text, long id)
{
    auto *item = new CSubMenuMenuItem(text, id);
    menu.addMenuItem(item);
    return *item->getSubMenu();
}

void addPlainItem(CMenu &menu, const CString &text, long id)
{
    menu.addMenuItem(new CMenuItem(text, id, CMenuItem::PLAIN, true));
}
} // namespace

void buildTempoDivisionMenu(CMenu *menu)
{
    CMenu &target = checkedMenu(menu, "void buildTempoDivisionMenu(CMenu *)");
    long division = 0;
    for (const char *title : DIVISION_TYPE_TITLES)
    {
        CMenu &lengths = addSubMenu(target, title, -1);
        for (long position = 0; position < CMusicMaths::POSITION_COUNT; position++, division++)
        {
            CString name;
            CMusicMaths::getTempoDivisionName(name, division);
            addPlainItem(lengths, name, division);
        }
    }
}

void buildNoteMenu(CMenu *menu)
{
    CMenu &target = checkedMenu(menu, "void buildNoteMenu(CMenu *)");
    CMenu *octave = nullptr;
    for (long note = 0; note < CMusicMaths::NOTE_COUNT; note++)
    {
        const long octaveNumber = note / NOTES_PER_OCTAVE - 1;
        if (note % NOTES_PER_OCTAVE == 0)
        {
            CString title;
            title.setStringWithFormat("Octave #%li", octaveNumber);
            octave = &addSubMenu(target, title, octaveNumber + 1);
        }
        CString name;
        CMusicMaths::getNoteName(name, note);
        CString text("  ");
        text += name;
        text += "  ";
        addPlainItem(*octave, text, note);
    }
}
} // namespace Corvane::GUI::Controls
