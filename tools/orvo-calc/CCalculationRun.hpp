#pragma once

#include "app/calculations/CCalculationOutcome.hpp"
#include "tools/orvo-calc/CCommandLine.hpp"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace Corvane::Orvo::Calc
{
enum EExitStatus
{
    EXIT_RESULT = 0,
    EXIT_RANGE_MESSAGE = 1,
    EXIT_USAGE = 2,
    EXIT_NO_RESULT = 3,
    EXIT_WRITE_ERROR = 4
};

/**
 * One request worked out: its calculation run once, or once per division for a table, with
 * the sample counts or cents asked for. It tells what went wrong on the way (parts of
 * arguments ignored, values refused, results out of range) and writes the results as text, as
 * a table for other programs, or as JSON.
 */
class CCalculationRun
{
public:
    explicit CCalculationRun(const SRequest &request);

    /** EXIT_RANGE_MESSAGE when a value was refused, else EXIT_NO_RESULT when a result reads "Range Error". */
    int getStatus() const;
    /** What standard error must show: one line for each note, each range message after its line. */
    std::string getDiagnostics() const;
    /** The result, or the table in the request's format. */
    std::string getText() const;
    /** The inputs as read, the results, the messages and the status, as one JSON document. */
    std::string getJson() const;

private:
    /** One result: the division it is for in a table, and the sample count or cents asked for. */
    struct SRow
    {
        std::string label;
        CCalculationOutcome outcome;
        std::string extraText;
        double extraValue;
    };
    /** A line for standard error, and the index of the range message that follows it, if any. */
    struct SNote
    {
        std::string line;
        std::size_t messageIndex;
    };

    SRow makeRow(long choice) const;
    /** Adds the sample count or the cents asked for to a row whose result is in range. */
    void addExtra(SRow &row) const;
    void noteFieldReadings();
    void noteResultsOutOfRange();
    /** Notes the rows for which @p isOutOfRange holds: "the <what>s for 64, 64D read ...: <reason>". */
    void noteOutOfRange(bool (*isOutOfRange)(const SRow &), const std::string &what, const std::string &reason);
    static bool isResultOutOfRange(const SRow &row);
    /** True when the sample count of a result in range is too large for a number. */
    static bool isExtraOutOfRange(const SRow &row);
    static bool isInRange(const SRow &row);
    const CCalculationOutcome &getFirstOutcome() const;
    /** The name of the extra column: "samples", "cents", or an empty text when there is none. */
    std::string getExtraName() const;
    std::string getAlignedTable() const;
    std::string getSeparatedTable(char separator) const;
    nlohmann::ordered_json getJsonInputs() const;
    nlohmann::ordered_json getJsonResults() const;

    const SRequest &m_request;
    std::vector<SRow> m_rows;
    std::vector<SNote> m_notes;
};
} // namespace Corvane::Orvo::Calc
