#pragma once

#include "framework/platform/CWindowInbox.hpp"
#include "framework/platform/IPlatformWindow.hpp"

#include <cstdint>
#include <vector>

struct SDL_Window;

namespace Corvane::Platform
{
class CSdlDriver;

/**
 * A window of the SDL backend. It paints only through its window surface (present copies into
 * it), so the window stays in plain shared memory. A backend that stops before its windows are
 * destroyed takes their SDL windows with it; what remains answers every call by doing nothing.
 */
class CSdlWindow : public IPlatformWindow
{
public:
    /** Takes over @p window, made by @p driver with @p style. */
    CSdlWindow(CSdlDriver &driver, SDL_Window *window, const SWindowStyle &style, IPlatformWindowHandler &handler);
    CSdlWindow(const CSdlWindow &) = delete;
    CSdlWindow &operator=(const CSdlWindow &) = delete;
    ~CSdlWindow() override;

    void show() override;
    void hide() override;
    bool isVisible() const override { return m_visible; }
    void setEnabled(bool enabled) override { m_inbox.setEnabled(enabled); }
    void move(const SPoint &position) override;
    void resize(const SSize &size) override;
    void setOpacity(double opacity) override;
    /** SDL 2 cannot take an icon away: a null picture leaves the icon as it is. */
    void setIcon(const std::uint32_t *pixels, const SSize &size, long rowWords) override;
    /** The picture is copied pixel for pixel: a denser screen wants a picture drawn at its scale. */
    void present(const std::uint32_t *pixels, const SSize &pictureSize, long rowWords, const SArea &area) override;
    std::uint32_t *getScreenPicture(SSize &size, long &rowWords) override;
    void captureMouse(bool capture) override;
    bool getOuterArea(SArea &area) const override;
    bool getClientSize(SSize &size) const override;
    void bringToForeground() override;
    void raise() override;
    void startTimer(long id, long milliseconds) override;
    void stopTimer(long id) override;
    void startTextInput(const SArea &area) override;
    void stopTextInput() override;

    std::uint32_t getId() const { return m_id; }
    SDL_Window *getSdlWindow() const { return m_window; }
    bool isEnabled() const { return m_inbox.isEnabled(); }

private:
    friend class CSdlDriver;

    /** Passes @p message to the handler unless the window's state turns it away. */
    bool receive(const SPlatformMessage &message) { return m_inbox.receive(message); }
    /** The backend stops: the SDL window goes now. */
    void detach();
    /**
     * Whether there is an SDL window; one that was only asked to be mapped is first handed to SDL,
     * before anything that wants it counted as shown.
     */
    bool readyWindow();
    /** Hands SDL the icon setIcon keeps, if any (SDL keeps a copy). */
    void applyIcon();

    CSdlDriver *m_driver;
    SDL_Window *m_window;
    std::uint32_t m_id;
    CWindowInbox m_inbox;
    bool m_visible = false;
    bool m_showPending = false;
    /**
     * An icon given before the first picture was presented waits for it: converting and sending it
     * would make the window's mapping wait, and the window manager takes an icon given later too.
     */
    std::vector<std::uint32_t> m_pendingIcon;
    SSize m_pendingIconSize;
    bool m_presented = false;
};
} // namespace Corvane::Platform
