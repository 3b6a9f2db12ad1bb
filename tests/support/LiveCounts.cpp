#include "tests/support/LiveCounts.hpp"

#include "framework/basics/CClassRegistry.hpp"

namespace Corvane::Testing
{
LiveCounts::LiveCounts()
{
    const Basics::CClassRegistry *registry = Basics::CClassRegistry::getClassRegistry();
    for (long index = 0; index < registry->getNumberOfClasses(); index++)
        if (const Basics::CClass *record = registry->getClassAtIndex(index))
            m_counts[record->getClassName()] = record->getInstanceCount();
}

std::string LiveCounts::differencesFrom(const LiveCounts &earlier) const
{
    std::string differences;
    for (const auto &[name, count] : m_counts)
    {
        auto before = earlier.m_counts.find(name);
        const long change = count - (before != earlier.m_counts.end() ? before->second : 0);
        if (change != 0)
            differences += (differences.empty() ? "" : ", ") + name + (change > 0 ? " +" : " ") +
                           std::to_string(change);
    }
    return differences;
}
} // namespace Corvane::Testing
