#pragma once

#include "framework/basics/CString.hpp"
#include "framework/basics/TPointerCollection.hpp"

namespace Corvane::GUI::Controls
{
/**
 * A list of texts that owns them: each added name is a copy, deleted with the list, and copying
 * the list copies every name. Dropped file names and the choices of a control property are kept
 * in one.
 */
class CNameList : public Basics::TPointerCollection<Basics::CString>, private Basics::TInstanceCounter<CNameList>
{
public:
    CORVANE_DECLARE_CLASS

    CNameList();
    CNameList(const CNameList &other);
    CNameList &operator=(const CNameList &other);

    /** Appends a copy of @p name. */
    void addName(const Basics::CString &name);
    /** The name at @p index, or null outside the list. */
    const Basics::CString *getName(long index) const { return getElementAtIndex(index); }

private:
    static Basics::TPointerDeleter<Basics::CString> &ownershipPolicy();
};
} // namespace Corvane::GUI::Controls
