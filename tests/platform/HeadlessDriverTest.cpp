#include "framework/platform/CHeadlessDriver.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <utility>

using namespace Corvane::Platform;

namespace
{
/** Records every message; runs @p onMessage, when set, after recording one. */
struct SRecorder : IPlatformWindowHandler
{
    std::vector<SPlatformMessage> messages;
    std::function<void(const SPlatformMessage &)> onMessage;

    void handleMessage(const SPlatformMessage &message) override
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(message);
    }
};

SPlatformMessage message(EMessageKind kind, int x = 0)
{
    SPlatformMessage made;
    made.kind = kind;
    made.position.x = x;
    return made;
}

SWindowDescription description(const std::string &title, std::uint32_t style = 0x00CF0000,
                               std::uint32_t extendedStyle = 0x10)
{
    SWindowDescription made;
    made.title = title;
    made.area = SArea{100, 50, 8, 4};
    made.style = style;
    made.extendedStyle = extendedStyle;
    return made;
}

class HeadlessDriver : public ::testing::Test
{
protected:
    void TearDown() override { releasePlatformDriver(); }

    std::unique_ptr<IPlatformWindow> open(const std::string &title, SRecorder &recorder,
                                          const SWindowDescription &made = SWindowDescription())
    {
        std::string error;
        auto window = driver.createWindow(made.title.empty() ? description(title) : made, recorder, error);
        EXPECT_TRUE(window) << error;
        return window;
    }

    CHeadlessDriver &driver = CHeadlessDriver::install();
};
} // namespace

TEST_F(HeadlessDriver, QueuedMessagesArriveInOrderAndTheQuitRequestEndsEveryLoop)
{
    SRecorder recorder;
    auto window = open("main", recorder);
    driver.post(*window, message(EMessageKind::MOUSE_MOVE, 1));
    driver.postQuit(4);
    driver.post(*window, message(EMessageKind::MOUSE_MOVE, 2)); // behind the quit request: never arrives
    EXPECT_TRUE(recorder.messages.empty());                     // posting hands nothing over
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::DISPATCHED);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].position.x, 1);
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::QUIT);
    EXPECT_EQ(driver.getQuitCode(), 4);
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::QUIT); // sticky
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::QUIT);
    EXPECT_EQ(recorder.messages.size(), 1U);

    driver.resetQuit();
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::DISPATCHED);
    EXPECT_EQ(recorder.messages.back().position.x, 2);
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
    EXPECT_THROW(driver.dispatchMessage(true), std::logic_error); // would wait for ever

    driver.postQuit(1); // a request still queued is forgotten by a reset too
    driver.resetQuit();
    EXPECT_EQ(driver.getQueueLength(), 0U);
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
}

TEST_F(HeadlessDriver, ANestedLoopInAHandlerSeesTheQuitRequestAndSoDoesTheOuterOne)
{
    SRecorder recorder;
    auto window = open("main", recorder);
    EDispatch inner = EDispatch::EMPTY;
    recorder.onMessage = [&](const SPlatformMessage &)
    {
        while ((inner = driver.dispatchMessage(true)) == EDispatch::DISPATCHED)
        {
        }
    };
    driver.post(*window, message(EMessageKind::BUTTON_DOWN));
    driver.post(*window, message(EMessageKind::BUTTON_UP));
    driver.postQuit(0);
    driver.post(*window, message(EMessageKind::MOUSE_MOVE));
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::DISPATCHED); // the press, with the loop inside
    EXPECT_EQ(inner, EDispatch::QUIT);
    EXPECT_EQ(recorder.messages.size(), 2U);
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::QUIT);
}

TEST_F(HeadlessDriver, DisabledWindowsTurnInputAwayButStillTakeEverythingElse)
{
    SRecorder recorder;
    auto window = open("main", recorder);
    CHeadlessWindow &record = driver.getRecord(*window);
    window->setEnabled(false);
    EXPECT_FALSE(record.isEnabled());
    for (EMessageKind input : {EMessageKind::MOUSE_MOVE, EMessageKind::BUTTON_DOWN, EMessageKind::DOUBLE_CLICK,
                               EMessageKind::WHEEL, EMessageKind::KEY_DOWN, EMessageKind::CLOSE_REQUESTED,
                               EMessageKind::FILES_DROPPED})
        EXPECT_FALSE(driver.deliver(*window, message(input))) << static_cast<int>(input);
    driver.post(*window, message(EMessageKind::BUTTON_UP));
    driver.post(*window, message(EMessageKind::EXPOSED));
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::DISPATCHED); // the release is skipped
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].kind, EMessageKind::EXPOSED);
    EXPECT_TRUE(driver.deliver(*window, message(EMessageKind::FOCUS_LOST)));
    window->startTimer(3, 100);
    EXPECT_TRUE(driver.fireTimer(*window, 3));

    window->setEnabled(true);
    EXPECT_TRUE(driver.deliver(*window, message(EMessageKind::KEY_DOWN)));
    // Typed text comes only while text input is on, drops only to windows that take files.
    EXPECT_FALSE(driver.deliver(*window, message(EMessageKind::TEXT_INPUT)));
    window->startTextInput(SArea{1, 2, 3, 4});
    EXPECT_TRUE(record.isTextInputOn());
    EXPECT_EQ(record.getTextInputArea().width, 3);
    EXPECT_TRUE(driver.deliver(*window, message(EMessageKind::TEXT_INPUT)));
    window->stopTextInput();
    EXPECT_FALSE(driver.deliver(*window, message(EMessageKind::TEXT_INPUT)));
    EXPECT_TRUE(driver.deliver(*window, message(EMessageKind::FILES_DROPPED)));
    SRecorder other;
    auto noDrops = open("", other, description("no drops", 0x00CA0000, 0));
    EXPECT_FALSE(driver.deliver(*noDrops, message(EMessageKind::FILES_DROPPED)));
}

