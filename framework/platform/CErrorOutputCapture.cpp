#include "framework/platform/CErrorOutputCapture.hpp"

#include <unistd.h>

namespace Corvane::Platform
{
namespace
{
constexpr int ERROR_OUTPUT = 2;

/** Writes all of @p text to @p descriptor, as far as it takes it. */
void writeAll(int descriptor, const std::string &text)
{
    std::size_t written = 0;
    while (written < text.size())
    {
        const ssize_t step = ::write(descriptor, text.data() + written, text.size() - written);
        if (step <= 0)
            return;
        written += static_cast<std::size_t>(step);
    }
}
} // namespace

CErrorOutputCapture::CErrorOutputCapture() : m_held(std::tmpfile()), m_original(-1)
{
    if (m_held == nullptr)
        return;
    std::fflush(stderr); // what was written before belongs to the real output
    m_original = ::dup(ERROR_OUTPUT);
    if (m_original < 0 || ::dup2(fileno(m_held), ERROR_OUTPUT) < 0)
    {
        if (m_original >= 0)
            ::close(m_original);
        m_original = -1;
        std::fclose(m_held);
        m_held = nullptr;
    }
}

CErrorOutputCapture::~CErrorOutputCapture()
{
    writeAll(ERROR_OUTPUT, restore());
}

std::string CErrorOutputCapture::take()
{
    return restore();
}

std::string CErrorOutputCapture::restore()
{
    if (m_held == nullptr)
        return std::string();
    std::fflush(stderr);
    ::dup2(m_original, ERROR_OUTPUT);
    ::close(m_original);
    m_original = -1;
    std::string text;
    std::rewind(m_held);
    char buffer[512];
    for (std::size_t read = 0; (read = std::fread(buffer, 1, sizeof buffer, m_held)) > 0;)
        text.append(buffer, read);
    std::fclose(m_held);
    m_held = nullptr;
    return text;
}
} // namespace Corvane::Platform
