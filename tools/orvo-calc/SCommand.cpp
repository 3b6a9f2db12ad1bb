#include "tools/orvo-calc/SCommand.hpp"

#include "app/calculations/CNumberText.hpp"
#include "tools/orvo-calc/TextTools.hpp"

namespace Corvane::Orvo::Calc
{
namespace
{
constexpr SArgument TEMPO = {"BPM", "the tempo in beats per minute"};
constexpr SArgument BEATS = {"BEATS", "how many beats"};
constexpr const char *TOO_LARGE = "the result is too large for any number";
} // namespace

const std::vector<SCommand> &SCommand::all()
{
    static const std::vector<SCommand> commands = {
        {"delay",
         EPanel::DELAY,
         EChoice::DIVISION,
         {TEMPO},
         "delay time in milliseconds of a division",
         "The time in milliseconds that one note of DIVISION lasts at BPM, four beats to the bar: 1/4 is one beat.",
         "140 1/8D",
         "ms",
         TABLE | SAMPLES,
         0.001,
         TOO_LARGE},
        {"time-to-bpm",
         EPanel::TIME_TO_BPM,
         EChoice::NONE,
         {{"SECONDS", "a time in seconds"}, BEATS},
         "tempo at which BEATS beats last SECONDS",
         "The tempo in beats per minute at which BEATS beats fill SECONDS.",
         "2 4",
         "bpm",
         0,
         0,
         TOO_LARGE},
        {"bpm-to-time",
         EPanel::BPM_TO_TIME,
         EChoice::NONE,
         {TEMPO, BEATS},
         "seconds that BEATS beats last at BPM",
         "The time in seconds that BEATS beats last at BPM.",
         "120 4",
         "seconds",
         SAMPLES,
         1,
         TOO_LARGE},
        {"semitones",
         EPanel::TEMPO_NOTE_SHIFT,
         EChoice::NONE,
         {{"BPM1", "the tempo to start from"}, {"BPM2", "the tempo to reach"}},
         "semitones from BPM1 to BPM2",
         "How many equal-tempered semitones take a recording from BPM1 to BPM2 when tempo and pitch change "
         "together; negative when BPM2 is slower.",
         "100 50",
         "semitones",
         0,
         0,
         TOO_LARGE},
        {"stretch",
         EPanel::TIME_STRETCH,
         EChoice::NONE,
         {{"BPM1", "the tempo wanted"}, {"BPM2", "the tempo of the recording"}},
         "BPM1 as a percentage of BPM2",
         "BPM1 as a percentage of BPM2: the speed at which a recording at BPM2 plays at BPM1.",
         "120 125",
         "percent",
         0,
         0,
         TOO_LARGE},
        {"shift",
         EPanel::TEMPO_SHIFT,
         EChoice::NONE,
         {TEMPO, {"SEMITONES", "equal-tempered semitones, fractions allowed"}},
         "BPM shifted by SEMITONES",
         "The tempo of a recording at BPM when it is pitched by SEMITONES, each semitone a factor of 2^(1/12). "
         "The result may exceed 1000.",
         "120 -3.5",
         "bpm",
         0,
         0,
         TOO_LARGE},
        {"lfo",
         EPanel::LFO,
         EChoice::DIVISION,
         {TEMPO},
         "rate in hertz of a division",
         "How many notes of DIVISION sound per second at BPM: the rate for an LFO in time with the music.",
         "120 1/4T",
         "hz",
         TABLE,
         0,
         TOO_LARGE},
        {"closest-division",
         EPanel::CLOSEST_DIVISION,
         EChoice::NONE,
         {TEMPO, {"HZ", "a modulation rate in hertz"}},
         "straight division whose band of rates holds HZ",
         "The straight division, from 32 to 1/32, whose band holds the rate HZ at BPM. A division's band runs from "
         "its own rate up to, not including, the rate of the next shorter division; the answer is 1/4 when no band "
         "holds the rate.",
         "120 2",
         "division",
         0,
         0,
         TOO_LARGE},
        {"note-frequency",
         EPanel::NOTE_FREQUENCY,
         EChoice::NOTE,
         {},
         "frequency in hertz of a note",
         "The frequency of NOTE in equal temperament, with A4 at 440 Hz unless --a4 says otherwise.",
         "C#3",
         "hz",
         TUNING,
         0,
         TOO_LARGE},
        {"closest-note",
         EPanel::CLOSEST_NOTE,
         EChoice::NONE,
         {{"HZ", "a frequency in hertz"}},
         "note nearest to a frequency",
         "The equal-tempered note nearest to HZ, with A4 at 440 Hz unless --a4 says otherwise; a frequency halfway "
         "between two notes goes to the upper one. Frequencies whose note lies outside C-1 to G9 (below about "
         "7.94 Hz or from about 12911.4 Hz at the usual tuning) give \"Range Error\".",
         "261.63",
         "note",
         TUNING | CENTS,
         0,
         "the nearest note lies outside C-1 to G9"},
    };
    return commands;
}

const SCommand *SCommand::find(const std::string &name)
{
    for (const SCommand &command : all())
        if (name == command.name)
            return &command;
    return nullptr;
}

const CPanelCalculation &SCommand::getCalculation() const
{
    return CPanelCalculation::forPanel(panel);
}

std::string SCommand::getChoiceName() const
{
    switch (choice)
    {
    case EChoice::DIVISION:
        return "DIVISION";
    case EChoice::NOTE:
        return "NOTE";
    default:
        return "";
    }
}

std::size_t SCommand::getArgumentCount(bool isTable) const
{
    return fields.size() + (choice == EChoice::NONE || isTable ? 0 : 1);
}

std::string SCommand::getSynopsis(bool isTable) const
{
    std::string synopsis = name;
    for (const SArgument &field : fields)
        synopsis += std::string(" ") + field.name;
    if (isTable)
        return synopsis + " --all";
    return choice == EChoice::NONE ? synopsis : synopsis + " " + getChoiceName();
}

std::string SCommand::describeField(std::size_t field) const
{
    const CFieldRule &rule = getCalculation().getField(field);
    const bool isWhole = rule.getKind() == CFieldRule::WHOLE_NUMBER;
    return std::string(isWhole ? "a whole number, " : "a decimal, ") +
           describeRange(rule.getRange(), fields[field].name) + "; reset to " +
           rule.write(rule.getResetValue()).getString() + " when out of range";
}

std::string describeRange(const CValueRange &range, const std::string &name)
{
    const auto comparison = [](CValueRange::EEnd end) { return end == CValueRange::INCLUDED ? " <= " : " < "; };
    std::string text = shortestNumber(range.getLowest()) + comparison(range.getLowestEnd()) + name;
    if (range.hasHighest())
        text += comparison(range.getHighestEnd()) + shortestNumber(range.getHighest());
    return text;
}
} // namespace Corvane::Orvo::Calc
