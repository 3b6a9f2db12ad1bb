#pragma once

#include "framework/gui/controls/CControl.hpp"
#include "framework/mathtools/CPoint.hpp"

#include <functional>
#include <string>
#include <vector>

namespace Corvane::Testing
{
/**
 * A control that writes down every event it gets and every time it is drawn, with what the
 * event and the graphics surface said at that moment.
 */
class RecordingControl : public GUI::Controls::CControl
{
public:
    struct SReceived
    {
        std::string handler;
        MathTools::CPoint position; // the event's position while the handler ran
        double wheelValue;
        long eventType;
        bool controlDown;
        bool shiftDown;
        bool altDown;
    };

    struct SDrawn
    {
        MathTools::CPoint drawingOffset;
        MathTools::CRect updateArea;
        MathTools::CRect clip;
    };

    RecordingControl(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);

    std::vector<SReceived> received;
    std::vector<std::string> keys;
    std::vector<SDrawn> drawn;
    long drops = 0;
    /** What the key handlers answer. */
    bool usesKeys = true;
    /** Runs inside every mouse handler, after the event was written down. */
    std::function<void()> onMouse;

    /** "handler@x,y" for each event received, joined by blanks. */
    std::string summary() const;

    void drawControl(GUI::Graphics::CGraphics &graphics) override;
    void handleLeftButtonDown(GUI::Controls::CMouseEvent &event) override { record("leftDown", event); }
    void handleLeftButtonUp(GUI::Controls::CMouseEvent &event) override { record("leftUp", event); }
    void handleRightButtonDown(GUI::Controls::CMouseEvent &event) override { record("rightDown", event); }
    void handleRightButtonUp(GUI::Controls::CMouseEvent &event) override { record("rightUp", event); }
    void handleDoubleClick(GUI::Controls::CMouseEvent &event) override { record("double", event); }
    void handleMouseScroll(GUI::Controls::CMouseEvent &event) override { record("scroll", event); }
    void handleMouseMovement(GUI::Controls::CMouseEvent &event) override { record("move", event); }
    void handleMouseLeavingArea(GUI::Controls::CMouseEvent &event) override { record("leave", event); }
    bool handleKeyDown(const GUI::Controls::CKeyboardEvent &event) override;
    bool handleKeyUp(const GUI::Controls::CKeyboardEvent &event) override;
    void handleFileDrop(const GUI::Controls::CDropEvent &event) override;

    /** The position of the last drop received, as the event gave it, and its files in order. */
    MathTools::CPoint lastDropPosition;
    std::vector<std::string> droppedFiles;

private:
    void record(const char *handler, GUI::Controls::CMouseEvent &event);
};
} // namespace Corvane::Testing
