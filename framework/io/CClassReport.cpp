#include "framework/io/CClassReport.hpp"

#include "framework/io/CTextStream.hpp"

#include <cstdio>
#include <string>

namespace Corvane::IO
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

void writeClassReport(const Basics::CClassRegistry &registry, CTextStream *stream)
{
    if (stream == nullptr || !stream->isStreamOpenForWriting())
        return;
    CTextStream &out = *stream;
    out << separatorLine().c_str();
    out << captionLine("Corvane class information", "|          |          |\n").c_str();
    out << separatorLine().c_str();
    out << captionLine("Class Name", "| Instance |   Total  |\n").c_str();
    out << separatorLine().c_str();
    long liveSum = 0;
    long totalSum = 0;
    char row[1024];
    for (long index = 0; index < registry.getNumberOfClasses(); index++)
    {
        const Basics::CClass *record = registry.getClassAtIndex(index);
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
    Basics::CClassRegistry *registry = path != nullptr ? Basics::CClassRegistry::findClassRegistry() : nullptr;
    if (registry != nullptr)
    {
        CTextStream report(path, CTextStream::MODE_WRITE);
        registry->sortClasses();
        writeClassReport(*registry, &report);
        report.closeStream();
    }
    Basics::CClassRegistry::destroyClassRegistry();
}
} // namespace Corvane::IO
