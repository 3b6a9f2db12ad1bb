#pragma once

#include "framework/basics/TPointerDeleter.hpp"

#include <cstdlib>
#include <cstring>
#include <cstdint>

namespace Corvane::Basics
{
/**
 * A growable array of element pointers. What happens to an element when it is added or
 * removed is left to the policy (which the collection does not own, and may be null).
 * Elements fill the slots from 0 in insertion order; the array grows 32 slots at a time.
 */
template <class T>
class TPointerCollection : public CCountedObject, private TInstanceCounter<TPointerCollection<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TPointerCollection, T, "TPointerCollection<TypeName>", "CCountedObject")

    explicit TPointerCollection(TPointerDeleter<T> *deleter) : m_deleter(deleter) {}
    TPointerCollection(const TPointerCollection &) = delete;
    TPointerCollection &operator=(const TPointerCollection &) = delete;
    ~TPointerCollection() override { clearElements(); }

    void addElement(T *element)
    {
        if (m_numberOfElements >= m_arraySize)
            grow();
        m_array[m_numberOfElements++] = element;
        if (m_deleter != nullptr)
            m_deleter->pointerAdded(element);
    }

    /** The slot's content; null for an empty slot or an index outside the array. */
    T *getElementAtIndex(long index) const
    {
        if (m_array == nullptr || index < 0 || index >= m_arraySize)
            return nullptr;
        return m_array[index];
    }

    long getIndexOfElement(const T *element) const
    {
        for (long index = 0; index < m_arraySize; index++)
            if (m_array[index] == element)
                return index;
        return -1;
    }

    long getNumberOfElements() const { return m_numberOfElements; }
    long getArraySize() const { return m_arraySize; }

    void removeElement(T *element)
    {
        const long index = getIndexOfElement(element);
        if (index >= 0)
        {
            if (m_deleter != nullptr)
                m_deleter->deletePointer(element);
            m_array[index] = nullptr;
        }
        compact(true);
    }

    void clearElements()
    {
        for (long index = 0; index < m_arraySize; index++)
            if (m_array[index] != nullptr && m_deleter != nullptr)
                m_deleter->deletePointer(m_array[index]);
        delete[] m_array;
        m_array = nullptr;
        m_arraySize = 0;
        m_numberOfElements = 0;
    }

    /** Moves the elements to the front in order; with @p shrink the array then fits them exactly. */
    void compact(bool shrink)
    {
        long filled = 0;
        for (long index = 0; index < m_arraySize; index++)
            if (m_array[index] != nullptr)
                m_array[filled++] = m_array[index];
        for (long index = filled; index < m_arraySize; index++)
            m_array[index] = nullptr;
        m_numberOfElements = static_cast<std::int32_t>(filled);
        if (shrink && m_arraySize != filled)
            resize(filled);
    }

    /** Sorts every slot, empty ones included; @p compare receives the addresses of two slots. */
    void sortElements(int (*compare)(const void *, const void *))
    {
        if (m_array != nullptr)
            std::qsort(m_array, static_cast<std::size_t>(m_arraySize), sizeof(T *), compare);
    }

private:
    static constexpr std::int32_t GROWTH = 32;

    void grow() { resize(m_arraySize + GROWTH); }

    void resize(long slots)
    {
        T **array = slots > 0 ? new T *[static_cast<std::size_t>(slots)]() : nullptr;
        const long kept = slots < m_arraySize ? slots : m_arraySize;
        if (kept > 0)
            std::memcpy(array, m_array, static_cast<std::size_t>(kept) * sizeof(T *));
        delete[] m_array;
        m_array = array;
        m_arraySize = static_cast<std::int32_t>(slots);
    }

    T **m_array = nullptr;
    TPointerDeleter<T> *m_deleter;
    std::int32_t m_arraySize = 0;
    std::int32_t m_numberOfElements = 0;
};

/** A collection that holds a counted reference on each of its elements. */
template <class T>
class TCountedPointerArray : public TPointerCollection<T>, private TInstanceCounter<TCountedPointerArray<T>>
{
public:
    CORVANE_TEMPLATE_CLASS(TCountedPointerArray, T, "TCountedPointerArray<TypeName>", "TPointerCollection<TypeName>")

    TCountedPointerArray() : TPointerCollection<T>(&countingPolicy()) {}

private:
    static TCountedObjectDeleter<T> &countingPolicy()
    {
        static TCountedObjectDeleter<T> policy;
        return policy;
    }
};
} // namespace Corvane::Basics
