#pragma once

#include "framework/basics/CCountedObject.hpp"

#include <cstdint>
#include <memory>

namespace Corvane::Basics
{
class CPascalString;

/**
 * The framework's text: an owned, zero-terminated copy of 8-bit (UTF-8) bytes. The size counts
 * the terminator, so an empty text has size 1. Every change replaces the buffer with one of
 * exactly the needed size. Numbers convert with the C library, independent of the locale.
 */
class CString : public CCountedObject, private TInstanceCounter<CString>
{
public:
    CORVANE_DECLARE_CLASS

    /** An empty text. */
    CString();
    /** A copy of @p text; a null text gives a single blank " ". */
    CString(const char *text);
    CString(const CString &other);
    CString(CString &&other) noexcept;
    ~CString() override;

    void getObjectDescription(char *text, long size) const override;

    /** "True" or "False". */
    virtual CString &operator=(bool value);
    /** At least three digits, zero padded: 7 gives "007", -5 gives "-005". */
    virtual CString &operator=(long value);
    virtual CString &operator=(int value);
    /** Three decimals: 2.5f gives "2.500". */
    virtual CString &operator=(float value);
    virtual CString &operator=(const char *text);
    CString &operator=(const CString &other);
    CString &operator=(CString &&other) noexcept;

    virtual CString &operator+=(const char *text);
    virtual CString &operator+=(const CString &text);

    virtual bool operator==(const CString &other) const;
    virtual bool operator==(const char *text) const;
    virtual bool operator!=(const CString &other) const;
    virtual bool operator!=(const char *text) const;

    /** True only for a size of 0, which no constructed string has. */
    virtual bool isSizeZero() const;

    virtual char operator[](long index) const;

    /** A length-prefixed copy, made with a 256-byte buffer. */
    virtual std::unique_ptr<CPascalString> getPascalString() const;

    virtual void setString(const CString &other);
    /** Replaces the text with a copy of @p text; a null text is ignored. */
    virtual void setString(const char *text);
    /** printf-style, with the point as decimal separator whatever the locale. */
    virtual void setStringWithFormat(const char *format, ...) __attribute__((format(printf, 2, 3)));

    virtual void appendString(const CString &other);
    virtual void appendString(const char *text);
    virtual void appendCharacter(char character);

    virtual const char *getString() const;
    /**
     * Copies the text into @p buffer of @p size bytes: zero-filled, and at most size - 1
     * characters so the copy is always terminated. No effect for a null buffer or size below 1.
     */
    virtual void getString(char *buffer, long size) const;

    /** Characters @p start to @p end, both included; empty unless 0 <= start <= end <= size. */
    virtual CString getSubString(long start, long end) const;

    virtual long getSize() const;
    /** The character at @p index, or a blank outside 0 to size - 1 (size - 1 is the terminator). */
    virtual char characterAt(long index) const;

    virtual void toUpperCase();
    virtual void toLowerCase();
    virtual void removeWhiteSpace();
    /** Drops leading white space; an all-white text becomes empty. */
    virtual void removeLeadingWhiteSpace();
    /** Drops trailing white space; an all-white text is left unchanged. */
    virtual void removeTrailingWhiteSpace();
    virtual void removeLastCharacter();

    virtual void replaceCharacter(char from, char to);
    virtual void replaceCharacterWithString(char character, const CString &with);
    /**
     * Replaces the first occurrence of @p find by @p character and searches again from the
     * start, until none is left; so "&amp;amp;" with "&amp;" becomes "&". A find text equal to
     * the character itself is replaced in one pass, and an empty one does nothing.
     */
    virtual void replaceStringWithCharacter(char character, const CString &find);

    virtual bool isEqualTo(const CString &other) const;
    virtual bool isEqualTo(const char *text) const;
    virtual bool isEqualToIgnoringCase(const CString &other) const;
    virtual bool isEqualToIgnoringCase(const char *text) const;

    /** Index of the first @p character (the terminator included), or -1. */
    virtual long findFirst(char character) const;
    /** Index of the last @p character, or -1. */
    virtual long findLast(char character) const;

    /** Index of the first full occurrence of @p what, or -1; an empty text is never found. */
    long findString(const CString &what) const;

    /** atof: leading blanks skipped, the longest numeric prefix converted, 0.0 when none. */
    static double toDouble(const char *text);
    /** atol, saturated to the 32-bit range. */
    static long toLong(const char *text);
    /** "%.3f" of the value. */
    static CString floatToString(float value);
    /** "%.3li" of the value. */
    static CString longToString(long value);
    static char toUpper(char character);
    static char toLower(char character);
    /** The blank and the control characters 9 to 13. */
    static bool isWhiteSpace(char character);

private:
    /** Takes ownership of a heap text of @p length characters. */
    void adopt(char *text, std::size_t length);
    void assign(const char *text, std::size_t length);

    char *m_text;
    std::int32_t m_size;
};
} // namespace Corvane::Basics
