// The window benchmark's command line: geometries, points, key lists, periods and the three modes.
#include "tools/benchmarks/window/BenchArguments.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Corvane::WindowBench;

namespace
{
SCommand parse(const std::vector<std::string> &arguments)
{
    return parseCommandLine(arguments);
}

/** The problem of a command line that must be refused, or a note that it was taken. */
std::string problemOf(const std::vector<std::string> &arguments)
{
    const SCommand command = parse(arguments);
    return command.mode == EMode::USAGE_ERROR ? command.problem : "accepted";
}
} // namespace

TEST(BenchArguments, ReadsGeometriesAndPointsExactly)
{
    SArea area;
    ASSERT_TRUE(parseArea("120x24+152+32", area));
    EXPECT_EQ(area.width, 120);
    EXPECT_EQ(area.height, 24);
    EXPECT_EQ(area.x, 152);
    EXPECT_EQ(area.y, 32);
    for (const char *wrong : {"", "120x24", "120x24+152", "120x24+152+32 ", "0x24+1+1", "24x0+1+1", "-1x2+3+4",
                              "1x2-3+4", "12,24+1+1", "1x2+3+4+5", "9999999999x1+0+0"})
    {
        EXPECT_FALSE(parseArea(wrong, area)) << wrong;
        EXPECT_EQ(area.width, 120) << "a refused text leaves the area alone";
    }

    SPoint point;
    ASSERT_TRUE(parsePoint("212,44", point));
    EXPECT_EQ(point.x, 212);
    EXPECT_EQ(point.y, 44);
    for (const char *wrong : {"", "212", "212,", ",44", "212;44", "212,44,1", " 212,44", "-2,44"})
        EXPECT_FALSE(parsePoint(wrong, point)) << wrong;
}

TEST(BenchArguments, AreasMeetOnlyWhenTheyShareAPixel)
{
    const SArea counter{120, 24, 152, 32};
    EXPECT_TRUE(counter.meets(SArea{320, 180, 0, 0}));    // the whole window
    EXPECT_TRUE(counter.meets(SArea{1, 1, 271, 55}));     // its last pixel
    EXPECT_TRUE(counter.meets(SArea{10, 10, 148, 28}));   // overlapping its corner
    EXPECT_FALSE(counter.meets(SArea{1, 1, 272, 55}));    // right of it
    EXPECT_FALSE(counter.meets(SArea{1, 1, 271, 56}));    // below it
    EXPECT_FALSE(counter.meets(SArea{152, 32, 0, 0}));    // touching its top left corner from outside
    EXPECT_FALSE(counter.meets(SArea{0, 24, 200, 40}));   // an empty repaint
    EXPECT_FALSE((SArea{0, 0, 160, 40}.meets(counter)));
}

TEST(BenchArguments, ReadsKeyStrokesWithModifiers)
{
    std::vector<SKeyStroke> keys;
    std::string problem;
    ASSERT_TRUE(parseKeys("  1 4   0 Return ", keys, problem));
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].key, "1");
    EXPECT_EQ(keys[3].key, "Return");
    EXPECT_TRUE(keys[3].modifiers.empty());

    ASSERT_TRUE(parseKeys("ctrl+shift+a plus", keys, problem));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].modifiers, (std::vector<std::string>{"ctrl", "shift"}));
    EXPECT_EQ(keys[0].key, "a");
    EXPECT_EQ(keys[1].key, "plus");

    ASSERT_TRUE(parseKeys("", keys, problem));
    EXPECT_TRUE(keys.empty());

    for (const char *wrong : {"ctrl+", "+", "a b+", "hyper+a", "ctrl++"})
    {
        keys.assign(1, SKeyStroke());
        problem.clear();
        EXPECT_FALSE(parseKeys(wrong, keys, problem)) << wrong;
        EXPECT_NE(problem.find("not a key"), std::string::npos) << wrong;
        EXPECT_EQ(keys.size(), 1u) << "a refused list leaves the keys alone";
    }
}

TEST(BenchArguments, ReadsPeriods)
{
    double seconds = 0;
    EXPECT_TRUE(parseSeconds("10", seconds));
    EXPECT_EQ(seconds, 10);
    EXPECT_TRUE(parseSeconds("0.5", seconds));
    EXPECT_EQ(seconds, 0.5);
    for (const char *wrong : {"", "0", "0.0", "-1", "1e3", "ten", "1.5.2", ".", "86401", " 3"})
        EXPECT_FALSE(parseSeconds(wrong, seconds)) << wrong;
}

