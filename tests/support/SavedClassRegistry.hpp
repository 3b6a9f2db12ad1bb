#pragma once

#include <vector>

namespace Corvane::Basics
{
class CClass;
}

namespace Corvane::Testing
{
/**
 * The records of the class registry at one moment. A test that shuts the registry down (as the
 * framework's shutdown does) puts them back into the new registry when it is done, so that the
 * tests after it in the same process still find every record, and leak checks still count.
 */
class SavedClassRegistry
{
public:
    SavedClassRegistry();
    SavedClassRegistry(const SavedClassRegistry &) = delete;
    SavedClassRegistry &operator=(const SavedClassRegistry &) = delete;
    /** Registers the saved records again (a record still listed is not listed twice). */
    ~SavedClassRegistry();

private:
    std::vector<Basics::CClass *> m_records;
};
} // namespace Corvane::Testing
