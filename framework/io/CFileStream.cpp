#include "framework/io/CFileStream.hpp"

#include <algorithm>
#include <climits>
#include <cstring>

namespace Corvane::IO
{
CORVANE_DEFINE_CLASS(CFileStream, "CFileStream", "CCountedObject")

CFileStream::CFileStream() = default;

CFileStream::CFileStream(const Basics::CSystemString &path, bool write, bool littleEndianData)
{
    openStream(path, write, littleEndianData, false);
}

CFileStream::~CFileStream()
{
    closeStream();
}

int CFileStream::getHostByteOrder()
{
    const std::uint16_t probe = 1;
    unsigned char firstByte = 0;
    std::memcpy(&firstByte, &probe, 1);
    return firstByte == 1 ? LOWEST_BYTE_FIRST : HIGHEST_BYTE_FIRST;
}

bool CFileStream::openStream(const Basics::CSystemString &path, bool write, bool littleEndianData, bool neverSwap)
{
    closeStream();
    m_file = std::fopen(path.getString(), write ? "w+b" : "rb");
    m_mode = write ? MODE_WRITE : MODE_READ;
    m_open = m_file != nullptr;
    m_littleEndianData = littleEndianData;
    m_neverSwap = neverSwap;
    return m_open;
}

void CFileStream::closeStream()
{
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_open = 0;
    m_error = 0;
}

bool CFileStream::isStreamOpenForReading() const
{
    return m_open && m_mode == MODE_READ;
}

bool CFileStream::isStreamOpenForWriting() const
{
    return m_open && m_mode == MODE_WRITE;
}

bool CFileStream::fail()
{
    m_error = 1;
    return false;
}

long CFileStream::getStreamLength()
{
    if (!isStreamOpenForReading())
        return -1;
    const long position = std::ftell(m_file);
    const long length = position >= 0 && std::fseek(m_file, 0, SEEK_END) == 0 ? std::ftell(m_file) : -1;
    const bool restored = position >= 0 && std::fseek(m_file, position, SEEK_SET) == 0;
    if (length < 0 || !restored)
    {
        fail();
        return -1;
    }
    return length;
}

long CFileStream::getPosition() const
{
    return m_file != nullptr ? std::ftell(m_file) : -1;
}

bool CFileStream::seekFromStart(long offset)
{
    return m_file != nullptr && std::fseek(m_file, offset, SEEK_SET) == 0;
}

bool CFileStream::seekFromCurrent(long offset)
{
    return m_file != nullptr && std::fseek(m_file, offset, SEEK_CUR) == 0;
}

bool CFileStream::flush()
{
    return m_file != nullptr && std::fflush(m_file) == 0;
}

bool CFileStream::isEndOfFile() const
{
    return m_file == nullptr || std::feof(m_file) != 0;
}

bool CFileStream::readBytes(unsigned char *buffer, long count)
{
    if (!isStreamOpenForReading() || count < 0 || (buffer == nullptr && count > 0))
        return fail();
    const auto wanted = static_cast<std::size_t>(count);
    return std::fread(buffer, 1, wanted, m_file) == wanted || fail();
}

bool CFileStream::writeBytes(const unsigned char *buffer, long count)
{
    if (!isStreamOpenForWriting() || count < 0 || (buffer == nullptr && count > 0))
        return fail();
    const auto wanted = static_cast<std::size_t>(count);
    return std::fwrite(buffer, 1, wanted, m_file) == wanted || fail();
}

bool CFileStream::readShorts(unsigned short *values, long count)
{
    if (count < 0 || count > LONG_MAX / 2)
        return fail();
    if (!readBytes(reinterpret_cast<unsigned char *>(values), count * 2))
        return false;
    if (isSwapping())
        for (long index = 0; index < count; index++)
            values[index] = static_cast<unsigned short>((values[index] >> 8) | (values[index] << 8));
    return true;
}

bool CFileStream::isSwapping() const
{
    const int fileOrder = m_littleEndianData ? LOWEST_BYTE_FIRST : HIGHEST_BYTE_FIRST;
    return !m_neverSwap && fileOrder != getHostByteOrder();
}

template <class T> CFileStream &CFileStream::writeValue(T value)
{
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    if (isSwapping())
        std::reverse(bytes, bytes + sizeof(T));
    writeBytes(bytes, sizeof(T));
    return *this;
}

template <class T> CFileStream &CFileStream::readValue(T &value)
{
    unsigned char bytes[sizeof(T)];
    if (!readBytes(bytes, sizeof(T)))
        return *this;
    if (isSwapping())
        std::reverse(bytes, bytes + sizeof(T));
    std::memcpy(&value, bytes, sizeof(T));
    return *this;
}

CFileStream &CFileStream::operator<<(char value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(signed char value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(unsigned char value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(bool value) { return writeValue<unsigned char>(value ? 1 : 0); }
CFileStream &CFileStream::operator<<(std::int16_t value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(std::uint16_t value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(std::int32_t value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(std::uint32_t value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(std::int64_t value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(std::uint64_t value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(float value) { return writeValue(value); }
CFileStream &CFileStream::operator<<(double value) { return writeValue(value); }

CFileStream &CFileStream::operator>>(char &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(signed char &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(unsigned char &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(std::int16_t &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(std::uint16_t &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(std::int32_t &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(std::uint32_t &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(std::int64_t &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(std::uint64_t &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(float &value) { return readValue(value); }
CFileStream &CFileStream::operator>>(double &value) { return readValue(value); }

CFileStream &CFileStream::operator>>(bool &value)
{
    unsigned char byte = 0;
    if (readBytes(&byte, 1))
        value = byte == 1;
    return *this;
}
} // namespace Corvane::IO
