// Message boxes and the window tools on the headless backend.
#include "framework/application/CApplication.hpp"
#include "framework/gui/windows/CMessageBox.hpp"
#include "framework/gui/windows/Dialogs.hpp"
#include "tests/gui/windows/WindowTestSupport.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using namespace Corvane::Testing;
using GUI::Windows::CMessageBox;
using GUI::Windows::EMessageBoxKind;
using MathTools::CRect;
using Platform::EMessageKind;

class DialogsTest : public HeadlessWindowTest
{
protected:
    ~DialogsTest() override { GUI::Windows::setMessageBoxHandler(nullptr); }

    std::uint32_t red(std::uint32_t pixel) { return pixel >> 16 & 0xFF; }
};

TEST_F(DialogsTest, AnInstalledHandlerAnswersBoxesInsteadOfShowingThem)
{
    std::vector<std::string> seen;
    GUI::Windows::setMessageBoxHandler([&seen](const Basics::CString &text, const Basics::CString &title,
                                               EMessageBoxKind kind) {
        seen.push_back(std::string(title.getString()) + "|" + text.getString() + "|" +
                       std::to_string(static_cast<int>(kind)));
        return kind != EMessageBoxKind::QUESTION;
    });
    EXPECT_EQ(GUI::Windows::MESSAGE_BOX_OK, GUI::Windows::messageBox("Tempo out of range", "Orvo error", true));
    EXPECT_FALSE(GUI::Windows::askYesNo("Quit?", "Orvo"));
    EXPECT_EQ((std::vector<std::string>{"Orvo error|Tempo out of range|1", "Orvo|Quit?|2"}), seen);
    EXPECT_TRUE(driver.getWindows().empty()) << "no window was made";
}

TEST_F(DialogsTest, WithoutADisplayTheBoxGoesToStandardError)
{
    driver.setStartFailure("cannot reach the X server");
    testing::internal::CaptureStderr();
    EXPECT_EQ(GUI::Windows::MESSAGE_BOX_OK, GUI::Windows::messageBox("Bad value", "Orvo error", true));
    EXPECT_FALSE(GUI::Windows::askYesNo("Really?", "Question"));
    EXPECT_EQ("Orvo error: Bad value\nQuestion: Really?\n", testing::internal::GetCapturedStderr());
}

TEST_F(DialogsTest, TheBoxIsModalCentredOnTheMainWindowAndAnsweredByTheKeyboard)
{
    Basics::TCountedReference<GUI::Windows::CWindow> main = openWindow(CRect(400, 300, 476, 613));
    Application::CApplication::setMainWindow(main.get());
    Basics::TCountedReference<CMessageBox> box(
        new CMessageBox("The tempo must be between 0 and 1000.", "Orvo error", EMessageBoxKind::ERROR));
    box->open();
    Platform::CHeadlessWindow &shown = record(*box);
    EXPECT_EQ("Orvo error", shown.getTitle());
    EXPECT_FALSE(record(*main).isEnabled()) << "the main window ignores input while the box is open";
    const Platform::SPoint &position = shown.getPosition();
    EXPECT_EQ(400 + 476 / 2, position.x + shown.getSize().width / 2);
    EXPECT_EQ(300 + 613 / 2, position.y + shown.getSize().height / 2);

    driver.post(*box->getPlatformWindow(), key(EMessageKind::KEY_DOWN, 'x'));
    driver.post(*box->getPlatformWindow(), [] {
        Platform::SPlatformMessage enter = message(EMessageKind::KEY_DOWN);
        enter.key = Platform::KEY_RETURN;
        return enter;
    }());
    EXPECT_TRUE(box->waitForAnswer()) << "Enter chooses OK";
    // The error icon is a red disc left of the text, drawn by the idle paint between messages.
    EXPECT_GT(red(shown.getPixel(16 + 16, 16 + 16)), 150u);
    box->close();
    EXPECT_TRUE(record(*main).isEnabled());
    Application::CApplication::setMainWindow(nullptr);
}

