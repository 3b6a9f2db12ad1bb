#pragma once

#include <map>
#include <string>

namespace Corvane::Testing
{
/**
 * The live instance count of every class record at one moment. Taking one before and one after a
 * piece of work shows what the work left alive: process-wide objects (predefined colours, shared
 * policies) are alive in both and cancel out.
 */
class LiveCounts
{
public:
    LiveCounts();

    /** "CString +2, CCountedObject +2" for every record whose count differs; empty when none. */
    std::string differencesFrom(const LiveCounts &earlier) const;

private:
    std::map<std::string, long> m_counts;
};
} // namespace Corvane::Testing