TEST_F(HeadlessDriver, TimersFireOnlyWhileRunning)
{
    SRecorder recorder;
    auto window = open("main", recorder);
    CHeadlessWindow &record = driver.getRecord(*window);
    EXPECT_FALSE(driver.fireTimer(*window, 5));
    window->startTimer(5, 100);
    window->startTimer(5, 250); // a restart takes the new period
    EXPECT_EQ(record.getTimerPeriod(5), 250);
    EXPECT_EQ(record.getNumberOfTimers(), 1U);
    EXPECT_TRUE(driver.fireTimer(*window, 5));
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].kind, EMessageKind::TIMER);
    EXPECT_EQ(recorder.messages[0].timerId, 5);
    window->stopTimer(5);
    EXPECT_FALSE(driver.fireTimer(*window, 5));
    EXPECT_EQ(record.getTimerPeriod(5), 0);
    EXPECT_EQ(recorder.messages.size(), 1U);
}

TEST_F(HeadlessDriver, PresentCopiesOnlyTheAreaInsideBothPictureAndWindow)
{
    SRecorder recorder;
    auto window = open("main", recorder);
    CHeadlessWindow &record = driver.getRecord(*window);
    ASSERT_EQ(record.getPixels().size(), 32U); // 8 by 4, black
    // A 10 by 3 picture with rows 12 words apart: each pixel holds its own coordinates.
    std::vector<std::uint32_t> picture(12 * 3);
    for (std::uint32_t y = 0; y < 3; ++y)
        for (std::uint32_t x = 0; x < 12; ++x)
            picture[y * 12 + x] = 0xFF000000 | (y << 8) | x;
    window->present(picture.data(), SSize{10, 3}, 12, SArea{6, 1, 100, 100});
    EXPECT_EQ(record.getPixel(6, 1), 0xFF000106U);
    EXPECT_EQ(record.getPixel(7, 2), 0xFF000207U);
    EXPECT_EQ(record.getPixel(5, 1), 0U);  // left of the area
    EXPECT_EQ(record.getPixel(6, 0), 0U);  // above it
    EXPECT_EQ(record.getPixel(6, 3), 0U);  // below the picture
    EXPECT_EQ(record.getPixel(8, 1), 0U);  // outside the window
    window->present(picture.data(), SSize{10, 3}, 9, SArea{0, 0, 8, 4}); // rows too short: no picture
    window->present(nullptr, SSize{10, 3}, 12, SArea{0, 0, 8, 4});
    EXPECT_EQ(record.getPixel(0, 0), 0U);
    window->present(picture.data(), SSize{10, 3}, 12, SArea{-5, -5, 6, 6}); // only (0, 0) lies inside
    EXPECT_EQ(record.getPixel(0, 0), 0xFF000000U);
    EXPECT_EQ(record.getPixel(1, 0), 0U);

    window->resize(SSize{2, 2}); // a new surface
    EXPECT_EQ(record.getPixels(), std::vector<std::uint32_t>(4, 0));
}

TEST_F(HeadlessDriver, RecordsFollowTheWindowAndGoWithIt)
{
    SRecorder first, second;
    auto main = open("main", first);
    auto popup = open("", second, description("menu", 0x80000000, 0x08080008));
    ASSERT_EQ(driver.getWindows().size(), 2U);
    EXPECT_EQ(driver.getWindows()[0]->getTitle(), "main");
    EXPECT_EQ(driver.findWindow("menu"), driver.getWindows()[1]);
    EXPECT_TRUE(driver.getWindows()[1]->getStyle().popupMenu);
    EXPECT_FALSE(driver.getWindows()[1]->getStyle().resizable);
    CHeadlessWindow &record = driver.getRecord(*main);
    EXPECT_EQ(record.getPosition().x, 100);
    EXPECT_FALSE(record.isVisible());
    main->show();
    main->move(SPoint{-10, 20});
    main->setOpacity(1.5);
    EXPECT_TRUE(record.isVisible());
    EXPECT_EQ(record.getPosition().x, -10);
    EXPECT_DOUBLE_EQ(record.getOpacity(), 1.0);
    const std::uint32_t icon[4] = {};
    main->setIcon(icon, SSize{2, 2}, 2);
    EXPECT_EQ(record.getIconSize().width, 2);
    main->captureMouse(true);
    popup->captureMouse(false); // not the popup's to give back
    EXPECT_EQ(driver.getCapturedWindow(), &record);

    driver.post(*main, message(EMessageKind::MOUSE_MOVE));
    main.reset(); // its queued message goes nowhere
    EXPECT_EQ(driver.getWindows().size(), 1U);
    EXPECT_EQ(driver.getCapturedWindow(), nullptr);
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
    EXPECT_TRUE(first.messages.empty());

    CHeadlessDriver other; // a window of another backend is no window of this one
    std::string error;
    auto foreign = other.createWindow(description("foreign"), first, error);
    EXPECT_THROW(driver.post(*foreign, message(EMessageKind::MOUSE_MOVE)), std::invalid_argument);
}

