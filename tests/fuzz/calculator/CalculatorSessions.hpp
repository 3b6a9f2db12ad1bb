#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Corvane::Fuzzing
{
/** A session a person could have with the calculator, in the player's byte format. */
struct SNamedSession
{
    std::string name;
    std::vector<std::uint8_t> bytes;
};

/** The sessions the fuzzer's corpus starts from and its tests replay. */
std::vector<SNamedSession> getRealSessions();
/** The session called @p name; std::invalid_argument when there is none. */
std::vector<std::uint8_t> getRealSession(const std::string &name);
} // namespace Corvane::Fuzzing