TEST(BenchArguments, FirstPaintTakesOptionsOnlyBeforeTheProgram)
{
    SCommand command = parse({"galculator", "--help", "-x"});
    ASSERT_EQ(command.mode, EMode::FIRST_PAINT);
    EXPECT_EQ(command.program, (std::vector<std::string>{"galculator", "--help", "-x"}));
    EXPECT_EQ(command.idleSeconds, 0);

    command = parse({"--idle", "10", "xcalc"});
    ASSERT_EQ(command.mode, EMode::FIRST_PAINT);
    EXPECT_EQ(command.idleSeconds, 10);
    EXPECT_EQ(command.program, std::vector<std::string>{"xcalc"});

    command = parse({"first-paint", "--idle=2.5", "--", "--odd-name", "--idle"});
    ASSERT_EQ(command.mode, EMode::FIRST_PAINT);
    EXPECT_EQ(command.idleSeconds, 2.5);
    EXPECT_EQ(command.program, (std::vector<std::string>{"--odd-name", "--idle"}));

    EXPECT_EQ(problemOf({}), "no program given");
    EXPECT_EQ(problemOf({"--idle", "10"}), "no program given");
    EXPECT_EQ(problemOf({"--"}), "no program given");
    EXPECT_EQ(problemOf({"--idle"}), "--idle needs a value");
    EXPECT_EQ(problemOf({"--idle", "soon", "xcalc"}), "--idle needs a number of seconds, not \"soon\"");
    EXPECT_EQ(problemOf({"--fast", "xcalc"}), "unknown option --fast");
    EXPECT_EQ(parse({"-h"}).mode, EMode::HELP);
    EXPECT_EQ(parse({"--help"}).mode, EMode::HELP);
}

TEST(BenchArguments, KeyToDamageNeedsAWindowAnAreaAndSomeInput)
{
    SCommand command = parse({"key-to-damage", "--window-name", "Orvo v5", "--click=163,81", "--keys",
                              "1 4 0 Return", "--area", "104x20+349+71"});
    ASSERT_EQ(command.mode, EMode::KEY_TO_DAMAGE);
    EXPECT_EQ(command.windowName, "Orvo v5");
    EXPECT_TRUE(command.clicks);
    EXPECT_EQ(command.click.x, 163);
    EXPECT_EQ(command.click.y, 81);
    ASSERT_EQ(command.keys.size(), 4u);
    EXPECT_EQ(command.keys[3].key, "Return");
    EXPECT_EQ(command.area.width, 104);
    EXPECT_EQ(command.area.y, 71);

    command = parse({"key-to-damage", "--window-name=Corvane demo", "--click", "212,44", "--area", "120x24+152+32"});
    ASSERT_EQ(command.mode, EMode::KEY_TO_DAMAGE);
    EXPECT_TRUE(command.keys.empty());

    EXPECT_EQ(problemOf({"key-to-damage", "--click", "1,1", "--area", "1x1+0+0"}), "key-to-damage needs --window-name");
    EXPECT_EQ(problemOf({"key-to-damage", "--window-name", "w", "--click", "1,1"}), "key-to-damage needs --area");
    EXPECT_EQ(problemOf({"key-to-damage", "--window-name", "w", "--keys", " ", "--area", "1x1+0+0"}),
              "key-to-damage needs --click or --keys");
    EXPECT_EQ(problemOf({"key-to-damage", "--window-name", "w", "--click", "1;1"}), "--click needs X,Y, not \"1;1\"");
    EXPECT_EQ(problemOf({"key-to-damage", "--area", "1x1"}), "--area needs WxH+X+Y, not \"1x1\"");
    EXPECT_EQ(problemOf({"key-to-damage", "--window-name"}), "--window-name needs a value");
    EXPECT_EQ(problemOf({"key-to-damage", "--window-name", "w", "xcalc"}), "unknown argument xcalc");
    EXPECT_NE(problemOf({"key-to-damage", "--keys", "meta+a"}).find("not a key: \"meta+a\""), std::string::npos);
}

TEST(BenchArguments, IdleCpuNeedsAProcessAndAPeriod)
{
    SCommand command = parse({"idle-cpu", "4242", "10"});
    ASSERT_EQ(command.mode, EMode::IDLE_CPU);
    EXPECT_EQ(command.pid, 4242);
    EXPECT_EQ(command.seconds, 10);

    EXPECT_EQ(problemOf({"idle-cpu", "4242"}), "idle-cpu needs a process id and a number of seconds");
    EXPECT_EQ(problemOf({"idle-cpu", "4242", "10", "20"}), "idle-cpu needs a process id and a number of seconds");
    for (const char *wrong : {"0", "-5", "42a", "", "self"})
        EXPECT_EQ(problemOf({"idle-cpu", wrong, "10"}), "not a process id: \"" + std::string(wrong) + "\"");
    EXPECT_EQ(problemOf({"idle-cpu", "4242", "0"}), "not a number of seconds: \"0\"");
}
