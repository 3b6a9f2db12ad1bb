#include "framework/basics/CException.hpp"
#include "framework/basics/CHtmlString.hpp"
#include "framework/gui/controls/CCheckMenuItem.hpp"
#include "framework/gui/controls/CHtmlMenuItem.hpp"
#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CMenuEvent.hpp"
#include "framework/gui/controls/CSubMenuMenuItem.hpp"
#include "framework/gui/controls/MusicMenus.hpp"
#include "framework/gui/graphics/CTGAImage.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

using namespace Corvane::GUI::Controls;
using Corvane::Basics::CString;
using Corvane::Basics::TCountedReference;
using Corvane::Testing::LiveCounts;

namespace
{
CMenuItem *plain(const char *text, long id)
{
    return new CMenuItem(text, id, CMenuItem::PLAIN, true);
}

/** The texts of every item present, in slot order, with "-" for an empty slot before the last item. */
std::string texts(const CMenu &menu)
{
    std::string listed;
    std::string gaps;
    for (long index = 0; index < menu.getNumberOfMenuItems(); index++)
    {
        const CMenuItem *item = menu.getMenuItem(index);
        if (item == nullptr)
        {
            gaps += "- ";
            continue;
        }
        listed += gaps + item->getText().getString() + " ";
        gaps.clear();
    }
    return listed;
}
} // namespace

