#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Corvane::Platform
{
/**
 * Gathers the files of one drop, which SDL reports one event at a time between a begin and a
 * complete event, so that the window receives them as one message in the order they came. Drops
 * on different windows are kept apart; a file with no begin before it starts a drop of its own.
 */
class CDropCollector
{
public:
    /** A drop on @p windowId begins: files gathered for it before and never completed are forgotten. */
    void begin(std::uint32_t windowId);
    void addFile(std::uint32_t windowId, const std::string &path);
    /** The drop on @p windowId is complete: answers its files, oldest first, and forgets them. */
    std::vector<std::string> complete(std::uint32_t windowId);
    /** Forgets a drop on a window that is going away. */
    void forget(std::uint32_t windowId);
    /** Whether files are being gathered for any window. */
    bool isCollecting() const { return !m_drops.empty(); }

private:
    std::map<std::uint32_t, std::vector<std::string>> m_drops;
};
} // namespace Corvane::Platform
