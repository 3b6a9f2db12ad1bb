#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::Basics
{
/**
 * A link that can be opened with the desktop's default handler. Opening runs the opener program
 * ("xdg-open" unless replaced) with the address as its one argument, never through a shell, so no
 * character of the address can be taken as a command.
 */
class CHtmlString : public CSystemString, private TInstanceCounter<CHtmlString>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr const char *WEB_PREFIX = "http://";
    static constexpr const char *FILE_PREFIX = "file://";

    CHtmlString(const char *text);
    CHtmlString(const CString &text);
    CHtmlString(const CSystemString &text);
    CHtmlString(const CHtmlString &other);

    bool isWebAddress() const;
    bool isFileAddress() const;
    /** Puts "http://" (when @p web) or "file://" in front of the text. */
    void addAddressPrefix(bool web);
    /**
     * Puts "http://" in front of a bare site name (a text without any "scheme://"), then starts the opener on it without
     * waiting for it. Answers whether the opener could be started.
     */
    bool openAddress();

    /** Replaces the program that opens addresses (tests use a recorder); null restores xdg-open. */
    static void setAddressOpener(const char *program);

private:
    /** The text starts with a URI scheme followed by "://". */
    bool hasScheme() const;
    bool startsWith(const char *prefix) const;
};
} // namespace Corvane::Basics
