#pragma once

namespace Corvane::Basics
{
/**
 * Makes @p held point to @p replacement, moving one counted reference from the old object to
 * the new. The new one is referenced first, so replacing an object by itself never frees it.
 */
template <class T> void replaceCountedReference(T *&held, T *replacement)
{
    if (replacement != nullptr)
        replacement->reference();
    if (held != nullptr)
        held->dereference();
    held = replacement;
}
} // namespace Corvane::Basics
