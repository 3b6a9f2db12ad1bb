// The calculator sessions the fuzzer starts from, replayed: each reaches the state a person
// would see, so the player really drives the window; and the checks the fuzzer makes of results.
#include "app/layout/CPanelLayout.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/gui/controls/CEditBox.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "tests/fuzz/calculator/CSessionPlayer.hpp"
#include "tests/fuzz/calculator/CSessionWriter.hpp"
#include "tests/fuzz/calculator/CalculatorSessions.hpp"
#include "tests/fuzz/calculator/ResultTexts.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using namespace Corvane::Fuzzing;
using Orvo::EPanel;

class CalculatorSessionTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        Application::CApplication::setApplicationPath(ORVO_RUNTIME_DIR);
        if (GUI::Graphics::CFont::getDefaultFont() == nullptr)
            Application::startFramework();
    }

    CalculatorSessionTest() : driver(Platform::CHeadlessDriver::install()) {}

    /** Plays the real session @p name on a fresh window and hands the player to @p check. */
    template <class TCheck> void replay(const std::string &name, TCheck check)
    {
        CSessionPlayer player(driver);
        player.play(getRealSession(name));
        SCOPED_TRACE(name);
        check(player);
    }

    static std::string result(const CSessionPlayer &player, EPanel panel)
    {
        return player.getPanel(panel).getResult().getText().getString();
    }

    static std::string field(const CSessionPlayer &player, EPanel panel, std::size_t index)
    {
        return player.getPanel(panel).getField(index).getText().getString();
    }

    Platform::CHeadlessDriver &driver;
};

TEST_F(CalculatorSessionTest, TypedValuesRecalculateTheirPanels)
{
    replay("delay-tempo-140", [](const CSessionPlayer &player) {
        EXPECT_EQ("140.00", field(player, EPanel::DELAY, 0));
        EXPECT_EQ("428.57", result(player, EPanel::DELAY));
        EXPECT_TRUE(player.getBoxes().empty());
    });
    replay("tempo-zero-range", [](const CSessionPlayer &player) {
        ASSERT_EQ(1u, player.getBoxes().size());
        EXPECT_NE(std::string::npos, player.getBoxes()[0].find("range")) << player.getBoxes()[0];
        EXPECT_EQ("120.00", field(player, EPanel::DELAY, 0)) << "the refused tempo is reset";
        EXPECT_EQ("500.00", result(player, EPanel::DELAY));
    });
    replay("nearest-note-261",
           [](const CSessionPlayer &player) { EXPECT_EQ("C4", result(player, EPanel::CLOSEST_NOTE)); });
    replay("negative-shift",
           [](const CSessionPlayer &player) { EXPECT_EQ("60.00", result(player, EPanel::TEMPO_SHIFT)); });
    replay("closest-division-8hz",
           [](const CSessionPlayer &player) { EXPECT_EQ("1/16", result(player, EPanel::CLOSEST_DIVISION)); });
    replay("focus-lost-while-editing", [](const CSessionPlayer &player) {
        EXPECT_EQ("125.00", field(player, EPanel::TIME_STRETCH, 1)) << "losing the focus discards the edit";
        EXPECT_EQ("100.00", field(player, EPanel::TIME_STRETCH, 0)) << "the keypad's Enter commits";
        EXPECT_EQ("80.00", result(player, EPanel::TIME_STRETCH));
    });
}

TEST_F(CalculatorSessionTest, AbandonedEditsKeepTheirValue)
{
    replay("escape-in-edit", [](const CSessionPlayer &player) {
        EXPECT_EQ("2.00", field(player, EPanel::TIME_TO_BPM, 0));
        EXPECT_EQ("120.00", result(player, EPanel::TIME_TO_BPM));
    });
    replay("edit-then-menu", [](const CSessionPlayer &player) {
        EXPECT_EQ("120.00", field(player, EPanel::DELAY, 0)) << "a press outside the open edit discards it";
        EXPECT_STREQ("1/8", player.getPanel(EPanel::DELAY).getChooser()->getText().getString());
        EXPECT_EQ("250.00", result(player, EPanel::DELAY));
    });
    replay("close-while-editing", [](const CSessionPlayer &player) {
        EXPECT_TRUE(player.isClosed());
        EXPECT_EQ("4", field(player, EPanel::BPM_TO_TIME, 1));
    });
}

