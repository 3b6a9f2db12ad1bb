#include "framework/application/CApplication.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <string>

using Corvane::Application::CApplication;

TEST(CApplication, GettersNeverAnswerNull)
{
    CApplication::releaseApplication();
    EXPECT_STREQ(CApplication::getProductName()->getString(), " ");
    EXPECT_STREQ(CApplication::getRegistryPath()->getString(), " ");
    EXPECT_STREQ(CApplication::getApplicationPath()->getString(), " ");
    EXPECT_EQ(CApplication::getMainWindow(), nullptr);

    CApplication::setProductName("Orvo V5");
    CApplication::setDescription("Muscial value calculator");
    EXPECT_STREQ(CApplication::getProductName()->getString(), "Orvo V5");
    EXPECT_STREQ(CApplication::getDescription()->getString(), "Muscial value calculator");

    CApplication::releaseApplication();
    EXPECT_STREQ(CApplication::getProductName()->getString(), " ");
    CApplication::releaseApplication();
}

TEST(CApplication, ApplicationPathIsTheExecutablesFolder)
{
    char executable[PATH_MAX + 1] = {};
    ASSERT_GT(readlink("/proc/self/exe", executable, PATH_MAX), 0);
    const std::string path = executable;

    CApplication::initialiseApplication();
    EXPECT_EQ(std::string(CApplication::getApplicationPath()->getString()), path.substr(0, path.rfind('/') + 1));
    CApplication::releaseApplication();
}
