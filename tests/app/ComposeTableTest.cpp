#include "app/startup/ComposeTable.hpp"
#include "tests/support/EnvironmentSetting.hpp"

#include <gtest/gtest.h>

using Corvane::Testing::EnvironmentSetting;

TEST(ComposeTable, IsLeftOutUnlessTheUserNamesAComposeFile)
{
    {
        const EnvironmentSetting unset("XCOMPOSEFILE", std::nullopt);
        Corvane::Orvo::leaveOutComposeTable();
        EXPECT_EQ(EnvironmentSetting::get("XCOMPOSEFILE"), Corvane::Orvo::EMPTY_COMPOSE_FILE);
    }
    const EnvironmentSetting chosen("XCOMPOSEFILE", "/home/someone/.XCompose");
    Corvane::Orvo::leaveOutComposeTable();
    EXPECT_EQ(EnvironmentSetting::get("XCOMPOSEFILE"), "/home/someone/.XCompose");
}