TEST_F(CalculatorSessionTest, MenusChooseWithThePointerAndCloseWhenLeft)
{
    replay("division-eighth-triplet", [](const CSessionPlayer &player) {
        EXPECT_STREQ("1/8T", player.getPanel(EPanel::DELAY).getChooser()->getText().getString());
        EXPECT_EQ("166.67", result(player, EPanel::DELAY));
        EXPECT_TRUE(player.getShownMenus().empty());
    });
    replay("note-menu-c4", [](const CSessionPlayer &player) {
        EXPECT_EQ("261.63", result(player, EPanel::NOTE_FREQUENCY));
        EXPECT_TRUE(player.getShownMenus().empty());
    });
    replay("abandon-menu", [](const CSessionPlayer &player) {
        EXPECT_STREQ("1/4", player.getPanel(EPanel::LFO).getChooser()->getText().getString());
        EXPECT_TRUE(player.getShownMenus().empty());
    });
    replay("keyboard-menu", [](const CSessionPlayer &player) {
        // Down twice reaches Triplet, Right opens it at its first length, Down and Up come back,
        // Left closes it and Right opens it again, Enter chooses.
        EXPECT_STREQ("64T", player.getPanel(EPanel::LFO).getChooser()->getText().getString());
        EXPECT_TRUE(player.getShownMenus().empty());
    });
    replay("menu-escape", [](const CSessionPlayer &player) {
        EXPECT_TRUE(player.getShownMenus().empty());
        EXPECT_EQ("440.00", result(player, EPanel::NOTE_FREQUENCY));
    });
}

TEST_F(CalculatorSessionTest, APressOnAnotherProgramTakesTheFocusAndTheKeysWithIt)
{
    CSessionPlayer player(driver);
    const SPlace tempo = CSessionWriter::control(EPanel::DELAY, 0);
    // The top left corner of the margin lies outside the window: another program is there.
    player.play(CSessionWriter().click(tempo).type("90").click(CSessionWriter::inWindow(0, 0)).getBytes());
    EXPECT_EQ("120.00", field(player, EPanel::DELAY, 0)) << "the open edit lost the focus";
    player.play(CSessionWriter().type("7").key(Platform::KEY_RETURN).getBytes());
    EXPECT_EQ("120.00", field(player, EPanel::DELAY, 0)) << "no key reaches a program without the focus";

    player.play(CSessionWriter().click(tempo).type("60").key(Platform::KEY_RETURN).getBytes());
    EXPECT_EQ("60.00", field(player, EPanel::DELAY, 0)) << "a press in the window gives the focus back";
    EXPECT_EQ("1000.00", result(player, EPanel::DELAY));
}

TEST_F(CalculatorSessionTest, AControlPlaceLandsOnItsControlFromCornerToCorner)
{
    CSessionPlayer player(driver);
    for (const Orvo::SPanelLayout &layout : Orvo::CPanelLayout::getPanels())
        for (std::size_t control = 0; control < layout.controls.size(); control++)
        {
            if (layout.controls[control].field == Orvo::SControlLayout::NO_FIELD)
                continue;
            const GUI::Controls::CTextEdit &edit =
                player.getPanel(layout.panel).getField(static_cast<std::size_t>(layout.controls[control].field));
            for (std::uint8_t corner : {0x00, 0xFF})
            {
                player.play(CSessionWriter().click(CSessionWriter::control(layout.panel, control, corner)).getBytes());
                EXPECT_NE(nullptr, edit.getEditBox()) << layout.className << " control " << control << " at " << +corner;
                player.play(CSessionWriter().key(Platform::KEY_ESCAPE).getBytes());
                EXPECT_EQ(nullptr, edit.getEditBox());
            }
        }
}

TEST_F(CalculatorSessionTest, TimerStepsFireTheCaretUntilItRests)
{
    CSessionPlayer player(driver);
    player.play(CSessionWriter().click(CSessionWriter::control(EPanel::LFO, 0)).timer().getBytes());
    const auto caretRuns = [this] {
        for (const Platform::CHeadlessWindow *window : driver.getWindows())
            if (window->isTimerRunning(GUI::Controls::CEditBox::CARET_TIMER_ID))
                return true;
        return false;
    };
    EXPECT_TRUE(caretRuns());
    CSessionWriter blinks;
    for (long blink = 0; blink < GUI::Controls::CEditBox::BLINKS_BEFORE_REST; blink++)
        blinks.timer(static_cast<std::uint8_t>(blink));
    player.play(blinks.getBytes());
    EXPECT_FALSE(caretRuns()) << "the caret rests after its blinks";
    EXPECT_NE(nullptr, player.getPanel(EPanel::LFO).getField(0).getEditBox());
}

TEST_F(CalculatorSessionTest, AVeryLongTextIsCutToTheFieldAndRefused)
{
    replay("long-text", [](const CSessionPlayer &player) {
        ASSERT_EQ(1u, player.getBoxes().size()) << "fifty nines are out of range as a tempo";
        EXPECT_EQ("120.00", field(player, EPanel::TEMPO_SHIFT, 0));
        EXPECT_EQ("0.00", field(player, EPanel::TEMPO_SHIFT, 1)) << "a text of no digits reads as nothing";
    });
}

TEST_F(CalculatorSessionTest, EverySessionAndEachOfItsBeginningsLeavesPossibleTextsAndNothingAlive)
{
    // What the process makes on first use and keeps (a name list's shared policy, say) is made
    // before the counts start.
    for (const SNamedSession &session : getRealSessions())
        CSessionPlayer(driver).play(session.bytes);
    for (const SNamedSession &session : getRealSessions())
        for (std::size_t length = 0; length <= session.bytes.size(); length += 1 + length / 4)
        {
            const Testing::LiveCounts before;
            {
                CSessionPlayer player(driver);
                player.play(session.bytes.data(), length);
                EXPECT_EQ("", findImpossibleTexts(player)) << session.name << " cut at " << length;
            }
            EXPECT_EQ("", Testing::LiveCounts().differencesFrom(before)) << session.name << " cut at " << length;
        }
}

