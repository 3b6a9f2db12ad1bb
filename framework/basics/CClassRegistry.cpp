#include "framework/basics/CClassRegistry.hpp"

#include <cstring>
#include <new>
#include <utility>

namespace Corvane::Basics
{
CClassRegistry *CClassRegistry::s_registry = nullptr;
bool CClassRegistry::s_creating = false;
CClass *CClassRegistry::s_firstWaiting = nullptr;
CClass *CClassRegistry::s_lastWaiting = nullptr;

CClassRegistry *CClassRegistry::getClassRegistry()
{
    if (s_registry == nullptr && !s_creating)
    {
        s_creating = true;
        s_registry = new (std::nothrow) CClassRegistry();
        s_creating = false;
    }
    registerWaitingRecords();
    return s_registry;
}

CClassRegistry *CClassRegistry::findClassRegistry()
{
    return s_registry != nullptr || s_firstWaiting != nullptr ? getClassRegistry() : nullptr;
}

void CClassRegistry::destroyClassRegistry()
{
    delete std::exchange(s_registry, nullptr);
}

void CClassRegistry::enrol(CClass *record)
{
    if (record == nullptr)
        return;
    if (s_registry != nullptr)
    {
        s_registry->registerClass(record);
        return;
    }
    record->m_nextWaiting = nullptr;
    (s_lastWaiting != nullptr ? s_lastWaiting->m_nextWaiting : s_firstWaiting) = record;
    s_lastWaiting = record;
}

void CClassRegistry::withdraw(CClass *record)
{
    if (s_registry != nullptr)
        s_registry->m_classes.removeElement(record);
    CClass *previous = nullptr;
    for (CClass *waiting = s_firstWaiting; waiting != nullptr; previous = waiting, waiting = waiting->m_nextWaiting)
    {
        if (waiting != record)
            continue;
        (previous != nullptr ? previous->m_nextWaiting : s_firstWaiting) = waiting->m_nextWaiting;
        if (s_lastWaiting == waiting)
            s_lastWaiting = previous;
        return;
    }
}

void CClassRegistry::registerWaitingRecords()
{
    if (s_registry == nullptr)
        return;
    while (CClass *record = s_firstWaiting)
    {
        s_firstWaiting = record->m_nextWaiting;
        record->m_nextWaiting = nullptr;
        s_registry->registerClass(record);
    }
    s_lastWaiting = nullptr;
}

void CClassRegistry::registerClass(CClass *record)
{
    if (record == nullptr || getClassByName(record->getClassName()) != nullptr)
        return;
    m_classes.addElement(record);
}

CClass *CClassRegistry::getClassByName(const char *name) const
{
    for (long index = 0; index < m_classes.getArraySize(); index++)
    {
        CClass *record = m_classes.getElementAtIndex(index);
        if (record != nullptr && *record == name)
            return record;
    }
    return nullptr;
}

namespace
{
int compareRecords(const void *left, const void *right)
{
    const CClass *a = *static_cast<CClass *const *>(left);
    const CClass *b = *static_cast<CClass *const *>(right);
    if (a == b)
        return 0;
    if (a == nullptr)
        return 1;
    if (b == nullptr)
        return -1;
    // strcmp compares as unsigned bytes.
    return std::strcmp(a->getClassName(), b->getClassName());
}
} // namespace

void CClassRegistry::sortClasses()
{
    m_classes.sortElements(compareRecords);
}
} // namespace Corvane::Basics