TEST_F(HeadlessDriver, TheIdleHandlerRunsWhenTheQueueRunsEmpty)
{
    struct SIdle : IIdleHandler
    {
        std::function<void()> work;
        int runs = 0;
        void runIdleWork() override
        {
            ++runs;
            if (work)
                work();
        }
    } idle;
    SRecorder recorder;
    auto window = open("main", recorder);
    driver.setIdleHandler(&idle);
    driver.post(*window, message(EMessageKind::EXPOSED));
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::DISPATCHED);
    EXPECT_EQ(idle.runs, 0); // something was waiting
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
    EXPECT_EQ(idle.runs, 1);
    // What the idle work posts is dispatched by the same call; a loop inside it runs no idle work.
    bool worked = false;
    idle.work = [&]
    {
        if (std::exchange(worked, true))
            return;
        driver.post(*window, message(EMessageKind::MOUSE_MOVE, 9));
        EXPECT_EQ(driver.dispatchMessage(false), EDispatch::DISPATCHED);
        driver.post(*window, message(EMessageKind::MOUSE_MOVE, 10));
    };
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::DISPATCHED);
    EXPECT_EQ(idle.runs, 2);
    EXPECT_EQ(recorder.messages.back().position.x, 10);
    driver.setIdleHandler(nullptr);
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
    EXPECT_EQ(idle.runs, 2);
}

TEST_F(HeadlessDriver, SettableFieldsAndAFailingStart)
{
    SPoint pointer;
    driver.setPointerPosition(SPoint{3, 4});
    EXPECT_TRUE(driver.getPointerPosition(pointer));
    EXPECT_EQ(pointer.y, 4);
    SArea screen;
    EXPECT_TRUE(driver.getScreenArea(SPoint{5000, 5000}, screen));
    EXPECT_EQ(screen.width, 1920);
    EXPECT_EQ(screen.height, 1080);
    std::string text = "left over";
    EXPECT_FALSE(driver.getClipboardText(text));
    EXPECT_TRUE(text.empty());
    EXPECT_TRUE(driver.setClipboardText("0.5"));
    EXPECT_TRUE(driver.getClipboardText(text));
    EXPECT_EQ(text, "0.5");
    driver.beep();
    driver.beep();
    EXPECT_EQ(driver.getBeepCount(), 2);
    driver.setCursor(EStockCursor::TEXT);
    EXPECT_EQ(driver.getCursor(), EStockCursor::TEXT);

    driver.setStartFailure("no display here");
    std::string reason;
    EXPECT_FALSE(driver.start(reason));
    EXPECT_EQ(reason, "no display here");
    SRecorder recorder;
    std::string error;
    EXPECT_EQ(driver.createWindow(description("main"), recorder, error), nullptr);
    EXPECT_EQ(error, "no display here");
    driver.setStartFailure("");
    EXPECT_TRUE(driver.start(reason));
}

TEST(PlatformDriverTable, TheEnvironmentChoosesTheBackendAndSelectingReplacesIt)
{
    releasePlatformDriver();
    setenv("CORVANE_PLATFORM", "headless", 1);
    EXPECT_STREQ(getPlatformDriver().getName(), "headless");
    EXPECT_EQ(&getPlatformDriver(), &getPlatformDriver()); // made once
    releasePlatformDriver();
    unsetenv("CORVANE_PLATFORM");
    EXPECT_STREQ(getPlatformDriver().getName(), "sdl");
    setenv("CORVANE_PLATFORM", "no-such-backend", 1);
    releasePlatformDriver();
    EXPECT_STREQ(getPlatformDriver().getName(), "sdl");
    unsetenv("CORVANE_PLATFORM");

    EXPECT_FALSE(selectPlatformDriver("no-such-backend"));
    EXPECT_FALSE(selectPlatformDriver(nullptr));
    EXPECT_STREQ(getPlatformDriver().getName(), "sdl"); // kept

    // Windows left open when their backend goes keep a readable record and reach nothing.
    CHeadlessDriver &headless = CHeadlessDriver::install();
    SRecorder recorder;
    std::string error;
    auto window = headless.createWindow(description("left open"), recorder, error);
    ASSERT_TRUE(window);
    EXPECT_TRUE(selectPlatformDriver("headless"));
    EXPECT_NE(&getPlatformDriver(), &headless);
    window->captureMouse(true);
    window->bringToForeground();
    window->show();
    EXPECT_TRUE(window->isVisible());
    window.reset();
    releasePlatformDriver();
}
