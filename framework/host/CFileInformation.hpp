#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/host/CTime.hpp"

#include <sys/types.h>

namespace Corvane::Host
{
/** What a folder listing learns about one entry. */
struct FindData
{
    Basics::CString fileName;
    mode_t mode = 0;
    std::uint64_t size = 0;
    FileTime creationTime = 0;
    FileTime lastAccessTime = 0;
    FileTime lastWriteTime = 0;

    /**
     * Reads the entry @p name in @p folder, following a symbolic link to what it names (a link to a
     * folder lists as a folder); a link that leads nowhere is described as itself. The creation time
     * is the birth time where the file system records one, else the last change of the entry's
     * status, the nearest the file system knows. False when the entry cannot be read at all.
     */
    static bool read(const Basics::CSystemString &folder, const char *name, FindData &data);
};

/** One entry of a folder listing: its kind, times, size, name and where it lives. */
class CFileInformation : public Basics::CCountedObject, private Basics::TInstanceCounter<CFileInformation>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr std::int32_t ENTRY_FOLDER = 2;
    static constexpr std::int32_t ENTRY_FILE = 5;
    /** Anything that is neither a folder nor a regular file: devices, pipes, sockets, dead links. */
    static constexpr std::int32_t ENTRY_SYSTEM_FILE = 9;
    static constexpr std::int32_t ENTRY_NOT_KNOWN = 11;

    /** Not yet known, all times now, size 0, every name a single blank. */
    CFileInformation();
    explicit CFileInformation(const FindData &data);
    CFileInformation(const CFileInformation &other);
    CFileInformation &operator=(const CFileInformation &other);

    /**
     * Takes kind, times, size and name from @p data. This platform has no alternative short names,
     * so the short name becomes empty. The size is the whole size: a double holds every file size
     * exactly up to 8 petabytes.
     */
    void setFromFindData(const FindData &data);
    /** Sets the folder and the full path, the folder joined with the file name. */
    void setFolder(const Basics::CString &folder);

    std::int32_t getEntryType() const { return m_entryType; }
    bool isFolder() const { return m_entryType == ENTRY_FOLDER; }
    const CTime &getCreationTime() const { return m_creationTime; }
    const CTime &getLastAccessTime() const { return m_lastAccessTime; }
    const CTime &getLastWriteTime() const { return m_lastWriteTime; }
    double getSize() const { return m_size; }
    void setSize(double size) { m_size = size; }
    const Basics::CString &getFileName() const { return m_fileName; }
    const Basics::CString &getShortName() const { return m_shortName; }
    const Basics::CString &getFolder() const { return m_folder; }
    const Basics::CSystemString &getFullPath() const { return m_fullPath; }

    /**
     * For sortElements, given the addresses of two slots: folders first, then by full path byte by
     * byte; empty slots last.
     */
    static int compareFileInformation(const void *a, const void *b);

private:
    std::int32_t m_entryType = ENTRY_NOT_KNOWN;
    CTime m_creationTime;
    CTime m_lastAccessTime;
    CTime m_lastWriteTime;
    double m_size = 0;
    Basics::CString m_fileName;
    Basics::CString m_shortName;
    Basics::CString m_folder;
    Basics::CSystemString m_fullPath;
};
} // namespace Corvane::Host
