// Every test program ends the way the program does: whatever the tests started (the log, the
// image stores, a default font, the video subsystem...) is stopped by the framework's own
// shutdown once the last test has run, so the leak checker sees a clean end.
#include "framework/application/FrameworkLifetime.hpp"

#include <gtest/gtest.h>

namespace
{
class CFrameworkEnvironment : public testing::Environment
{
public:
    void TearDown() override { Corvane::Application::stopFramework(); }
};

// Added before main runs; GoogleTest owns the environment from then on.
[[maybe_unused]] testing::Environment *const frameworkEnvironment =
    testing::AddGlobalTestEnvironment(new CFrameworkEnvironment);
} // namespace
