#include "tools/orvo-calc/CCalculationRun.hpp"

#include "app/calculations/CNumberText.hpp"
#include "tools/orvo-calc/TextTools.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace Corvane::Orvo::Calc
{
using Basics::CString;
using Music::CMusicMaths;

namespace
{
using TJson = nlohmann::ordered_json;

/** The width of the division column of the aligned table: the longest name and a space. */
constexpr std::size_t LABEL_WIDTH = 6;

std::string wholeNumberText(double value)
{
    char text[400];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 0).ptr);
}

/** Cents always carry their sign, so that flat and sharp read alike: "+19.56", "-3.20". */
std::string centsText(double cents)
{
    const std::string digits = CNumberText(cents).getString();
    return digits[0] == '-' ? digits : "+" + digits;
}

/**
 * JSON has no infinity or not-a-number: values without a number are null. Whole values that a
 * double holds exactly are written as integers (24000, not 24000.0).
 */
TJson jsonNumber(double value)
{
    constexpr double exactLimit = 9007199254740992.0; // 2^53
    if (!std::isfinite(value))
        return TJson(nullptr);
    if (std::trunc(value) == value && std::fabs(value) <= exactLimit)
        return TJson(static_cast<std::int64_t>(value));
    return TJson(value);
}

std::string padded(const std::string &text, std::size_t width)
{
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::vector<CString> toCStrings(const std::vector<std::string> &texts)
{
    std::vector<CString> strings;
    for (const std::string &text : texts)
        strings.emplace_back(text.c_str());
    return strings;
}
} // namespace

CCalculationRun::CCalculationRun(const SRequest &request) : m_request(request)
{
    if (request.isTable)
        for (long division = 0; division < CMusicMaths::TEMPO_DIVISION_COUNT; division++)
            m_rows.push_back(makeRow(division));
    else
        m_rows.push_back(makeRow(request.choice));
    noteFieldReadings();
    noteResultsOutOfRange();
}

CCalculationRun::SRow CCalculationRun::makeRow(long choice) const
{
    const SCommand &command = *m_request.command;
    SRow row{"", command.getCalculation().calculate(toCStrings(m_request.fieldTexts), choice, m_request.a4Hertz), "",
             0};
    if (m_request.isTable)
    {
        CString name;
        CMusicMaths::getTempoDivisionName(name, choice);
        row.label = name.getString();
    }
    if (row.outcome.isResultInRange())
        addExtra(row);
    return row;
}

void CCalculationRun::addExtra(SRow &row) const
{
    const double result = row.outcome.getResultValue();
    if (m_request.sampleRate > 0)
    {
        const double seconds = result * m_request.command->secondsPerResult;
        row.extraValue = CMusicMaths::getSampleCount(seconds, m_request.sampleRate);
        row.extraText = std::isfinite(row.extraValue) ? wholeNumberText(row.extraValue) : CMusicMaths::RANGE_ERROR_TEXT;
    }
    else if (m_request.showsCents)
    {
        const double hertz = row.outcome.getFieldReadings().at(0).getValue();
        row.extraValue = CMusicMaths::getCentsFromNote(hertz, static_cast<long>(result), m_request.a4Hertz);
        row.extraText = centsText(row.extraValue);
    }
}

void CCalculationRun::noteFieldReadings()
{
    // The fields are read the same way for every division, so the first row tells for all.
    const CCalculationOutcome &outcome = getFirstOutcome();
    const auto &readings = outcome.getFieldReadings();
    for (std::size_t field = 0; field < readings.size(); field++)
    {
        const CFieldReading &reading = readings[field];
        const std::string value = shortestNumber(reading.getNumber().getValue());
        if (!reading.getNumber().isExact())
            m_notes.push_back({"read '" + echoedArgument(reading.getText().getString()) + "' as " + value,
                               CFieldReading::NO_MESSAGE});
        if (reading.isAccepted())
            continue;
        const std::string name = m_request.command->fields[field].name;
        const CValueRange &range = m_request.command->getCalculation().getField(field).getRange();
        m_notes.push_back({name + " " + value + " is out of range (" + describeRange(range, name) + "); " +
                               outcome.getFieldTexts()[field].getString() + " is used instead",
                           reading.getMessageIndex()});
    }
}

void CCalculationRun::noteResultsOutOfRange()
{
    noteOutOfRange(isResultOutOfRange, "result", m_request.command->noResultReason);
    noteOutOfRange(isExtraOutOfRange, "sample count", "it is too large for any number");
}

void CCalculationRun::noteOutOfRange(bool (*isOutOfRange)(const SRow &), const std::string &what,
                                     const std::string &reason)
{
    std::string labels;
    for (const SRow &row : m_rows)
        if (isOutOfRange(row))
            labels += (labels.empty() ? "" : ", ") + row.label;
    if (std::none_of(m_rows.begin(), m_rows.end(), isOutOfRange))
        return;
    const std::string subject =
        m_request.isTable ? "the " + what + "s for " + labels + " read" : "the " + what + " reads";
    m_notes.push_back({subject + " \"Range Error\": " + reason, CFieldReading::NO_MESSAGE});
}

bool CCalculationRun::isResultOutOfRange(const SRow &row)
{
    return !row.outcome.isResultInRange();
}

bool CCalculationRun::isExtraOutOfRange(const SRow &row)
{
    return row.outcome.isResultInRange() && !std::isfinite(row.extraValue);
}

bool CCalculationRun::isInRange(const SRow &row)
{
    return !isResultOutOfRange(row) && !isExtraOutOfRange(row);
}