TEST(ResultTextsTest, NumbersNotesAndDivisionsAsPanelsShowThem)
{
    for (const char *number : {"428.57", "-0.50", "0.00", "123456789012345678901234567890.12"})
        EXPECT_TRUE(isTwoDecimalNumber(number)) << number;
    for (const char *other : {"", "1.5", "1.234", ".50", "-.50", "-", "1e3", "1,50", "12.3x", "--1.00", " 1.00"})
        EXPECT_FALSE(isTwoDecimalNumber(other)) << other;
    for (const char *note : {"C-1", "C#4", "Bb4", "B8", "G9", "A4"})
        EXPECT_TRUE(isNoteName(note)) << note;
    for (const char *other : {"G#9", "A9", "C10", "C-2", "A#4", "H4", "C", "c4", "C4 ", "C04", "-1"})
        EXPECT_FALSE(isNoteName(other)) << other;

    EXPECT_TRUE(isPossibleResult(EPanel::CLOSEST_DIVISION, "1/16"));
    EXPECT_FALSE(isPossibleResult(EPanel::CLOSEST_DIVISION, "1/16T")) << "the closest division is straight";
    EXPECT_FALSE(isPossibleResult(EPanel::DELAY, "1/16"));
    EXPECT_FALSE(isPossibleResult(EPanel::DELAY, "C4"));
    EXPECT_FALSE(isPossibleResult(EPanel::CLOSEST_NOTE, "261.63"));
    for (const Orvo::SPanelLayout &layout : Orvo::CPanelLayout::getPanels())
        EXPECT_TRUE(isPossibleResult(layout.panel, "Range Error")) << layout.className;
}

TEST(ResultTextsTest, FieldsKeepTheFormOfTheirInitialTextAndChoicesNameAnItem)
{
    EXPECT_TRUE(isPossibleFieldText("120.00", "0.00"));
    EXPECT_FALSE(isPossibleFieldText("120.00", "90")) << "a typed value is rewritten with two decimals";
    EXPECT_TRUE(isPossibleFieldText("4", "16"));
    EXPECT_FALSE(isPossibleFieldText("4", "16.00"));
    EXPECT_FALSE(isPossibleFieldText("4", ""));

    for (const char *division : {"1/4", "64T", "1/64D", "1"})
        EXPECT_TRUE(isPossibleChoiceText(EPanel::LFO, division)) << division;
    for (const char *other : {"1/4X", "T", "1/3", "A4"})
        EXPECT_FALSE(isPossibleChoiceText(EPanel::DELAY, other)) << other;
    EXPECT_TRUE(isPossibleChoiceText(EPanel::NOTE_FREQUENCY, "  C4  "));
    EXPECT_TRUE(isPossibleChoiceText(EPanel::NOTE_FREQUENCY, "A4"));
    EXPECT_FALSE(isPossibleChoiceText(EPanel::NOTE_FREQUENCY, "    "));
    EXPECT_FALSE(isPossibleChoiceText(EPanel::NOTE_FREQUENCY, "1/4"));
}

TEST(ResultTextsTest, BoxesAreRangeMessagesOrTheMissingDivision)
{
    EXPECT_TRUE(isPossibleBox("Orvo error: Bpm range error!"));
    EXPECT_TRUE(isPossibleBox("Orvo Error: Please select a valid tempo division"));
    EXPECT_FALSE(isPossibleBox("Orvo error: "));
    EXPECT_FALSE(isPossibleBox("Orvo Error: Bpm range error!"));
    EXPECT_FALSE(isPossibleBox("Exception occurred!: Caught an unknown exception!"));
}

TEST(SessionWriterTest, RefusesWhatTheFormatCannotHold)
{
    EXPECT_THROW(CSessionWriter::control(EPanel::NOTE_FREQUENCY, 2), std::invalid_argument);
    EXPECT_THROW(CSessionWriter().text(std::string(32, '1')), std::invalid_argument);
    EXPECT_THROW(CSessionWriter().drop(CSessionWriter::inWindow(0, 0), {}), std::invalid_argument);
    EXPECT_THROW(CSessionWriter().key('!'), std::invalid_argument);
    EXPECT_THROW(CSessionWriter::menuRow(0, 32), std::invalid_argument);
    // Typing splits into steps of at most sixteen characters, each with its length less one.
    const std::vector<std::uint8_t> typed = CSessionWriter().type(std::string(17, '7')).getBytes();
    ASSERT_EQ(2u + 16 + 2 + 1, typed.size());
    EXPECT_EQ(stepByte(EStep::TYPE), typed[0]);
    EXPECT_EQ(15, typed[1]);
    EXPECT_EQ(0, typed[19]);
}
} // namespace
