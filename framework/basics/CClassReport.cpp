// The class information table, written when shutdown is given a path: every record that ever had
// an instance, with its live and total instance counts.
#include "framework/basics/CClassRegistry.hpp"
#include "framework/io/CTextStream.hpp"

#include <cstdio>
#include <string>

namespace Corvane::Basics
{
namespace
{
constexpr std::size_t NAME_COLUMN_WIDTH = 65;

const std::string &separatorLine()
{
    static const std::string line = "+" + std::string(NAME_COLUMN_WIDTH, '-') + "+" + std::string(10, '-') + "+" +
                                    std::string(10, '-') + "+\n";
    return line;
}

/** @p caption left-aligned in the name column, followed by the two count columns' text. */
std::string captionLine(const char *caption, const char *countColumns)
{
    std::string line = std::string("| ") + caption;
    line.resize(1 + NAME_COLUMN_WIDTH, ' ');
    return line + countColumns;
}
} // namespace

void CClassRegistry::writeReport(IO::CTextStream *stream) const
{
    if (stream == nullptr || !stream->isStreamOpenForWriting())
        return;
    IO::CTextStream &out = *stream;
    out << separatorLine().c_str();
    out << captionLine("Corvane class information", "|          |          |\n").c_str();
    out << separatorLine().c_str();
    out << captionLine("Class Name", "| Instance |   Total  |\n").c_str();
    out << separatorLine().c_str();
    long liveSum = 0;
    long totalSum = 0;
    char row[1024];
    for (long index = 0; index < m_classes.getArraySize(); index++)
    {
        const CClass *record = m_classes.getElementAtIndex(index);
        if (record == nullptr || (record->getInstanceCount() == 0 && record->getTotalCount() == 0))
            continue;
        liveSum += record->getInstanceCount();
        totalSum += record->getTotalCount();
        std::snprintf(row, sizeof row, "| %63s |%10li|%10li|\n", record->getClassName(),
                      static_cast<long>(record->getInstanceCount()), static_cast<long>(record->getTotalCount()));
        out << row;
    }
    out << separatorLine().c_str();
    std::snprintf(row, sizeof row, "|%*s|%10li|%10li|\n", static_cast<int>(NAME_COLUMN_WIDTH), "", liveSum, totalSum);
    out << row;
    out << separatorLine().c_str();
}

void shutdownClassRegistry(const char *path)
{
    // Records built before anyone asked for the registry are still queued for it; they belong in
    // the report all the same.
    const bool recordsExist = CClassRegistry::s_registry != nullptr || CClassRegistry::s_firstWaiting != nullptr;
    CClassRegistry *registry = recordsExist ? CClassRegistry::getClassRegistry() : nullptr;
    if (registry != nullptr && path != nullptr)
    {
        IO::CTextStream report(path, IO::CTextStream::MODE_WRITE);
        registry->sortClasses();
        registry->writeReport(&report);
        report.closeStream();
    }
    CClassRegistry::s_registry = nullptr;
    delete registry;
}
} // namespace Corvane::Basics
