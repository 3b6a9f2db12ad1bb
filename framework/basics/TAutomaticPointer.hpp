#pragma once

#include "framework/basics/TPointerDeleter.hpp"

namespace Corvane::Basics
{
/**
 * Owns one pointer under a policy. Without a policy it deletes the pointee when it goes.
 */
template <class T>
class TAutomaticPointer : public CCountedObject, private TInstanceCounter<TAutomaticPointer<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TAutomaticPointer, T, "TAutomaticPointer<TypeName>", "CCountedObject")

    TAutomaticPointer(T *pointer, TPointerDeleter<T> *deleter) : m_pointer(pointer), m_deleter(deleter)
    {
        if (m_pointer != nullptr && m_deleter != nullptr)
            m_deleter->pointerAdded(m_pointer);
    }
    TAutomaticPointer(const TAutomaticPointer &) = delete;
    TAutomaticPointer &operator=(const TAutomaticPointer &) = delete;

    ~TAutomaticPointer() override
    {
        if (m_deleter != nullptr)
            m_deleter->deletePointer(m_pointer);
        else
            delete m_pointer;
        m_pointer = nullptr;
    }

    T *getPointer() const { return m_pointer; }

private:
    T *m_pointer;
    TPointerDeleter<T> *m_deleter;
};
} // namespace Corvane::Basics
