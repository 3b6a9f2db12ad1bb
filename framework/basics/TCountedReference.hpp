#pragma once

#include <utility>

namespace Corvane::Basics
{
/**
 * Holds one counted reference on an object (or nothing) for as long as the holder lives: taking
 * an object references it, letting go dereferences it. Replacing an object by itself never frees
 * it, since the new one is referenced before the old one is let go.
 */
template <class T> class TCountedReference
{
public:
    TCountedReference() = default;
    explicit TCountedReference(T *object) { reset(object); }
    TCountedReference(const TCountedReference &other) { reset(other.m_object); }
    TCountedReference(TCountedReference &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    TCountedReference &operator=(const TCountedReference &other)
    {
        reset(other.m_object);
        return *this;
    }
    TCountedReference &operator=(TCountedReference &&other) noexcept
    {
        if (this != &other)
        {
            reset(nullptr);
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }
    ~TCountedReference() { reset(nullptr); }

    /** References @p object, then lets go of the one held before. */
    void reset(T *object)
    {
        if (object != nullptr)
            object->reference();
        T *previous = std::exchange(m_object, object);
        if (previous != nullptr)
            previous->dereference();
    }

    T *get() const { return m_object; }
    T *operator->() const { return m_object; }
    T &operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T *m_object = nullptr;
};
} // namespace Corvane::Basics