const CCalculationOutcome &CCalculationRun::getFirstOutcome() const
{
    return m_rows.front().outcome;
}

int CCalculationRun::getStatus() const
{
    if (!getFirstOutcome().getMessages().empty())
        return EXIT_RANGE_MESSAGE;
    return std::all_of(m_rows.begin(), m_rows.end(), isInRange) ? EXIT_RESULT : EXIT_NO_RESULT;
}

std::string CCalculationRun::getDiagnostics() const
{
    const auto &messages = getFirstOutcome().getMessages();
    std::string text;
    for (const SNote &note : m_notes)
    {
        text += "orvo-calc: " + note.line + "\n";
        if (note.messageIndex != CFieldReading::NO_MESSAGE)
        {
            const CPanelMessage &message = messages.at(note.messageIndex);
            text += std::string(message.getTitle().getString()) + "\n" + message.getText().getString() + "\n";
        }
    }
    return text;
}

std::string CCalculationRun::getExtraName() const
{
    if (m_request.sampleRate > 0)
        return "samples";
    return m_request.showsCents ? "cents" : "";
}

std::string CCalculationRun::getText() const
{
    switch (m_request.format)
    {
    case ETableFormat::TSV:
        return getSeparatedTable('\t');
    case ETableFormat::CSV:
        return getSeparatedTable(',');
    default:
        return getAlignedTable();
    }
}

std::string CCalculationRun::getAlignedTable() const
{
    std::size_t resultWidth = 0;
    for (const SRow &row : m_rows)
        resultWidth = std::max(resultWidth, std::strlen(row.outcome.getResultText().getString()));
    std::string text;
    for (const SRow &row : m_rows)
    {
        std::string line = m_request.isTable ? padded(row.label, LABEL_WIDTH) + " " : "";
        const std::string result = row.outcome.getResultText().getString();
        // A single result needs no alignment, and a result without an extra value no padding.
        line +=
            row.extraText.empty() ? result : padded(result, m_request.isTable ? resultWidth : 0) + " " + row.extraText;
        text += line + "\n";
    }
    return text;
}

std::string CCalculationRun::getSeparatedTable(char separator) const
{
    // Every cell is a division name, a number or "Range Error": none needs quoting.
    const std::string extraName = getExtraName();
    std::string text = std::string("division") + separator + m_request.command->resultName;
    text += extraName.empty() ? "\n" : separator + extraName + "\n";
    for (const SRow &row : m_rows)
    {
        text += row.label + separator + row.outcome.getResultText().getString();
        text += extraName.empty() ? "\n" : separator + row.extraText + "\n";
    }
    return text;
}

std::string CCalculationRun::getJson() const
{
    TJson document;
    document["command"] = m_request.command->name;
    document["inputs"] = getJsonInputs();
    if (m_request.command->takes(TUNING))
        document["a4"] = jsonNumber(m_request.a4Hertz);
    if (m_request.sampleRate > 0)
        document["sample_rate"] = jsonNumber(m_request.sampleRate);
    const TJson results = getJsonResults();
    if (m_request.isTable)
        document["results"] = results;
    else
        document["result"] = results.front();
    TJson messages = TJson::array();
    for (const CPanelMessage &message : getFirstOutcome().getMessages())
        messages.push_back({{"title", message.getTitle().getString()}, {"text", message.getText().getString()}});
    document["messages"] = messages;
    TJson notes = TJson::array();
    for (const SNote &note : m_notes)
        notes.push_back(note.line);
    document["warnings"] = notes;
    document["status"] = getStatus();
    return document.dump(2) + "\n";
}

nlohmann::ordered_json CCalculationRun::getJsonInputs() const
{
    const SCommand &command = *m_request.command;
    const CCalculationOutcome &first = getFirstOutcome();
    const auto &readings = first.getFieldReadings();
    TJson inputs = TJson::array();
    for (std::size_t field = 0; field < readings.size(); field++)
        inputs.push_back({{"name", command.fields[field].name},
                          {"text", readings[field].getText().getString()},
                          {"read", jsonNumber(readings[field].getNumber().getValue())},
                          {"exact", readings[field].getNumber().isExact()},
                          {"accepted", readings[field].isAccepted()},
                          {"value", jsonNumber(readings[field].getValue())},
                          {"shown", first.getFieldTexts()[field].getString()}});
    if (m_request.choiceText.empty())
        return inputs;
    CString shown;
    if (command.choice == EChoice::DIVISION)
        CMusicMaths::getTempoDivisionName(shown, m_request.choice);
    else
        CMusicMaths::getNoteName(shown, m_request.choice);
    inputs.push_back({{"name", command.getChoiceName()},
                      {"text", m_request.choiceText},
                      {"value", m_request.choice},
                      {"shown", shown.getString()}});
    return inputs;
}

nlohmann::ordered_json CCalculationRun::getJsonResults() const
{
    const std::string extraName = getExtraName();
    TJson results = TJson::array();
    for (const SRow &row : m_rows)
    {
        TJson result;
        if (m_request.isTable)
            result["division"] = row.label;
        result["text"] = row.outcome.getResultText().getString();
        result["value"] = jsonNumber(row.outcome.getResultValue());
        if (!extraName.empty())
            result[extraName] = row.extraText.empty() ? TJson(nullptr) : jsonNumber(row.extraValue);
        results.push_back(result);
    }
    return results;
}
} // namespace Corvane::Orvo::Calc
