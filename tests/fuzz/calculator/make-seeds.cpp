// make-seeds FOLDER DICTIONARY: writes each real calculator session, in the fuzzer's byte format,
// to a file of FOLDER named after it (the calculator window fuzzer's seed corpus), and writes the
// fuzzer's dictionary: whole steps that a session is made of (a click on each control, a row of
// a menu, each key, values worth typing).
#include "app/layout/CPanelLayout.hpp"
#include "tests/fuzz/calculator/CSessionWriter.hpp"
#include "tests/fuzz/calculator/CalculatorSessions.hpp"

#include <cstdio>
#include <fstream>

namespace
{
using Corvane::Fuzzing::CSessionWriter;

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

/** One dictionary line: the bytes as a quoted string with every byte escaped. */
std::string dictionaryEntry(const std::vector<std::uint8_t> &bytes)
{
    std::string entry = "\"";
    char escaped[5];
    for (std::uint8_t byte : bytes)
    {
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        entry += escaped;
    }
    return entry + "\"\n";
}

std::string dictionary()
{
    std::vector<CSessionWriter> steps;
    for (const Corvane::Orvo::SPanelLayout &panel : Corvane::Orvo::CPanelLayout::getPanels())
        for (std::size_t control = 0; control < panel.controls.size(); control++)
            steps.push_back(CSessionWriter().click(CSessionWriter::control(panel.panel, control)));
    for (std::uint8_t row = 0; row < 13; row++)
        steps.push_back(CSessionWriter().move(CSessionWriter::menuRow(row)));
    for (std::int32_t key : Corvane::Fuzzing::KEYS)
        steps.push_back(CSessionWriter().key(key));
    for (const char *value : {"0", "140", "261.63", "-12", "1e308", "1e-320", "0.0001", "99999999", "nan", "inf"})
        steps.push_back(CSessionWriter().type(value));
    steps.push_back(CSessionWriter().idle());
    steps.push_back(CSessionWriter().timer());
    steps.push_back(CSessionWriter().focusLost());
    std::string text;
    for (const CSessionWriter &step : steps)
        text += dictionaryEntry(step.getBytes());
    return text;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: make-seeds FOLDER DICTIONARY\n");
        return 2;
    }
    for (const Corvane::Fuzzing::SNamedSession &session : Corvane::Fuzzing::getRealSessions())
    {
        const std::string path = std::string(argv[1]) + "/" + session.name;
        if (!writeFile(path, session.bytes))
        {
            std::fprintf(stderr, "make-seeds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    const std::string text = dictionary();
    if (!writeFile(argv[2], std::vector<std::uint8_t>(text.begin(), text.end())))
    {
        std::fprintf(stderr, "make-seeds: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
