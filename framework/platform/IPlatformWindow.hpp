#pragma once

#include "framework/platform/PlatformMessage.hpp"

#include <cstdint>
#include <string>

namespace Corvane::Platform
{
/** What a backend calls back with every message of its window, on the user-interface thread. */
struct IPlatformWindowHandler
{
    virtual ~IPlatformWindowHandler() = default;
    virtual void handleMessage(const SPlatformMessage &message) = 0;
};

/** The shapes of the stock cursors, numbered as the framework's cursor types. */
enum class EStockCursor
{
    ARROW = 0,
    HAND = 1,
    WAIT = 2,
    SIZE_NORTH_SOUTH = 3,
    SIZE_WEST_EAST = 4,
    TEXT = 5,
    SIZE_NORTH_WEST_SOUTH_EAST = 6,
    SIZE_ALL = 7
};

/**
 * How a window is made. The style words are the window attributes' own numbers; describeStyle
 * reads them the same way for every backend.
 */
struct SWindowDescription
{
    std::string title;
    /** The name the window manager groups the program's windows by (X11's WM_CLASS). */
    std::string className;
    /** Where the client area goes on the screen, and its size. */
    SArea area;
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    /** The window this one belongs to (stays above it), or null. */
    class IPlatformWindow *owner = nullptr;
};

/** What the style words of a window description ask of the platform. */
struct SWindowStyle
{
    /** A borderless, always-on-top popup that does not take the keyboard focus (a menu). */
    bool popupMenu = false;
    bool resizable = false;
    bool acceptsDroppedFiles = false;
};
SWindowStyle describeStyle(std::uint32_t style, std::uint32_t extendedStyle);

/**
 * One platform window, as the framework's window sees it. It is made hidden; its pixels come
 * only from present(), which copies an area of the caller's offscreen picture to the screen, or
 * only shows it when the caller drew into the window's own picture (getScreenPicture).
 * Destroying the object destroys the platform window. Every operation answers at once; nothing
 * here waits for the window manager.
 */
class IPlatformWindow
{
public:
    virtual ~IPlatformWindow() = default;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    /** A disabled window takes no input (its messages are dropped); it still presents. */
    virtual void setEnabled(bool enabled) = 0;
    /** Moves the client area's top left corner to @p position on the screen. */
    virtual void move(const SPoint &position) = 0;
    virtual void resize(const SSize &size) = 0;
    /** 0.0 to 1.0; shown only where a compositor runs. */
    virtual void setOpacity(double opacity) = 0;
    /** Premultiplied ARGB words, rows @p rowWords apart; a null picture removes the icon. */
    virtual void setIcon(const std::uint32_t *pixels, const SSize &size, long rowWords) = 0;

    /**
     * Copies @p area of a picture of @p pictureSize (premultiplied ARGB words, rows @p rowWords
     * apart, the client area's top left at its first word) to the same place on the screen.
     */
    virtual void present(const std::uint32_t *pixels, const SSize &pictureSize, long rowWords, const SArea &area) = 0;
    /**
     * The picture the window is shown from, when the platform keeps one the caller may draw into
     * (premultiplied ARGB words of @p size, rows @p rowWords apart): presenting it then shows the
     * area without copying it. It lasts until the window is resized or destroyed, so it is asked
     * for before each use. Null when the platform keeps none, or none laid out like ours.
     */
    virtual std::uint32_t *getScreenPicture(SSize & /*size*/, long & /*rowWords*/) { return nullptr; }

    /** While captured, mouse messages keep coming to this window wherever the pointer is. */
    virtual void captureMouse(bool capture) = 0;
    /** The window with its frame on the screen; false when the platform cannot tell. */
    virtual bool getOuterArea(SArea &area) const = 0;
    virtual bool getClientSize(SSize &size) const = 0;
    virtual void bringToForeground() = 0;
    virtual void raise() = 0;

    /** A TIMER message with @p id every @p milliseconds until stopped; a second start restarts. */
    virtual void startTimer(long id, long milliseconds) = 0;
    virtual void stopTimer(long id) = 0;

    /** TEXT_INPUT messages arrive only while text input is on; @p area is where it is typed. */
    virtual void startTextInput(const SArea &area) = 0;
    virtual void stopTextInput() = 0;
};
} // namespace Corvane::Platform
