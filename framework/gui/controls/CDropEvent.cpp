#include "framework/gui/controls/CDropEvent.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CDropEvent, "CDropEvent", "CCountedObject")

CDropEvent::CDropEvent(const MathTools::CPoint &dropPosition) : m_dropPosition(dropPosition)
{
}
} // namespace Corvane::GUI::Controls
