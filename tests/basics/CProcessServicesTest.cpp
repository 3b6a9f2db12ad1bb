#include "framework/basics/CProcessServices.hpp"

#include <gtest/gtest.h>

#include <string>

using Corvane::Basics::CProcessServices;

namespace
{
std::string stopped;

void stopFirst() { stopped += "1"; }
void stopSecond() { stopped += "2"; }
void stopThird() { stopped += "3"; }
void stopLate() { stopped += "L"; }

/** A stop step that starts another service, as one that logs its farewell starts the log. */
void stopStartingLate()
{
    stopped += "S";
    CProcessServices::registerService("late", stopLate);
}

/** A faulty stop step that starts its own service again. */
void stopRestartingItself()
{
    stopped += "R";
    CProcessServices::registerService("restarting", stopRestartingItself);
}

/** Starts from no services and no record of stops: the program may have started some already. */
class ProcessServices : public testing::Test
{
protected:
    void SetUp() override
    {
        CProcessServices::shutdown();
        stopped.clear();
    }
};
} // namespace

TEST_F(ProcessServices, ShutdownStopsEachServiceOnceLastStartedFirst)
{
    CProcessServices::registerService("first", stopFirst);
    CProcessServices::registerService("second", stopSecond);
    CProcessServices::registerService("third", stopThird);
    CProcessServices::registerService("first", stopThird); // started again: keeps its place and its step
    CProcessServices::registerService(nullptr, stopFirst);
    CProcessServices::registerService("no step", nullptr);
    EXPECT_EQ(CProcessServices::getNumberOfServices(), 3);
    EXPECT_TRUE(CProcessServices::isServiceRegistered("first"));
    EXPECT_FALSE(CProcessServices::isServiceRegistered("no step"));

    CProcessServices::withdrawService("second"); // stopped by hand
    CProcessServices::withdrawService("unknown");
    CProcessServices::withdrawService(nullptr);
    EXPECT_FALSE(CProcessServices::isServiceRegistered("second"));

    CProcessServices::shutdown();
    EXPECT_EQ(stopped, "31");
    EXPECT_EQ(CProcessServices::getNumberOfServices(), 0);
    CProcessServices::shutdown();
    EXPECT_EQ(stopped, "31");

    // After a shutdown services start afresh, in their new order.
    CProcessServices::registerService("third", stopThird);
    CProcessServices::registerService("first", stopFirst);
    CProcessServices::shutdown();
    EXPECT_EQ(stopped, "3113");
}

TEST_F(ProcessServices, ServicesStartedWhileShuttingDownAreStoppedOnce)
{
    CProcessServices::registerService("first", stopFirst);
    CProcessServices::registerService("starting late", stopStartingLate);
    CProcessServices::registerService("restarting", stopRestartingItself);
    CProcessServices::shutdown();
    EXPECT_EQ(stopped, "RSL1");
    EXPECT_EQ(CProcessServices::getNumberOfServices(), 0);
}
