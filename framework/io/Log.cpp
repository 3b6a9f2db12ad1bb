#include "framework/io/Log.hpp"

#include "framework/basics/CProcessServices.hpp"
#include "framework/basics/NumericLocale.hpp"
#include "framework/io/CTextStream.hpp"

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace Corvane::IO
{
namespace
{
constexpr const char *LOG_SERVICE = "log";

/**
 * The open log, or null. Made on first use, which comes after the class records it counts in
 * were built, so it is destroyed before them when the process ends with the log still open.
 */
std::unique_ptr<CTextStream> &logStream()
{
    static std::unique_ptr<CTextStream> stream;
    return stream;
}

void writeLine(const char *text)
{
    if (!isLogOpen())
        return;
    CTextStream &log = *logStream();
    log << text << "\n";
}
} // namespace

void startLog()
{
    Basics::CProcessServices::registerService(LOG_SERVICE, stopLog);
}

void stopLog()
{
    closeLog();
    Basics::CProcessServices::withdrawService(LOG_SERVICE);
}

bool openLog(const Basics::CSystemString &path)
{
    startLog();
    closeLog();
    auto stream = std::make_unique<CTextStream>(path, CTextStream::MODE_WRITE);
    if (stream->isStreamOpenForWriting())
        logStream() = std::move(stream);
    return isLogOpen();
}

void closeLog()
{
    logStream().reset();
}

bool isLogOpen()
{
    return logStream() != nullptr && logStream()->isStreamOpenForWriting();
}

void logMessage(const char *format, ...)
{
    if (format == nullptr || !isLogOpen())
        return;
    char message[MAXIMUM_LOG_MESSAGE_LENGTH + 1] = {};
    Basics::CNumericLocale numbersWithPoint;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    writeLine(message);
}

void logObjectMessage(const Basics::ICountedObject &object, const Basics::CString &message)
{
    if (!isLogOpen())
        return;
    char description[1024] = {};
    object.getObjectDescription(description, sizeof description);
    description[sizeof description - 1] = '\0';
    Basics::CString line(message);
    line.appendString(description);
    writeLine(line.getString());
}
} // namespace Corvane::IO
