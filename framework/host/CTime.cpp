#include "framework/host/CTime.hpp"

#include "framework/basics/TextBuffer.hpp"

#include <ctime>
#include <limits>

namespace Corvane::Host
{
CORVANE_DEFINE_CLASS(CTime, "CTime", "CCountedObject")

const char *const CTime::DAY_NAMES[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char *const CTime::MONTH_NAMES[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};

namespace
{
constexpr std::int64_t TICKS_PER_SECOND = 10000000;
constexpr std::int64_t TICKS_PER_MILLISECOND = 10000;
// Seconds from 1 January 1601 to 1 January 1970.
constexpr std::int64_t SECONDS_FROM_1601_TO_1970 = 11644473600;
constexpr int FIRST_YEAR = 1601;
// The last whole POSIX second whose file time still fits the signed 64-bit range (in the year 30828).
constexpr std::int64_t LAST_POSIX_SECOND =
    std::numeric_limits<std::int64_t>::max() / TICKS_PER_SECOND - SECONDS_FROM_1601_TO_1970 - 1;

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValid(const SystemTime &time)
{
    return time.year >= FIRST_YEAR && time.month >= 1 && time.month <= 12 && time.day >= 1 &&
           time.day <= daysInMonth(time.year, time.month) && time.hour < 24 && time.minute < 60 && time.second < 60 &&
           time.milliseconds < 1000;
}

/** A name from a table, or an empty text for an index outside it, so a bad field never reads past it. */
template <std::size_t N> const char *nameAt(const char *const (&names)[N], long index)
{
    return index >= 0 && index < static_cast<long>(N) ? names[index] : "";
}

std::tm toCalendar(const SystemTime &time)
{
    std::tm calendar{};
    calendar.tm_year = time.year - 1900;
    calendar.tm_mon = time.month - 1;
    calendar.tm_mday = time.day;
    calendar.tm_hour = time.hour;
    calendar.tm_min = time.minute;
    calendar.tm_sec = time.second;
    calendar.tm_isdst = -1; // let the C library decide whether summer time applies
    return calendar;
}

bool isSameMoment(const std::tm &a, const std::tm &b)
{
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday && a.tm_hour == b.tm_hour &&
           a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

/** mktime, telling its error answer (-1) apart from the real second before 1970 in local time. */
std::optional<std::time_t> toPosixSeconds(const SystemTime &time)
{
    std::tm calendar = toCalendar(time);
    const std::time_t seconds = std::mktime(&calendar);
    if (seconds == static_cast<std::time_t>(-1))
    {
        std::tm check{};
        if (localtime_r(&seconds, &check) == nullptr || !isSameMoment(check, toCalendar(time)))
            return std::nullopt;
    }
    return seconds;
}
} // namespace

CTime::CTime()
{
    setToLocalTime();
}

CTime::CTime(const FileTime &fileTime)
{
    setFromFileTime(fileTime);
}

CTime::CTime(const CTime &other)
    : CCountedObject(other), TInstanceCounter<CTime>(other), m_time(other.m_time)
{
}

CTime &CTime::operator=(const CTime &other)
{
    m_time = other.m_time;
    return *this;
}

void CTime::setToLocalTime()
{
    setFromFileTime(getCurrentFileTime());
}

void CTime::setFromSystemTime(const SystemTime &time)
{
    m_time = time;
}

bool CTime::setFromFileTime(const FileTime &fileTime)
{
    if (fileTime > static_cast<FileTime>(std::numeric_limits<std::int64_t>::max()))
        return false;
    const std::int64_t ticks = static_cast<std::int64_t>(fileTime);
    const std::time_t seconds = static_cast<std::time_t>(ticks / TICKS_PER_SECOND - SECONDS_FROM_1601_TO_1970);
    std::tm calendar{};
    if (localtime_r(&seconds, &calendar) == nullptr || calendar.tm_year + 1900 < FIRST_YEAR ||
        calendar.tm_year + 1900 > std::numeric_limits<std::uint16_t>::max())
        return false;
    m_time.year = static_cast<std::uint16_t>(calendar.tm_year + 1900);
    m_time.month = static_cast<std::uint16_t>(calendar.tm_mon + 1);
    m_time.dayOfWeek = static_cast<std::uint16_t>(calendar.tm_wday);
    m_time.day = static_cast<std::uint16_t>(calendar.tm_mday);
    m_time.hour = static_cast<std::uint16_t>(calendar.tm_hour);
    m_time.minute = static_cast<std::uint16_t>(calendar.tm_min);
    m_time.second = static_cast<std::uint16_t>(calendar.tm_sec);
    m_time.milliseconds = static_cast<std::uint16_t>(ticks % TICKS_PER_SECOND / TICKS_PER_MILLISECOND);
    return true;
}

std::optional<FileTime> CTime::getAsFileTime() const
{
    if (!isValid(m_time))
        return std::nullopt;
    const std::optional<std::time_t> seconds = toPosixSeconds(m_time);
    if (!seconds || *seconds < -SECONDS_FROM_1601_TO_1970 || *seconds > LAST_POSIX_SECOND)
        return std::nullopt;
    return static_cast<FileTime>((*seconds + SECONDS_FROM_1601_TO_1970) * TICKS_PER_SECOND +
                                 m_time.milliseconds * TICKS_PER_MILLISECOND);
}

Basics::CString CTime::getDateAsString(bool longForm) const
{
    Basics::CString text;
    if (longForm)
        text.setStringWithFormat("%s %d %s %d", nameAt(DAY_NAMES, m_time.dayOfWeek), m_time.day,
                                 nameAt(MONTH_NAMES, m_time.month - 1L), m_time.year);
    else
        text.setStringWithFormat("%.02d/%.02d/%.04d", m_time.day, m_time.month, m_time.year);
    return text;
}

Basics::CString CTime::getTimeAsString() const
{
    Basics::CString text;
    text.setStringWithFormat("%.02d:%.02d:%.02d:%.02d", m_time.hour, m_time.minute, m_time.second,
                             m_time.milliseconds);
    return text;
}

void CTime::getObjectDescription(char *text, long size) const
{
    Basics::copyTextToBuffer(getTimeAsString().getString(), text, size);
}

FileTime CTime::getCurrentFileTime()
{
    std::timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return fileTimeFromPosix(now.tv_sec, now.tv_nsec);
}

FileTime CTime::fileTimeFromPosix(std::int64_t seconds, std::int64_t nanoseconds)
{
    if (seconds < -SECONDS_FROM_1601_TO_1970)
        return 0;
    if (seconds > LAST_POSIX_SECOND)
        seconds = LAST_POSIX_SECOND;
    return static_cast<FileTime>((seconds + SECONDS_FROM_1601_TO_1970) * TICKS_PER_SECOND + nanoseconds / 100);
}
} // namespace Corvane::Host
