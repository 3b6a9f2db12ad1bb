#pragma once

#include "framework/basics/CCountedObject.hpp"

namespace Corvane::Basics
{
/**
 * The policy that decides what a collection or an automatic pointer does to an element when
 * it enters (pointerAdded) and when it leaves or its owner goes (deletePointer).
 */
template <class T> class TPointerDeleter : public CCountedObject, private TInstanceCounter<TPointerDeleter<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TPointerDeleter, T, "TPointerDeleter<TypeName>", "CCountedObject")

    virtual void pointerAdded(T *element) = 0;
    virtual void deletePointer(T *element) = 0;
};

/** Deletes elements as they leave. */
template <class T> class TObjectDeleter : public TPointerDeleter<T>, private TInstanceCounter<TObjectDeleter<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TObjectDeleter, T, "TObjectDeleter<TypeName>", "TPointerDeleter<TypeName>")

    void pointerAdded(T *) override {}
    void deletePointer(T *element) override { delete element; }
};

/** Never touches elements: the owner only forgets them. */
template <class T> class TObjectNuller : public TPointerDeleter<T>, private TInstanceCounter<TObjectNuller<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TObjectNuller, T, "TObjectNuller<TypeName>", "TPointerDeleter<TypeName>")

    void pointerAdded(T *) override {}
    void deletePointer(T *) override {}
};

/** Holds one counted reference on each element for as long as it is held. */
template <class T>
class TCountedObjectDeleter : public TPointerDeleter<T>, private TInstanceCounter<TCountedObjectDeleter<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TCountedObjectDeleter, T, "TCountedObjectDeleter<TypeName>", "TPointerDeleter<TypeName>")

    void pointerAdded(T *element) override
    {
        if (element != nullptr)
            element->reference();
    }
    void deletePointer(T *element) override
    {
        if (element != nullptr)
            element->dereference();
    }
};
} // namespace Corvane::Basics
