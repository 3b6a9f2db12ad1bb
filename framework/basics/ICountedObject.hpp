#pragma once

#include <cstdint>

namespace Corvane::Basics
{
class CClass;

/**
 * An object shared through an intrusive, non-atomic reference count.
 * Windows and controls implement this themselves; most other classes derive from CCountedObject.
 */
struct ICountedObject
{
    virtual ~ICountedObject() = default;

    virtual void reference() = 0;

    /** Drops one reference; the object destroys itself when the count falls below 1. */
    virtual void dereference() = 0;

    virtual std::int32_t getReferenceCount() const = 0;

    /** Writes a one-line description into a caller's buffer of @p size bytes (cut to fit). */
    virtual void getObjectDescription(char *text, long size) const = 0;

    /** The class record of the object's concrete class. */
    virtual const CClass &getClass() const = 0;
};
} // namespace Corvane::Basics
