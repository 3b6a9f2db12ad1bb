#include "framework/platform/CWindowInbox.hpp"

namespace Corvane::Platform
{
bool isInputMessage(EMessageKind kind)
{
    switch (kind)
    {
    case EMessageKind::MOUSE_MOVE:
    case EMessageKind::BUTTON_DOWN:
    case EMessageKind::BUTTON_UP:
    case EMessageKind::DOUBLE_CLICK:
    case EMessageKind::WHEEL:
    case EMessageKind::KEY_DOWN:
    case EMessageKind::KEY_UP:
    case EMessageKind::TEXT_INPUT:
    case EMessageKind::FILES_DROPPED:
    case EMessageKind::CLOSE_REQUESTED:
        return true;
    default:
        return false;
    }
}

CWindowInbox::CWindowInbox(IPlatformWindowHandler &handler, bool acceptsDroppedFiles)
    : m_handler(handler), m_acceptsDroppedFiles(acceptsDroppedFiles)
{
}

bool CWindowInbox::admits(EMessageKind kind) const
{
    if (!m_enabled && isInputMessage(kind))
        return false;
    if (kind == EMessageKind::FILES_DROPPED)
        return m_acceptsDroppedFiles;
    if (kind == EMessageKind::TEXT_INPUT)
        return m_textInput;
    return true;
}

bool CWindowInbox::receive(const SPlatformMessage &message)
{
    if (!admits(message.kind))
        return false;
    m_handler.handleMessage(message);
    return true;
}
} // namespace Corvane::Platform
