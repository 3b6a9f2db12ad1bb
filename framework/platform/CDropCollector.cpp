#include "framework/platform/CDropCollector.hpp"

namespace Corvane::Platform
{
void CDropCollector::begin(std::uint32_t windowId)
{
    m_drops[windowId].clear();
}

void CDropCollector::addFile(std::uint32_t windowId, const std::string &path)
{
    m_drops[windowId].push_back(path);
}

std::vector<std::string> CDropCollector::complete(std::uint32_t windowId)
{
    const auto drop = m_drops.find(windowId);
    if (drop == m_drops.end())
        return {};
    std::vector<std::string> paths = std::move(drop->second);
    m_drops.erase(drop);
    return paths;
}

void CDropCollector::forget(std::uint32_t windowId)
{
    m_drops.erase(windowId);
}
} // namespace Corvane::Platform
