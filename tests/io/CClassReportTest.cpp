#include "framework/io/CClassReport.hpp"
#include "framework/io/CTextStream.hpp"
#include "tests/support/SavedClassRegistry.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using Corvane::Basics::CClass;
using Corvane::Basics::CClassRegistry;
using Corvane::IO::CTextStream;
using Corvane::Testing::TemporaryFolder;

namespace
{
const std::string SEPARATOR = "+" + std::string(65, '-') + "+----------+----------+";

/** Gives @p record the counts of @p made instances of which @p alive are still alive. */
void setCounts(CClass &record, int made, int alive)
{
    for (int count = 0; count < made; count++)
        record.addInstance();
    for (int count = alive; count < made; count++)
        record.removeInstance();
}

/** Checks the fixed lines and that the totals add up the listed rows; answers the rows. */
std::vector<std::string> checkTable(const std::string &report)
{
    std::vector<std::string> lines;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    EXPECT_GE(lines.size(), 8u);
    if (lines.size() < 8)
        return {};
    EXPECT_EQ(lines[0], SEPARATOR);
    EXPECT_EQ(lines[1], "| Corvane class information" + std::string(39, ' ') + "|          |          |");
    EXPECT_EQ(lines[2], SEPARATOR);
    EXPECT_EQ(lines[3], "| Class Name" + std::string(54, ' ') + "| Instance |   Total  |");
    EXPECT_EQ(lines[4], SEPARATOR);
    const std::vector<std::string> rows(lines.begin() + 5, lines.end() - 3);
    long live = 0, total = 0;
    for (const std::string &row : rows)
    {
        live += std::atol(row.substr(row.size() - 22, 10).c_str());
        total += std::atol(row.substr(row.size() - 11, 10).c_str());
    }
    char totals[128];
    std::snprintf(totals, sizeof totals, "|%65s|%10ld|%10ld|", "", live, total);
    EXPECT_EQ(lines[lines.size() - 3], SEPARATOR);
    EXPECT_EQ(lines[lines.size() - 2], totals);
    EXPECT_EQ(lines.back(), SEPARATOR);
    EXPECT_EQ(report.back(), '\n');
    return rows;
}
} // namespace

TEST(CClassReport, ListsEveryRecordThatHadInstancesInSlotOrder)
{
    static CClass beta("ReportProbeBeta", "CCountedObject");
    static CClass alpha("ReportProbeAlpha", "CCountedObject");
    static CClass unused("ReportProbeUnused", "CCountedObject");
    setCounts(beta, 3, 2);
    setCounts(alpha, 1, 0);
    TemporaryFolder folder;
    const std::string path = folder.file("report.txt");
    {
        CTextStream stream(path.c_str(), CTextStream::MODE_WRITE);
        Corvane::IO::writeClassReport(*CClassRegistry::getClassRegistry(), nullptr);
        Corvane::IO::writeClassReport(*CClassRegistry::getClassRegistry(), &stream);
    }
    const std::string report = TemporaryFolder::read(path);
    const std::vector<std::string> rows = checkTable(report);
    const std::string betaRow = "| " + std::string(48, ' ') + "ReportProbeBeta |         2|         3|";
    const std::string alphaRow = "| " + std::string(47, ' ') + "ReportProbeAlpha |         0|         1|";
    auto at = [&rows](const std::string &row) { return std::find(rows.begin(), rows.end(), row) - rows.begin(); };
    EXPECT_LT(at(betaRow), at(alphaRow)); // registration order: no sorting here
    EXPECT_LT(at(alphaRow), static_cast<long>(rows.size()));
    EXPECT_EQ(report.find("ReportProbeUnused"), std::string::npos);
    EXPECT_EQ(betaRow.size(), 89u);
}

// The registry is process-wide: this test puts back the records it had, so tests that run after
// it in the same process still find them.
TEST(CClassReport, ShutdownWritesTheSortedReportAndDestroysTheRegistry)
{
    static CClass zulu("ReportProbeZulu", "CCountedObject");
    static CClass mike("ReportProbeMike", "CCountedObject");
    setCounts(zulu, 1, 1);
    setCounts(mike, 2, 1);
    Corvane::Testing::SavedClassRegistry saved;

    TemporaryFolder folder;
    const std::string path = folder.file("shutdown.txt");
    Corvane::IO::shutdownClassRegistry(path.c_str());
    const std::vector<std::string> rows = checkTable(TemporaryFolder::read(path));
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const std::string &left, const std::string &right) {
        return left.substr(left.find_first_not_of("| ")) < right.substr(right.find_first_not_of("| "));
    }));
    EXPECT_NE(std::find(rows.begin(), rows.end(), "| " + std::string(48, ' ') + "ReportProbeMike |         1|         2|"),
              rows.end());

    // A new registry starts empty: the records of the old one are not in it, and nothing is written
    // when the report cannot be opened.
    EXPECT_EQ(CClassRegistry::getClassRegistry()->getNumberOfClasses(), 0);
    Corvane::IO::shutdownClassRegistry(folder.file("missing/report.txt").c_str());
    Corvane::IO::shutdownClassRegistry(nullptr);

    EXPECT_EQ(CClassRegistry::getClassRegistry()->getNumberOfClasses(), 0);
}
