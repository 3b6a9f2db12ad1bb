#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CControl.hpp"
#include "framework/gui/windows/CWindow.hpp"
#include "framework/platform/CHeadlessDriver.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/RecordingControl.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Corvane::Testing
{
/** Pixels of a whole window, rows packed. */
using Picture = std::vector<std::uint32_t>;

/**
 * Each test gets a fresh headless backend and must leave no framework object alive behind it.
 * Messages reach windows only through deliver() (at once) or the driver's queue.
 */
class HeadlessWindowTest : public ::testing::Test
{
protected:
    HeadlessWindowTest();
    ~HeadlessWindowTest() override;

    /** A window opened and shown at @p area, with nothing pending to paint. */
    Basics::TCountedReference<GUI::Windows::CWindow> openWindow(const MathTools::CRect &area);
    Platform::CHeadlessWindow &record(const GUI::Windows::CWindow &window) const;
    void deliver(GUI::Windows::CWindow &window, const Platform::SPlatformMessage &message);

    Platform::CHeadlessDriver &driver;

private:
    LiveCounts m_countsBefore;
};

Platform::SPlatformMessage message(Platform::EMessageKind kind);
Platform::SPlatformMessage mouse(Platform::EMessageKind kind, int x, int y,
                                 Platform::EMouseButton button = Platform::EMouseButton::LEFT);
Platform::SPlatformMessage key(Platform::EMessageKind kind, char character);

/** The window's root drawn on a fresh offscreen surface of the window's size, as a paint draws it. */
Picture drawnOffscreen(GUI::Windows::CWindow &window);

std::string imageFixture(const std::string &name);

class CClosingListener : public GUI::Windows::IWindowListener
{
public:
    explicit CClosingListener(bool answer) : m_answer(answer) {}
    void windowSized(GUI::Windows::IWindow *, const MathTools::CDimension &) override {}
    void windowMoved(GUI::Windows::IWindow *, const MathTools::CPoint &) override {}
    bool windowClosing(GUI::Windows::IWindow *) override
    {
        ++closings;
        return m_answer;
    }

    int closings = 0;

private:
    bool m_answer;
};

class CTimedCounter : public GUI::Windows::ITimedObject
{
public:
    explicit CTimedCounter(long id) : m_id(id) {}
    void timerFired() override { ++fired; }
    long getTimerId() const override { return m_id; }

    int fired = 0;

private:
    long m_id;
};
} // namespace Corvane::Testing
