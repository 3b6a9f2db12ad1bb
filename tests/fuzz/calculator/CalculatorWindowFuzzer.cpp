// Plays every input as a session of platform messages with the calculator window (see
// SessionFormat.hpp), then checks that each panel shows a result, field texts and a choice it could
// show, and that closing the window left no object of the framework or the calculator alive.
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "tests/fuzz/calculator/CSessionPlayer.hpp"
#include "tests/fuzz/calculator/CalculatorSessions.hpp"
#include "tests/fuzz/calculator/ResultTexts.hpp"
#include "tests/support/LiveCounts.hpp"

#include <cstdio>
#include <cstdlib>

namespace
{
using namespace Corvane;

Platform::CHeadlessDriver *driver = nullptr;

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "calculator-window-fuzzer: %s\n", what.c_str());
    std::abort();
}

void playSession(const std::uint8_t *data, std::size_t size)
{
    Fuzzing::CSessionPlayer player(*driver);
    player.play(data, size);
    const std::string impossible = Fuzzing::findImpossibleTexts(player);
    if (!impossible.empty())
        fail(impossible);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Application::CApplication::setApplicationPath(ORVO_RUNTIME_DIR);
    Application::startFramework();
    driver = &Platform::CHeadlessDriver::install();
    // What the process makes once on first use (cursors, fonts, the menus' shared looks) is made
    // here, before any input's counts are taken.
    for (const Fuzzing::SNamedSession &session : Fuzzing::getRealSessions())
        playSession(session.bytes.data(), session.bytes.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Testing::LiveCounts before;
    playSession(data, size);
    const std::string leftAlive = Testing::LiveCounts().differencesFrom(before);
    if (!leftAlive.empty())
        fail("objects left alive: " + leftAlive);
    return 0;
}
