#pragma once

#include <cstdio>
#include <string>

namespace Corvane::Platform
{
/**
 * Holds back what the process writes to its standard error (file descriptor 2) for as long as
 * it lives. Libraries such as Xlib print why a display refused them straight to standard error,
 * where the user would read it as a second, unexplained message: the caller takes the text to
 * fold it into its own. Text nobody took is written out when the capture ends, so nothing the
 * process says is lost. When standard error cannot be redirected, it is left alone and the
 * capture holds nothing.
 */
class CErrorOutputCapture
{
public:
    CErrorOutputCapture();
    CErrorOutputCapture(const CErrorOutputCapture &) = delete;
    CErrorOutputCapture &operator=(const CErrorOutputCapture &) = delete;
    /** Ends the capture, writing out what was held and not taken. */
    ~CErrorOutputCapture();

    /** Ends the capture and answers what was written meanwhile; it is then not written out. */
    std::string take();

private:
    /** Puts the real standard error back; answers what was held, and forgets it. */
    std::string restore();

    std::FILE *m_held;
    int m_original;
};
} // namespace Corvane::Platform