TEST(CMenu, CountsSlotsNotItems)
{
    const LiveCounts before;
    {
        TCountedReference<CMenu> menu(new CMenu());
        EXPECT_EQ(menu->getNumberOfMenuItems(), 0);
        EXPECT_EQ(menu->getTitle(), "Menu Title");
        menu->addMenuItem(plain("a", 1));
        menu->addMenuItem(plain("b", 2));
        menu->addMenuItem(plain("c", 3));
        menu->addMenuItem(nullptr);
        EXPECT_EQ(menu->getNumberOfMenuItems(), 32);
        EXPECT_EQ(texts(*menu), "a b c ");
        EXPECT_EQ(menu->getMenuItem(3), nullptr);
        EXPECT_EQ(menu->getMenuItem(-1), nullptr);
        EXPECT_EQ(menu->getMenuItem(32), nullptr);

        menu->clearMenuItem(0);
        EXPECT_EQ(menu->getNumberOfMenuItems(), 32);
        EXPECT_EQ(texts(*menu), "- b c ");
        menu->addMenuItem(plain("d", 4));
        EXPECT_EQ(texts(*menu), "- b c d ") << "a new item goes after the last one, not into the gap";

        menu->removeMenuItem(2);
        EXPECT_EQ(menu->getNumberOfMenuItems(), 2);
        EXPECT_EQ(texts(*menu), "b d ");
        menu->removeMenuItem(5);
        EXPECT_EQ(menu->getNumberOfMenuItems(), 2);
        menu->addMenuItem(plain("e", 5));
        EXPECT_EQ(menu->getNumberOfMenuItems(), 34);

        menu->clearMenu();
        EXPECT_EQ(menu->getNumberOfMenuItems(), 0);
        menu->addMenuItem(plain("f", 6));
        EXPECT_EQ(texts(*menu), "f ");
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}

TEST(CMenu, SharesItsItemsByCountedReference)
{
    const LiveCounts before;
    {
        TCountedReference<CMenuItem> shared(plain("shared", 7));
        auto *first = new CMenu();
        first->reference();
        TCountedReference<CMenu> second(new CMenu());
        first->addMenuItem(shared.get());
        second->addMenuItem(shared.get());
        EXPECT_EQ(shared->getReferenceCount(), 3);
        first->dereference();
        ASSERT_EQ(shared->getReferenceCount(), 2);
        EXPECT_EQ(second->getMenuItem(0)->getText(), "shared");
        second->clearMenuItem(0);
        EXPECT_EQ(shared->getReferenceCount(), 1);
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}

TEST(CMenuItem, HoldsItsPicturesAndItsSubMenu)
{
    const LiveCounts before;
    {
        Corvane::Testing::TemporaryFolder folder;
        const std::string file = folder.write("dot.tga", Corvane::Testing::targaFile(1, 1, {0, 0, 0, 255}));
        TCountedReference<Corvane::GUI::Graphics::CBaseImage> dot(new Corvane::GUI::Graphics::CTGAImage(file.c_str()));
        TCountedReference<CMenuItem> item(plain("Quarter", 8));
        item->setImages(dot.get(), dot.get());
        item->setImages(dot.get(), nullptr);
        EXPECT_EQ(dot->getReferenceCount(), 2);
        EXPECT_EQ(item->getHighlightImage(), nullptr);

        TCountedReference<CSubMenuMenuItem> sub(new CSubMenuMenuItem("More", -1));
        EXPECT_EQ(sub->getType(), CMenuItem::SUB_MENU);
        EXPECT_EQ(sub->getSubMenu()->getTitle(), "Menu Title");
        EXPECT_EQ(sub->getSubMenu()->getReferenceCount(), 1);

        TCountedReference<CCheckMenuItem> check(new CCheckMenuItem("Metronome", 3, true));
        check->setStateImages(nullptr, dot.get(), nullptr);
        EXPECT_EQ(check->getStateImage(true), nullptr) << "checked, and no picture for that";
        check->setChecked(false);
        EXPECT_EQ(check->getStateImage(true), dot.get()) << "no highlighted picture: the state's";
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}

TEST(CMenuEvent, HoldsItsItemAndMenu)
{
    const LiveCounts before;
    {
        TCountedReference<CMenu> menu(new CMenu());
        TCountedReference<CMenuItem> item(plain("1/8T", 22));
        {
            CMenuEvent event(item.get(), menu.get());
            EXPECT_EQ(item->getReferenceCount(), 2);
            EXPECT_EQ(menu->getReferenceCount(), 2);
            EXPECT_EQ(event.getMenuItemId(), 22);
            event.setMenuItem(nullptr);
            EXPECT_EQ(item->getReferenceCount(), 1);
            EXPECT_EQ(event.getMenuItemId(), -1);
        }
        EXPECT_EQ(menu->getReferenceCount(), 1);
        EXPECT_EQ(CMenuEvent(nullptr, nullptr).getMenu(), nullptr);
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}

TEST(CHtmlMenuItem, OpensItsLinkAsGivenThroughTheDefaultHandler)
{
    Corvane::Testing::TemporaryFolder folder;
    const std::string record = folder.file("opened.txt");
    const std::string opener = folder.write("opener", "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + record + "'\n");
    chmod(opener.c_str(), 0755);
    Corvane::Basics::CHtmlString::setAddressOpener(opener.c_str());

    TCountedReference<CHtmlMenuItem> item(new CHtmlMenuItem("orvo.example/help", "Help", 9));
    EXPECT_EQ(item->getType(), CMenuItem::LINK);
    EXPECT_TRUE(item->openLink());
    for (int wait = 0; wait < 500 && access(record.c_str(), F_OK) != 0; wait++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(Corvane::Testing::TemporaryFolder::read(record), "1|http://orvo.example/help");
    EXPECT_EQ(item->getLink(), "orvo.example/help") << "opening leaves the link as it was given";
    Corvane::Basics::CHtmlString::setAddressOpener(nullptr);
}

TEST(MusicMenus, TheTempoDivisionMenuHoldsThreeTypesOfThirteenLengths)
{
    const LiveCounts before;
    {
        TCountedReference<CMenu> menu(new CMenu());
        buildTempoDivisionMenu(menu.get());
        EXPECT_EQ(texts(*menu), "Straight Triplet Dotted ");
        long expectedId = 0;
        for (long type = 0; type < 3; type++)
        {
            auto *sub = dynamic_cast<CSubMenuMenuItem *>(menu->getMenuItem(type));
            ASSERT_NE(sub, nullptr);
            EXPECT_EQ(sub->getId(), -1);
            const CMenu &lengths = *sub->getSubMenu();
            ASSERT_EQ(lengths.getMenuItem(13), nullptr);
            for (long index = 0; index < 13; index++, expectedId++)
            {
                const CMenuItem *item = lengths.getMenuItem(index);
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(item->getId(), expectedId);
                EXPECT_EQ(item->getType(), CMenuItem::PLAIN);
                EXPECT_TRUE(item->isEnabled());
            }
        }
        auto itemOf = [&menu](long type, long index) {
            return static_cast<CSubMenuMenuItem *>(menu->getMenuItem(type))->getSubMenu()->getMenuItem(index);
        };
        EXPECT_EQ(itemOf(0, 0)->getText(), "64");
        EXPECT_EQ(itemOf(0, 8)->getText(), "1/4");
        EXPECT_EQ(itemOf(0, 8)->getId(), 8);
        EXPECT_EQ(itemOf(1, 9)->getText(), "1/8T");
        EXPECT_EQ(itemOf(1, 9)->getId(), 22);
        EXPECT_EQ(itemOf(2, 10)->getText(), "1/16D");
        EXPECT_EQ(itemOf(2, 10)->getId(), 36);
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}

TEST(MusicMenus, TheNoteMenuHoldsElevenOctavesOfPaddedNotes)
{
    TCountedReference<CMenu> menu(new CMenu());
    buildNoteMenu(menu.get());
    EXPECT_EQ(menu->getMenuItem(11), nullptr);
    long note = 0;
    for (long octave = 0; octave < 11; octave++)
    {
        auto *sub = dynamic_cast<CSubMenuMenuItem *>(menu->getMenuItem(octave));
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->getId(), octave);
        CString title;
        title.setStringWithFormat("Octave #%li", octave - 1);
        EXPECT_EQ(sub->getText(), title);
        for (long index = 0; sub->getSubMenu()->getMenuItem(index) != nullptr; index++, note++)
            EXPECT_EQ(sub->getSubMenu()->getMenuItem(index)->getId(), note);
    }
    EXPECT_EQ(note, 128);
    const CMenu &first = *static_cast<CSubMenuMenuItem *>(menu->getMenuItem(0))->getSubMenu();
    const CMenu &last = *static_cast<CSubMenuMenuItem *>(menu->getMenuItem(10))->getSubMenu();
    EXPECT_EQ(first.getMenuItem(0)->getText(), "  C-1  ");
    EXPECT_EQ(last.getMenuItem(7)->getText(), "  G9  ");
    EXPECT_EQ(last.getMenuItem(7)->getId(), 127);
    EXPECT_EQ(static_cast<CSubMenuMenuItem *>(menu->getMenuItem(5))->getSubMenu()->getMenuItem(9)->getText(),
              "  A4  ");

    EXPECT_THROW(buildNoteMenu(nullptr), Corvane::Exceptions::CException);
    EXPECT_THROW(buildTempoDivisionMenu(nullptr), Corvane::Exceptions::CException);
}
