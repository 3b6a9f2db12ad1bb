#pragma once

#include "framework/gui/controls/CNameList.hpp"
#include "framework/mathtools/CPoint.hpp"

namespace Corvane::GUI::Controls
{
/**
 * Files dropped on a window in one gesture: their full paths in the order the platform listed
 * them, and where they were dropped, in window coordinates.
 */
class CDropEvent : public Basics::CCountedObject, private Basics::TInstanceCounter<CDropEvent>
{
public:
    CORVANE_DECLARE_CLASS

    explicit CDropEvent(const MathTools::CPoint &dropPosition = MathTools::CPoint());
    CDropEvent(const CDropEvent &other) = default;

    CNameList &getFileNames() { return m_fileNames; }
    const CNameList &getFileNames() const { return m_fileNames; }
    /** Appends a copy of @p fileName. */
    void addFileName(const Basics::CString &fileName) { m_fileNames.addName(fileName); }

    const MathTools::CPoint &getDropPosition() const { return m_dropPosition; }
    void setDropPosition(const MathTools::CPoint &dropPosition) { m_dropPosition = dropPosition; }

private:
    CNameList m_fileNames;
    MathTools::CPoint m_dropPosition;
};
} // namespace Corvane::GUI::Controls
