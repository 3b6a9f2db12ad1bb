#include "tools/benchmarks/window/CWindowMatcher.hpp"

namespace Corvane::WindowBench
{
void CWindowMatcher::addForeign(unsigned long id)
{
    m_foreignBlocks.insert(blockOf(id));
    // This tool's own block is recorded by its first id, which no window ever frees: it stays held.
    m_earlierWindows[blockOf(id)].insert(id);
}

void CWindowMatcher::forget(unsigned long id)
{
    auto block = m_earlierWindows.find(blockOf(id));
    if (block == m_earlierWindows.end())
        return;
    block->second.erase(id);
    if (block->second.empty())
        m_earlierWindows.erase(block);
}

bool CWindowMatcher::isOfAnEarlierConnection(unsigned long id) const
{
    return blockOf(id) == 0 || m_earlierWindows.count(blockOf(id)) != 0;
}

bool CWindowMatcher::matches(unsigned long id, ENamedProcess named) const
{
    if (named != ENamedProcess::NONE)
        return named == ENamedProcess::PROGRAM;
    // Block 0 is the server's own (the root window): never a program's.
    return blockOf(id) != 0 && m_foreignBlocks.count(blockOf(id)) == 0;
}
} // namespace Corvane::WindowBench
