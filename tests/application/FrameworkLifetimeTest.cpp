#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/basics/CProcessServices.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/graphics/CImageManager.hpp"
#include "framework/io/Log.hpp"
#include "framework/platform/VideoSubsystem.hpp"
#include "tests/support/SavedClassRegistry.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <string>

using Corvane::Application::CApplication;
using Corvane::Basics::CProcessServices;
using Corvane::GUI::Graphics::CFont;
using Corvane::GUI::Graphics::CImageManager;
using Corvane::Testing::TemporaryFolder;
namespace Application = Corvane::Application;

namespace
{
/** What each probe saw of the services when the shutdown stopped it. */
std::string seenByLateProbe;
std::string seenByEarlyProbe;

/** "font stores video log product" for those still running, "-" for each that is gone. */
std::string runningServices()
{
    std::string running;
    running += CFont::getDefaultFont() != nullptr ? "font " : "- ";
    running += CImageManager::isInitialised() ? "stores " : "- ";
    running += Corvane::Platform::isVideoRunning() ? "video " : "- ";
    running += Corvane::IO::isLogOpen() ? "log " : "- ";
    running += std::string(CApplication::getProductName()->getString()) == "Probe" ? "product" : "-";
    return running;
}

/** Started after everything else: stopped first, it still finds every service running and may log. */
void stopLateProbe()
{
    seenByLateProbe = runningServices();
    Corvane::IO::logMessage("late probe stopped");
}

/** Started before the framework: stopped after every service, before the application record goes. */
void stopEarlyProbe()
{
    seenByEarlyProbe = runningServices();
}
} // namespace

TEST(FrameworkLifetime, StopsEverythingItStartedLastStartedFirst)
{
    const Corvane::Testing::SavedClassRegistry saved;
    TemporaryFolder folder;
    CProcessServices::shutdown();
    CApplication::setProductName("Probe");
    CProcessServices::registerService("early probe", stopEarlyProbe);

    Application::startFramework();
    ASSERT_NE(CFont::getDefaultFont(), nullptr);
    EXPECT_STREQ(CFont::getDefaultFont()->getFaceName().getString(), "Arial");
    EXPECT_EQ(CFont::getDefaultFont()->getPointSize(), 8);
    EXPECT_TRUE(CImageManager::isInitialised());
    EXPECT_FALSE(Corvane::IO::isLogOpen());
    ASSERT_TRUE(Corvane::IO::openLog(folder.file("log.txt").c_str()));
    ASSERT_TRUE(Corvane::Platform::startVideo()); // a service that starts on first use
    CProcessServices::registerService("late probe", stopLateProbe);

    Application::stopFramework(folder.file("classes.txt").c_str());
    EXPECT_EQ(seenByLateProbe, "font stores video log product");
    EXPECT_EQ(seenByEarlyProbe, "- - - - product");
    EXPECT_EQ(runningServices(), "- - - - -");
    EXPECT_EQ(CProcessServices::getNumberOfServices(), 0);
    EXPECT_EQ(TemporaryFolder::read(folder.file("log.txt")), "late probe stopped\n");

    // The report is written after the services stopped: the default font is listed, no longer alive.
    const std::string report = TemporaryFolder::read(folder.file("classes.txt"));
    EXPECT_NE(report.find("CFont |         0|"), std::string::npos) << report;

    // Started again, the framework works as the first time.
    Application::startFramework();
    EXPECT_NE(CFont::getDefaultFont(), nullptr);
    Application::stopFramework();
    EXPECT_EQ(CFont::getDefaultFont(), nullptr);
    EXPECT_FALSE(CImageManager::isInitialised());
}

TEST(FrameworkLifetime, ServicesStoppedByHandAreNotStoppedAgain)
{
    CProcessServices::shutdown();
    Application::startFramework();
    CFont::setDefaultFont(nullptr);
    CImageManager::shutdown();
    Corvane::IO::stopLog();
    EXPECT_EQ(CProcessServices::getNumberOfServices(), 0);

    // A default font set by hand is a service of its own again.
    CFont::setDefaultFont(new CFont("Arial", 14));
    EXPECT_TRUE(CProcessServices::isServiceRegistered("default font"));
    CProcessServices::shutdown();
    EXPECT_EQ(CFont::getDefaultFont(), nullptr);
}