TEST_F(DialogsTest, ClosingAQuestionByTheWindowManagerAnswersNo)
{
    Basics::TCountedReference<CMessageBox> box(new CMessageBox("Save?", "Question", EMessageBoxKind::QUESTION));
    box->open();
    EXPECT_EQ(1920 / 2, record(*box).getPosition().x + record(*box).getSize().width / 2) << "centred on the screen";
    driver.post(*box->getPlatformWindow(), message(EMessageKind::CLOSE_REQUESTED));
    EXPECT_FALSE(box->waitForAnswer());
    box->close();
}

TEST_F(DialogsTest, ClickingYesAnswersYesButPressingAndLeavingTheButtonDoesNot)
{
    Basics::TCountedReference<CMessageBox> box(new CMessageBox("Save?", "Question", EMessageBoxKind::QUESTION));
    box->open();
    const Platform::SSize size = record(*box).getSize();
    // Yes is the left of the two buttons in the lower right corner.
    const int yesX = size.width - 16 - 84 - 8 - 84 + 10;
    const int buttonY = size.height - 16 - 10;
    deliver(*box, mouse(EMessageKind::BUTTON_DOWN, yesX, buttonY));
    deliver(*box, mouse(EMessageKind::BUTTON_UP, yesX, 2));
    EXPECT_FALSE(box->isAnswered());
    deliver(*box, mouse(EMessageKind::BUTTON_DOWN, yesX, buttonY));
    deliver(*box, mouse(EMessageKind::BUTTON_UP, yesX + 1, buttonY));
    EXPECT_TRUE(box->isAnswered());
    EXPECT_TRUE(box->getAnswer());
    box->close();
}

TEST_F(DialogsTest, WindowToolsReadThePlatformWindow)
{
    Basics::TCountedReference<GUI::Windows::CWindow> window = openWindow(CRect(10, 20, 30, 40));
    CRect area;
    ASSERT_TRUE(GUI::Windows::getClientAreaOnScreen(*window, area));
    EXPECT_EQ(CRect(10, 20, 30, 40), area);
    MathTools::CDimension size;
    ASSERT_TRUE(GUI::Windows::getClientSize(*window, size));
    EXPECT_EQ(MathTools::CDimension(30, 40), size);
    EXPECT_TRUE(GUI::Windows::isWindowVisible(*window));
    MathTools::CDimension outer;
    EXPECT_TRUE(GUI::Windows::getWindowSizeForClientSize(MathTools::CDimension(476, 613), outer, 0x00CA0000, 0, false));
    EXPECT_EQ(MathTools::CDimension(476, 613), outer);
    EXPECT_EQ(18, GUI::Windows::pointSizeToLogicalHeight(14)) << "14 points at 96 pixels per inch, truncated";
    driver.setPointerPosition({7, 8});
    MathTools::CPoint pointer;
    ASSERT_TRUE(GUI::Windows::getCursorPosition(pointer));
    EXPECT_EQ(MathTools::CPoint(7, 8), pointer);
    GUI::Windows::beep();
    EXPECT_EQ(1, driver.getBeepCount());
}

TEST(FileChoosers, AnswerFalseWhenNoChooserIsInstalled)
{
    const char *path = std::getenv("PATH");
    const std::string saved = path != nullptr ? path : "";
    setenv("PATH", "/nonexistent", 1);
    Basics::CSystemString file("song");
    EXPECT_FALSE(GUI::Windows::chooseFileToOpen(file, "Open", "Text files", "txt"));
    Basics::CString folder("unchanged");
    EXPECT_FALSE(GUI::Windows::browseForFolder(folder, "Folder"));
    setenv("PATH", saved.c_str(), 1);
    EXPECT_STREQ("song", file.getString()) << "cancelling leaves the file name as it was";
    EXPECT_STREQ("unchanged", folder.getString());
}
} // namespace
