#pragma once

#include "framework/basics/CString.hpp"

#include <cstdint>
#include <optional>

namespace Corvane::Host
{
/**
 * A moment in file-system terms: 100-nanosecond ticks since 1 January 1601 (UTC), the scale on
 * which the framework keeps file times whatever the host counts in.
 */
using FileTime = std::uint64_t;

/** A calendar time broken into its parts, all in the local time zone. */
struct SystemTime
{
    std::uint16_t year = 0;
    std::uint16_t month = 0;     // 1 to 12
    std::uint16_t dayOfWeek = 0; // 0 Sunday to 6 Saturday
    std::uint16_t day = 0;       // 1 to 31
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

/**
 * A calendar time in the local time zone. File times are turned into local calendar time and back,
 * so a file's times read the same as the clock on the user's wall.
 */
class CTime : public Basics::CCountedObject, private Basics::TInstanceCounter<CTime>
{
public:
    CORVANE_DECLARE_CLASS

    static const char *const DAY_NAMES[7];
    static const char *const MONTH_NAMES[12];

    /** Now, in local time. */
    CTime();
    explicit CTime(const FileTime &fileTime);
    CTime(const CTime &other);
    CTime &operator=(const CTime &other);

    void setToLocalTime();
    void setFromSystemTime(const SystemTime &time);
    /** False, leaving the time as it was, when the moment has no local calendar time. */
    bool setFromFileTime(const FileTime &fileTime);
    /** Empty when the fields do not make a valid date and time from 1601 on. */
    std::optional<FileTime> getAsFileTime() const;

    const SystemTime &getSystemTime() const { return m_time; }

    /** "Friday 27 April 2007" in the long form, "27/04/2007" in the short one. */
    Basics::CString getDateAsString(bool longForm) const;
    /** Hour, minute, second and milliseconds: "13:05:09:07". */
    Basics::CString getTimeAsString() const;

    /** The time string, cut to the buffer. */
    void getObjectDescription(char *text, long size) const override;

    /** The present moment. */
    static FileTime getCurrentFileTime();
    /**
     * The file time of a POSIX moment (seconds and nanoseconds since 1970), held to the range a file
     * time can show: 0 before 1601, the last second of the year 30828 after it.
     */
    static FileTime fileTimeFromPosix(std::int64_t seconds, std::int64_t nanoseconds);

private:
    SystemTime m_time;
};
} // namespace Corvane::Host
