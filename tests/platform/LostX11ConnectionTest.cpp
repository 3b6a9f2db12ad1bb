#include "framework/platform/SdlX11.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// A program whose exit handlers ran would end with this status rather than 1.
constexpr int STATUS_OF_THE_EXIT_HANDLERS = 7;

void endFromAnExitHandler()
{
    std::_Exit(STATUS_OF_THE_EXIT_HANDLERS);
}

// Exit handlers stop SDL's video, which waits for ever for the server that is gone: the program
// must end without them, and say why.
TEST(LostX11Connection, EndsWithStatusOneAndAMessageWithoutRunningExitHandlers)
{
    EXPECT_EXIT(
        {
            std::atexit(endFromAnExitHandler);
            Corvane::Platform::endAfterLostX11Connection();
        },
        testing::ExitedWithCode(1), "connection to the X server is lost");
}
} // namespace
