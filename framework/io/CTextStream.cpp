#include "framework/io/CTextStream.hpp"

#include <cstring>

namespace Corvane::IO
{
using Basics::CString;

CORVANE_DEFINE_CLASS(CTextStream, "CTextStream", "CCountedObject")

namespace
{
constexpr int END_OF_FILE = std::ifstream::traits_type::eof();
}

CTextStream::CTextStream()
{
    std::strcpy(m_lineBuffer, "Empty string");
}

CTextStream::CTextStream(const Basics::CSystemString &path, long mode) : CTextStream()
{
    openStream(path, mode);
}

CTextStream::~CTextStream()
{
    closeStream();
}

bool CTextStream::openStream(const Basics::CSystemString &path, long mode)
{
    closeStream();
    m_mode = static_cast<std::int32_t>(mode);
    m_path = path;
    // Binary mode: the bytes of a line are handed out exactly as stored, line ends included.
    if (mode == MODE_READ)
    {
        m_input.open(path.getString(), std::ios::in | std::ios::binary);
        m_open = m_input.is_open();
    }
    else if (mode == MODE_WRITE)
    {
        m_output.open(path.getString(), std::ios::out | std::ios::trunc | std::ios::binary);
        m_open = m_output.is_open();
    }
    return m_open;
}

void CTextStream::closeStream()
{
    if (m_output.is_open())
    {
        m_output.flush();
        m_output.close();
    }
    if (m_input.is_open())
        m_input.close();
    m_open = false;
}

bool CTextStream::isStreamOpenForReading() const
{
    return m_open && m_mode == MODE_READ;
}

bool CTextStream::isStreamOpenForWriting() const
{
    return m_open && m_mode == MODE_WRITE;
}

bool CTextStream::isEndOfFile() const
{
    if (!m_open)
        return true;
    return m_mode == MODE_READ && m_input.eof();
}

void CTextStream::flush()
{
    if (isStreamOpenForWriting())
        m_output.flush();
}

CTextStream &CTextStream::writeText(const char *text)
{
    if (isStreamOpenForWriting() && text != nullptr)
    {
        m_output.clear();
        m_output << text;
    }
    return *this;
}

CTextStream &CTextStream::operator<<(const char *text)
{
    writeText(text);
    flush();
    return *this;
}

CTextStream &CTextStream::operator<<(const CString &text)
{
    return *this << text.getString();
}

CTextStream &CTextStream::operator<<(const Basics::ICountedObject &object)
{
    char description[256] = {};
    object.getObjectDescription(description, sizeof description);
    description[sizeof description - 1] = '\0';
    return writeText(description);
}

CTextStream &CTextStream::operator<<(bool value)
{
    return writeText(value ? "true" : "false");
}

CTextStream &CTextStream::operator<<(long value)
{
    CString text;
    text.setStringWithFormat("%li", value);
    return writeText(text.getString());
}

CTextStream &CTextStream::operator<<(int value)
{
    return *this << static_cast<long>(value);
}

CTextStream &CTextStream::operator<<(double value)
{
    CString text;
    text.setStringWithFormat("%.20f", value);
    return writeText(text.getString());
}

CTextStream &CTextStream::operator<<(float value)
{
    return *this << static_cast<double>(value);
}

bool CTextStream::readLine()
{
    if (!isStreamOpenForReading())
        return false;
    m_input.clear();
    long length = 0;
    bool ended = false;
    while (!ended && length < MAXIMUM_LINE_LENGTH)
    {
        const int character = m_input.get();
        if (character == END_OF_FILE)
            break;
        ended = character == '\n' || (character == '\r' && takeLineFeedAfterCarriageReturn());
        if (!ended)
            m_lineBuffer[length++] = static_cast<char>(character);
    }
    m_lineCut = !ended && length == MAXIMUM_LINE_LENGTH && !takeLineEndAfterFullLine();
    m_lineBuffer[length] = '\0';
    return true;
}

bool CTextStream::takeLineFeedAfterCarriageReturn()
{
    const int next = m_input.peek();
    if (next == '\n')
        m_input.get();
    return next == '\n' || next == END_OF_FILE;
}

bool CTextStream::takeLineEndAfterFullLine()
{
    // A line of exactly the maximum length must not leave its line end behind as an empty line.
    const int next = m_input.get();
    if (next == '\n' || next == END_OF_FILE || (next == '\r' && takeLineFeedAfterCarriageReturn()))
        return true;
    m_input.unget();
    return false;
}

CTextStream &CTextStream::operator>>(char *buffer)
{
    if (readLine() && buffer != nullptr)
        std::memcpy(buffer, m_lineBuffer, std::strlen(m_lineBuffer) + 1);
    return *this;
}

CTextStream &CTextStream::operator>>(CString &text)
{
    if (readLine())
        text.setString(m_lineBuffer);
    return *this;
}

CTextStream &CTextStream::operator>>(long &value)
{
    if (readLine())
        value = CString::toLong(m_lineBuffer);
    return *this;
}

CTextStream &CTextStream::operator>>(int &value)
{
    if (readLine())
        value = static_cast<int>(CString::toLong(m_lineBuffer));
    return *this;
}

CTextStream &CTextStream::operator>>(double &value)
{
    if (readLine())
        value = CString::toDouble(m_lineBuffer);
    return *this;
}

CTextStream &CTextStream::operator>>(float &value)
{
    if (readLine())
        value = static_cast<float>(CString::toDouble(m_lineBuffer));
    return *this;
}

CTextStream &CTextStream::operator>>(bool &value)
{
    if (readLine())
        value = std::strcmp(m_lineBuffer, "true") == 0;
    return *this;
}
} // namespace Corvane::IO
