#include "tests/fuzz/calculator/ResultTexts.hpp"

#include "app/layout/CPanelLayout.hpp"
#include "tests/fuzz/calculator/CSessionPlayer.hpp"

#include <cctype>
#include <cstring>

namespace Corvane::Fuzzing
{
namespace
{
// Written out here rather than taken from the program, so that a changed table shows up.
constexpr const char *PITCH_CLASSES[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
constexpr const char *STRAIGHT_DIVISIONS[] = {"64",  "32",  "16",   "8",    "4",    "2",   "1",
                                              "1/2", "1/4", "1/8", "1/16", "1/32", "1/64"};
constexpr int HIGHEST_NOTE = 127;

void noteIf(bool impossible, const Orvo::SPanelLayout &layout, const char *what, const Basics::CString &text,
            std::string &found)
{
    if (impossible)
        found += std::string(found.empty() ? "" : "; ") + layout.className + "'s " + what + " shows \"" +
                 text.getString() + "\"";
}

bool isDigits(const std::string &text, std::size_t from, std::size_t to)
{
    if (from >= to)
        return false;
    for (std::size_t at = from; at < to; at++)
        if (std::isdigit(static_cast<unsigned char>(text[at])) == 0)
            return false;
    return true;
}
} // namespace

bool isTwoDecimalNumber(const std::string &text)
{
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    return point != std::string::npos && point + 3 == text.size() && isDigits(text, start, point) &&
           isDigits(text, point + 1, text.size());
}

bool isNoteName(const std::string &text)
{
    // The longest pitch class that starts the text ("C#" before "C").
    int pitch = -1;
    std::size_t length = 0;
    for (int candidate = 0; candidate < 12; candidate++)
    {
        const std::size_t candidateLength = std::strlen(PITCH_CLASSES[candidate]);
        if (candidateLength > length && text.compare(0, candidateLength, PITCH_CLASSES[candidate]) == 0)
        {
            pitch = candidate;
            length = candidateLength;
        }
    }
    if (pitch < 0)
        return false;
    const std::string octave = text.substr(length);
    if (octave != "-1" && (octave.size() != 1 || std::isdigit(static_cast<unsigned char>(octave[0])) == 0))
        return false;
    return (std::stoi(octave) + 1) * 12 + pitch <= HIGHEST_NOTE;
}

bool isStraightDivisionName(const std::string &text)
{
    for (const char *name : STRAIGHT_DIVISIONS)
        if (text == name)
            return true;
    return false;
}

bool isDivisionName(const std::string &text)
{
    const char last = text.empty() ? '\0' : text.back();
    return isStraightDivisionName(text) ||
           ((last == 'T' || last == 'D') && isStraightDivisionName(text.substr(0, text.size() - 1)));
}

bool isWholeNumber(const std::string &text)
{
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    return isDigits(text, start, text.size());
}

bool isPossibleFieldText(const std::string &initial, const std::string &text)
{
    return isTwoDecimalNumber(initial) ? isTwoDecimalNumber(text) : isWholeNumber(text);
}

bool isPossibleChoiceText(Orvo::EPanel panel, const std::string &text)
{
    if (panel != Orvo::EPanel::NOTE_FREQUENCY)
        return isDivisionName(text);
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first != std::string::npos && isNoteName(text.substr(first, last - first + 1));
}

bool isPossibleResult(Orvo::EPanel panel, const std::string &text)
{
    if (text == "Range Error")
        return true;
    switch (panel)
    {
    case Orvo::EPanel::CLOSEST_NOTE:
        return isNoteName(text);
    case Orvo::EPanel::CLOSEST_DIVISION:
        return isStraightDivisionName(text);
    default:
        return isTwoDecimalNumber(text);
    }
}

bool isPossibleBox(const std::string &box)
{
    static const std::string RANGE_TITLE = "Orvo error: ";
    return (box.compare(0, RANGE_TITLE.size(), RANGE_TITLE) == 0 && box.size() > RANGE_TITLE.size()) ||
           box == "Orvo Error: Please select a valid tempo division";
}

std::string findImpossibleTexts(const CSessionPlayer &player)
{
    std::string found;
    for (const Orvo::SPanelLayout &layout : Orvo::CPanelLayout::getPanels())
    {
        const Orvo::CCalculatorPanel &panel = player.getPanel(layout.panel);
        const Basics::CString &result = panel.getResult().getText();
        noteIf(!isPossibleResult(layout.panel, result.getString()), layout, "result", result, found);
        const std::vector<Basics::CString> initial = layout.getInitialFieldTexts();
        for (std::size_t field = 0; field < initial.size(); field++)
        {
            const Basics::CString &text = panel.getField(field).getText();
            noteIf(!isPossibleFieldText(initial[field].getString(), text.getString()), layout, "field", text, found);
        }
        if (const GUI::Controls::CComboBox *chooser = panel.getChooser())
            noteIf(!isPossibleChoiceText(layout.panel, chooser->getText().getString()), layout, "choice",
                   chooser->getText(), found);
    }
    for (const std::string &box : player.getBoxes())
        if (!isPossibleBox(box))
            found += std::string(found.empty() ? "" : "; ") + "a box says \"" + box + "\"";
    return found;
}
} // namespace Corvane::Fuzzing
