// Times each panel's calculation, from input texts to result text, next to the least any
// calculation must do in the same run: convert its input texts and format one result with
// "%0.02f" (floor), and the same with the faster formatting the calculations use (fast-floor).

#include "app/calculations/CNumberText.hpp"
#include "app/calculations/CPanelCalculation.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using Corvane::Basics::CString;
using Corvane::Orvo::CNumberText;
using Corvane::Orvo::CPanelCalculation;
using Corvane::Orvo::EPanel;

namespace
{
struct SPanelCase
{
    const char *name;
    EPanel panel;
    std::vector<CString> texts;
    long choice;
};

/** Each panel with the texts it starts with. */
const std::vector<SPanelCase> &panelCases()
{
    static const std::vector<SPanelCase> cases = {
        {"delay", EPanel::DELAY, {"120.00"}, 8},
        {"time-to-bpm", EPanel::TIME_TO_BPM, {"2.00", "4"}, 0},
        {"bpm-to-time", EPanel::BPM_TO_TIME, {"120.00", "4"}, 0},
        {"semitones", EPanel::TEMPO_NOTE_SHIFT, {"120.00", "240.00"}, 0},
        {"stretch", EPanel::TIME_STRETCH, {"120.00", "125.00"}, 0},
        {"shift", EPanel::TEMPO_SHIFT, {"120.00", "12.00"}, 0},
        {"lfo", EPanel::LFO, {"120.00"}, 8},
        {"closest-division", EPanel::CLOSEST_DIVISION, {"120.00", "2.00"}, 0},
        {"note-frequency", EPanel::NOTE_FREQUENCY, {}, 69},
        {"closest-note", EPanel::CLOSEST_NOTE, {"440.00"}, 0},
    };
    return cases;
}

double convertTexts(const SPanelCase &panelCase)
{
    double value = 0;
    for (const CString &text : panelCase.texts)
        value += CString::toDouble(text.getString());
    return value;
}

void floor(benchmark::State &state, const SPanelCase &panelCase)
{
    for (auto _ : state)
    {
        CString result;
        result.setStringWithFormat("%0.02f", convertTexts(panelCase));
        benchmark::DoNotOptimize(result);
    }
}

void fastFloor(benchmark::State &state, const SPanelCase &panelCase)
{
    for (auto _ : state)
    {
        CString result(CNumberText(convertTexts(panelCase)).getString());
        benchmark::DoNotOptimize(result);
    }
}

void calculation(benchmark::State &state, const SPanelCase &panelCase)
{
    const CPanelCalculation &calculation = CPanelCalculation::forPanel(panelCase.panel);
    for (auto _ : state)
        benchmark::DoNotOptimize(calculation.calculate(panelCase.texts, panelCase.choice));
}
} // namespace

int main(int argumentCount, char **arguments)
{
    for (const SPanelCase &panelCase : panelCases())
    {
        benchmark::RegisterBenchmark((std::string(panelCase.name) + "/floor").c_str(), floor, panelCase);
        benchmark::RegisterBenchmark((std::string(panelCase.name) + "/fast-floor").c_str(), fastFloor, panelCase);
        benchmark::RegisterBenchmark((std::string(panelCase.name) + "/calculation").c_str(), calculation, panelCase);
    }
    benchmark::Initialize(&argumentCount, arguments);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
