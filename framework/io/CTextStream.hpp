#pragma once

#include "framework/basics/CSystemString.hpp"

#include <cstdint>
#include <fstream>

namespace Corvane::IO
{
/**
 * A line-oriented text file, open either for reading or for writing. Writing formats values as
 * text (numbers always with the point as decimal separator); reading takes one whole line per
 * value. A line ends at a line feed, or a carriage return followed by a line feed or the end of
 * the file; neither is handed out. Nothing is thrown: operations on a stream that is closed or in
 * the other mode do nothing.
 */
class CTextStream : public Basics::CCountedObject, private Basics::TInstanceCounter<CTextStream>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long MODE_READ = 0;
    static constexpr long MODE_WRITE = 1;
    /** The longest line one read hands out; the rest of a longer line is read by the next one. */
    static constexpr long MAXIMUM_LINE_LENGTH = 1023;
    static constexpr long LINE_BUFFER_SIZE = MAXIMUM_LINE_LENGTH + 1;

    CTextStream();
    CTextStream(const Basics::CSystemString &path, long mode);
    CTextStream(const CTextStream &) = delete;
    CTextStream &operator=(const CTextStream &) = delete;
    ~CTextStream() override;

    /** Closes any open file, then opens @p path: MODE_READ, or MODE_WRITE which empties the file. */
    bool openStream(const Basics::CSystemString &path, long mode);
    void closeStream();

    bool isStreamOpenForReading() const;
    bool isStreamOpenForWriting() const;
    /** True when closed; false in write mode. */
    bool isEndOfFile() const;
    void flush();

    /** True when the last line read stopped at the length limit and its rest is still to come. */
    bool wasLineCut() const { return m_lineCut; }

    /** The path given to the last openStream. */
    const Basics::CSystemString &getPath() const { return m_path; }

    /** Writes the text (nothing for null) and flushes, so the file is complete after every text. */
    CTextStream &operator<<(const char *text);
    CTextStream &operator<<(const Basics::CString &text);
    /** The object's description, cut at 255 characters. */
    CTextStream &operator<<(const Basics::ICountedObject &object);
    /** "true" or "false". */
    CTextStream &operator<<(bool value);
    CTextStream &operator<<(long value);
    CTextStream &operator<<(int value);
    /** Fixed notation with 20 decimals: 1.5 gives "1.50000000000000000000". */
    CTextStream &operator<<(double value);
    CTextStream &operator<<(float value);

    /** Copies the next line into @p buffer, which must hold LINE_BUFFER_SIZE bytes. */
    CTextStream &operator>>(char *buffer);
    CTextStream &operator>>(Basics::CString &text);
    CTextStream &operator>>(long &value);
    CTextStream &operator>>(int &value);
    CTextStream &operator>>(double &value);
    CTextStream &operator>>(float &value);
    /** True only for a line that is exactly "true". */
    CTextStream &operator>>(bool &value);

private:
    /** Reads the next line into the line buffer; false (leaving it alone) unless open for reading. */
    bool readLine();
    /** After a carriage return: takes a following line feed; true when the line ends there. */
    bool takeLineFeedAfterCarriageReturn();
    /**
     * Takes the line end (LF or CR LF) that directly follows a line of the maximum length; false
     * when the line goes on instead.
     */
    bool takeLineEndAfterFullLine();
    CTextStream &writeText(const char *text);

    bool m_open = false;
    bool m_lineCut = false;
    std::int32_t m_mode = MODE_READ;
    Basics::CSystemString m_path;
    std::ofstream m_output;
    std::ifstream m_input;
    char m_lineBuffer[LINE_BUFFER_SIZE];
};
} // namespace Corvane::IO
