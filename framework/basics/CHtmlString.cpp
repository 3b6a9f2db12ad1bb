#include "framework/basics/CHtmlString.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <string>

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CHtmlString, "CHtmlString", "CCountedObject")

namespace
{
std::string &addressOpener()
{
    static std::string program = "xdg-open";
    return program;
}

/**
 * Runs @p program with one argument, detached: a short-lived child starts the grandchild and
 * exits at once, so nothing is left waiting to be reaped and the caller never blocks on the handler.
 */
bool startDetached(const char *program, const char *argument)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
    {
        if (fork() == 0)
        {
            char *const arguments[] = {const_cast<char *>(program), const_cast<char *>(argument), nullptr};
            execvp(program, arguments);
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

CHtmlString::CHtmlString(const char *text) : CSystemString(text) {}
CHtmlString::CHtmlString(const CString &text) : CSystemString(text) {}
CHtmlString::CHtmlString(const CSystemString &text) : CSystemString(text) {}
CHtmlString::CHtmlString(const CHtmlString &other) : CSystemString(other), TInstanceCounter<CHtmlString>(other) {}

bool CHtmlString::startsWith(const char *prefix) const
{
    return std::strncmp(getString(), prefix, std::strlen(prefix)) == 0;
}

bool CHtmlString::isWebAddress() const
{
    return startsWith(WEB_PREFIX);
}

bool CHtmlString::isFileAddress() const
{
    return startsWith(FILE_PREFIX);
}

void CHtmlString::addAddressPrefix(bool web)
{
    CString address(web ? WEB_PREFIX : FILE_PREFIX);
    address.appendString(getString());
    setString(address);
}

bool CHtmlString::hasScheme() const
{
    const char *text = getString();
    const char *mark = std::strstr(text, "://");
    if (mark == nullptr || mark == text)
        return false;
    for (const char *c = text; c != mark; c++)
        if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != '+' && *c != '-' && *c != '.')
            return false;
    return true;
}

bool CHtmlString::openAddress()
{
    // An address with a scheme of its own ("https://", "ftp://") is kept: only a bare site name gets
    // the web prefix, else "https://x" would become the broken "http://https://x".
    if (!isWebAddress() && !isFileAddress() && !hasScheme())
        addAddressPrefix(true);
    return startDetached(addressOpener().c_str(), getString());
}

void CHtmlString::setAddressOpener(const char *program)
{
    addressOpener() = program != nullptr ? program : "xdg-open";
}
} // namespace Corvane::Basics
