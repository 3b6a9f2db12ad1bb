#pragma once

#include "framework/basics/CSystemString.hpp"

#include <cstdint>
#include <cstdio>

namespace Corvane::IO
{
/**
 * A binary file whose multi-byte values are stored in a stated byte order. A value is reversed on
 * its way in or out when the file's order differs from the host's, unless never-swap is set.
 * Nothing is thrown: a failed or short transfer, or an operation in the wrong mode or on a closed
 * stream, sets the error flag, which stays set until the stream is closed or reopened.
 */
class CFileStream : public Basics::CCountedObject, private Basics::TInstanceCounter<CFileStream>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long MODE_READ = 0;
    static constexpr long MODE_WRITE = 1;
    static constexpr int LOWEST_BYTE_FIRST = 0;
    static constexpr int HIGHEST_BYTE_FIRST = 1;

    CFileStream();
    CFileStream(const Basics::CSystemString &path, bool write, bool littleEndianData);
    CFileStream(const CFileStream &) = delete;
    CFileStream &operator=(const CFileStream &) = delete;
    ~CFileStream() override;

    /** LOWEST_BYTE_FIRST or HIGHEST_BYTE_FIRST, for this host. */
    static int getHostByteOrder();

    /** Closes any open file, then opens @p path to read, or to write from empty. */
    bool openStream(const Basics::CSystemString &path, bool write, bool littleEndianData, bool neverSwap);
    void closeStream();

    bool isStreamOpenForReading() const;
    bool isStreamOpenForWriting() const;
    /** The file's length in bytes, or -1 unless open for reading and seekable. */
    long getStreamLength();
    /** The current byte offset, or -1 when closed. */
    long getPosition() const;
    bool seekFromStart(long offset);
    bool seekFromCurrent(long offset);
    bool flush();
    /** True when the C library has met the end of the file; also true when closed. */
    bool isEndOfFile() const;
    bool hasError() const { return m_error != 0; }

    /** True when exactly @p count bytes moved. */
    bool readBytes(unsigned char *buffer, long count);
    bool writeBytes(const unsigned char *buffer, long count);
    /** Reads @p count 16-bit values as one block. */
    bool readShorts(unsigned short *values, long count);

    CFileStream &operator<<(char value);
    CFileStream &operator<<(signed char value);
    CFileStream &operator<<(unsigned char value);
    /** One byte, 1 or 0. */
    CFileStream &operator<<(bool value);
    CFileStream &operator<<(std::int16_t value);
    CFileStream &operator<<(std::uint16_t value);
    CFileStream &operator<<(std::int32_t value);
    CFileStream &operator<<(std::uint32_t value);
    CFileStream &operator<<(std::int64_t value);
    CFileStream &operator<<(std::uint64_t value);
    CFileStream &operator<<(float value);
    CFileStream &operator<<(double value);

    CFileStream &operator>>(char &value);
    CFileStream &operator>>(signed char &value);
    CFileStream &operator>>(unsigned char &value);
    /** True only for the byte 1. */
    CFileStream &operator>>(bool &value);
    CFileStream &operator>>(std::int16_t &value);
    CFileStream &operator>>(std::uint16_t &value);
    CFileStream &operator>>(std::int32_t &value);
    CFileStream &operator>>(std::uint32_t &value);
    CFileStream &operator>>(std::int64_t &value);
    CFileStream &operator>>(std::uint64_t &value);
    CFileStream &operator>>(float &value);
    CFileStream &operator>>(double &value);

private:
    bool isSwapping() const;
    bool fail();
    template <class T> CFileStream &writeValue(T value);
    template <class T> CFileStream &readValue(T &value);

    std::FILE *m_file = nullptr;
    std::int32_t m_mode = MODE_READ;
    unsigned char m_open = 0;
    unsigned char m_error = 0;
    unsigned char m_littleEndianData = 1;
    unsigned char m_neverSwap = 0;
};
} // namespace Corvane::IO
