#include "tests/support/RecordingControl.hpp"

#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/graphics/CGraphics.hpp"

namespace Corvane::Testing
{
RecordingControl::RecordingControl(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area)
    : CControl(root, uniqueId, area, nullptr)
{
}

std::string RecordingControl::summary() const
{
    std::string text;
    for (const SReceived &event : received)
        text += (text.empty() ? "" : " ") + event.handler + "@" + std::to_string(event.position.getXPosition()) +
                "," + std::to_string(event.position.getYPosition());
    return text;
}

void RecordingControl::drawControl(GUI::Graphics::CGraphics &graphics)
{
    SDrawn state{graphics.getDrawingOffset(), graphics.getUpdateArea(), MathTools::CRect()};
    graphics.getClip().getClip(state.clip);
    drawn.push_back(state);
}

bool RecordingControl::handleKeyDown(const GUI::Controls::CKeyboardEvent &event)
{
    keys.push_back(std::string("down ") + event.getKey());
    return usesKeys;
}

bool RecordingControl::handleKeyUp(const GUI::Controls::CKeyboardEvent &event)
{
    keys.push_back(std::string("up ") + event.getKey());
    return usesKeys;
}

void RecordingControl::handleFileDrop(const GUI::Controls::CDropEvent &event)
{
    drops++;
    lastDropPosition = event.getDropPosition();
    droppedFiles.clear();
    for (long index = 0; index < event.getFileNames().getNumberOfElements(); index++)
        droppedFiles.push_back(event.getFileNames().getName(index)->getString());
}

void RecordingControl::record(const char *handler, GUI::Controls::CMouseEvent &event)
{
    received.push_back({handler, event.getMousePosition(), event.getWheelValue(), event.getEventType(),
                        event.isControlDown(), event.isShiftDown(), event.isAltDown()});
    if (onMouse)
        onMouse();
}
} // namespace Corvane::Testing
