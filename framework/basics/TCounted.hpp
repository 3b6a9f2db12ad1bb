#pragma once

#include <cstdint>

namespace Corvane::Basics
{
/**
 * The one implementation of the intrusive reference count, for every root of the class tree:
 * counted objects, images, windows and controls derive from TCounted<their interface> and keep
 * their own class records. The count starts at 0 and is not copied (a copy is a new object); the
 * dereference() that takes it below 1 deletes the object, so an object that nobody referenced
 * is deleted by its owner instead.
 */
template <class Interface> class TCounted : public Interface
{
public:
    void reference() override { ++m_referenceCount; }

    void dereference() override
    {
        if (--m_referenceCount < 1)
            delete this;
    }

    std::int32_t getReferenceCount() const override { return m_referenceCount; }

protected:
    TCounted() = default;
    TCounted(const TCounted &other) : Interface(other) {}
    TCounted &operator=(const TCounted &other)
    {
        Interface::operator=(other);
        return *this;
    }
    ~TCounted() override = default;

private:
    std::int32_t m_referenceCount = 0;
};
} // namespace Corvane::Basics
