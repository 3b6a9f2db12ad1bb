#include "tools/benchmarks/window/CWindowMatcher.hpp"

namespace Corvane::WindowBench
{
void CWindowMatcher::addForeign(unsigned long id)
{
    m_foreignBlocks.insert(blockOf(id));
}

bool CWindowMatcher::matches(unsigned long id, ENamedProcess named) const
{
    if (named != ENamedProcess::NONE)
        return named == ENamedProcess::PROGRAM;
    // Block 0 is the server's own (the root window): never a program's.
    return blockOf(id) != 0 && m_foreignBlocks.count(blockOf(id)) == 0;
}
} // namespace Corvane::WindowBench
