#include "framework/gui/controls/CNameList.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CNameList, "CNameList", "TPointerCollection<CString>")

CNameList::CNameList() : TPointerCollection<Basics::CString>(&ownershipPolicy())
{
}

CNameList::CNameList(const CNameList &other)
    : TPointerCollection<Basics::CString>(&ownershipPolicy()), TInstanceCounter<CNameList>(other)
{
    *this = other;
}

CNameList &CNameList::operator=(const CNameList &other)
{
    if (this == &other)
        return *this;
    clearElements();
    for (long index = 0; index < other.getNumberOfElements(); index++)
        if (const Basics::CString *name = other.getName(index))
            addName(*name);
    return *this;
}

void CNameList::addName(const Basics::CString &name)
{
    addElement(new Basics::CString(name));
}

Basics::TPointerDeleter<Basics::CString> &CNameList::ownershipPolicy()
{
    static Basics::TObjectDeleter<Basics::CString> policy;
    return policy;
}
} // namespace Corvane::GUI::Controls
