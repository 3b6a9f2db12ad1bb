#include "framework/basics/CCountedObject.hpp"

#include "framework/basics/TextBuffer.hpp"

#include <cstdio>

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CCountedObject, "CCountedObject", "UndefinedParent")

void CCountedObject::getObjectDescription(char *text, long size) const
{
    char description[1024];
    std::snprintf(description, sizeof description, "[CCounted Object Base Reference Count = %li",
                  static_cast<long>(getReferenceCount()));
    copyTextToBuffer(description, text, size);
}
} // namespace Corvane::Basics
