#pragma once

#include "framework/platform/IPlatformWindow.hpp"

namespace Corvane::Platform
{
/** Whether @p kind is the user's input (mouse, keys, typed text, drops, the close button). */
bool isInputMessage(EMessageKind kind);

/**
 * Where a backend hands a platform window's messages: it passes them on to the window's handler
 * unless the window's state turns them away. A disabled window takes no input, a window made
 * without the accept-files style takes no drops, and typed text comes only while text input is
 * on. The close button counts as input: a disabled window (under a modal box) cannot be closed
 * by the user, as on other desktops. Both backends turn messages away here, so they agree.
 */
class CWindowInbox
{
public:
    CWindowInbox(IPlatformWindowHandler &handler, bool acceptsDroppedFiles);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    void setTextInput(bool on) { m_textInput = on; }
    bool isTextInputOn() const { return m_textInput; }

    /** Whether a message of @p kind would reach the handler now. */
    bool admits(EMessageKind kind) const;
    /** Hands @p message to the handler when admitted; answers whether it did. */
    bool receive(const SPlatformMessage &message);

private:
    IPlatformWindowHandler &m_handler;
    bool m_acceptsDroppedFiles;
    bool m_enabled = true;
    bool m_textInput = false;
};
} // namespace Corvane::Platform
