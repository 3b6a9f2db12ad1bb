#pragma once

#include "framework/basics/CCountedObject.hpp"

#include <cstdint>
#include <memory>

namespace Corvane::Basics
{
class CString;

/**
 * Splits a text (at most 2047 characters; longer texts are cut) at a one-character delimiter.
 * Tokens are counted by countTokens(): every run of non-delimiter characters is one token.
 * Handing out walks delimiter to delimiter, so an empty piece between two delimiters is handed
 * out as an empty token and uses up one of the counted tokens.
 */
class CStringTokeniser : public CCountedObject, private TInstanceCounter<CStringTokeniser>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr int TEXT_CAPACITY = 2048;

    /** An empty text with the delimiter ','. */
    CStringTokeniser();
    /** These two copy the text without counting: hasMoreTokens() is false until countTokens(). */
    explicit CStringTokeniser(const char *text);
    explicit CStringTokeniser(const CString &text);
    /** These two count at once. */
    CStringTokeniser(const CString &text, char delimiter);
    CStringTokeniser(const char *text, char delimiter);

    virtual long countTokens();
    virtual bool hasMoreTokens() const;
    /** Replaces the delimiter and restarts: no token is handed out until countTokens(). */
    virtual void setDelimiter(char delimiter);
    /** Replaces the text and restarts: no token is handed out until countTokens(). */
    virtual void setString(const char *text);
    /** The next token, or null when none is left. */
    virtual std::unique_ptr<char[]> getNextToken();

    /** Assigns the next token to @p token; false when none is left. */
    bool getNextToken(CString &token);

private:
    void restart();

    std::int32_t m_numberOfTokens = 0;
    std::int32_t m_tokensHandedOut = 0;
    std::int32_t m_readPosition = 0;
    char m_text[TEXT_CAPACITY] = {};
    char m_delimiter = ',';
};
} // namespace Corvane::Basics
