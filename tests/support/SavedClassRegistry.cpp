#include "tests/support/SavedClassRegistry.hpp"

#include "framework/basics/CClassRegistry.hpp"

namespace Corvane::Testing
{
SavedClassRegistry::SavedClassRegistry()
{
    const Basics::CClassRegistry *registry = Basics::CClassRegistry::getClassRegistry();
    for (long index = 0; index < registry->getNumberOfClasses(); index++)
        if (Basics::CClass *record = registry->getClassAtIndex(index))
            m_records.push_back(record);
}

SavedClassRegistry::~SavedClassRegistry()
{
    Basics::CClassRegistry *registry = Basics::CClassRegistry::getClassRegistry();
    for (Basics::CClass *record : m_records)
        registry->registerClass(record);
}
} // namespace Corvane::Testing
