#pragma once

#include "framework/basics/CClass.hpp"
#include "framework/basics/TPointerCollection.hpp"

namespace Corvane::Basics
{
/**
 * The process-wide list of class records, in registration order. It is created by the first
 * record that needs it and destroyed at shutdown (destroyClassRegistry); the records themselves
 * are static objects and are never deleted by it.
 */
class CClassRegistry
{
public:
    /** The registry, created on first call; null after a failed creation. */
    static CClassRegistry *getClassRegistry();

    /**
     * The registry when it exists or records wait for it (it is then created and takes them);
     * null, creating nothing, when there is nothing to list.
     */
    static CClassRegistry *findClassRegistry();

    /** Destroys the registry, not the records. A record built afterwards starts a new registry. */
    static void destroyClassRegistry();

    /**
     * Registers a record at once when the registry exists, else queues it for the registry's
     * creation. A record never creates the registry itself, since building the registry builds
     * records (those of its own collection and policy).
     */
    static void enrol(CClass *record);

    /** Takes a record that is being destroyed out of the registry, or out of the queue. */
    static void withdraw(CClass *record);

    /** Appends @p record unless it is null or a record of the same name is already listed. */
    void registerClass(CClass *record);

    /** The first registered record of that name, or null. */
    CClass *getClassByName(const char *name) const;

    long getNumberOfClasses() const { return m_classes.getNumberOfElements(); }
    CClass *getClassAtIndex(long index) const { return m_classes.getElementAtIndex(index); }

    /** Sorts the records by name, as unsigned bytes; empty slots go last. */
    void sortClasses();

private:
    CClassRegistry() = default;
    static void registerWaitingRecords();

    TObjectNuller<CClass> m_nuller;
    TPointerCollection<CClass> m_classes{&m_nuller};

    static CClassRegistry *s_registry;
    static bool s_creating;
    static CClass *s_firstWaiting;
    static CClass *s_lastWaiting;
};
} // namespace Corvane::Basics
