#pragma once

#include "framework/basics/CCountedObject.hpp"
#include "framework/basics/CString.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CMenuItem.hpp"

#include <vector>

namespace Corvane::GUI::Controls
{
/**
 * The model behind a drop-down: a title and an ordered list of items, each held by counted
 * reference. The list is made of slots that grow 32 at a time and stay in place when an item is
 * cleared out of one, so readers walk every slot up to getNumberOfMenuItems and skip the empty
 * ones; only removeMenuItem closes the gaps.
 */
class CMenu : public Basics::CCountedObject, private Basics::TInstanceCounter<CMenu>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long SLOT_GROWTH = 32;

    /** No items, titled "Menu Title". */
    CMenu();
    CMenu(const CMenu &) = delete;
    CMenu &operator=(const CMenu &) = delete;
    ~CMenu() override;

    void setTitle(const Basics::CString &title) { m_title = title; }
    const Basics::CString &getTitle() const { return m_title; }

    /** Appends @p item after the last slot used and holds it; null is ignored. */
    void addMenuItem(CMenuItem *item);
    /** The item in that slot; null for an empty slot or an index outside the slots. */
    CMenuItem *getMenuItem(long index) const;
    /** The number of slots, empty ones included: 32 after one to 32 additions. */
    long getNumberOfMenuItems() const;
    /** Lets go of the item in that slot and closes every gap, so the slots just fit the items. */
    void removeMenuItem(long index);
    /** Lets go of the item in that slot and leaves the slot empty. */
    void clearMenuItem(long index);
    /** Lets go of every item; the menu has no slots afterwards. */
    void clearMenu();

private:
    Basics::CString m_title;
    std::vector<Basics::TCountedReference<CMenuItem>> m_slots;
    /** Slots before this one have been filled; the next item goes here. */
    std::size_t m_used = 0;
};
} // namespace Corvane::GUI::Controls
