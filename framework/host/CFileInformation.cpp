#include "framework/host/CFileInformation.hpp"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace Corvane::Host
{
CORVANE_DEFINE_CLASS(CFileInformation, "CFileInformation", "CCountedObject")

namespace
{
FileTime toFileTime(const struct statx_timestamp &time)
{
    return CTime::fileTimeFromPosix(time.tv_sec, time.tv_nsec);
}

std::int32_t entryTypeOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return CFileInformation::ENTRY_FOLDER;
    return S_ISREG(mode) ? CFileInformation::ENTRY_FILE : CFileInformation::ENTRY_SYSTEM_FILE;
}
} // namespace

bool FindData::read(const Basics::CSystemString &folder, const char *name, FindData &data)
{
    Basics::CSystemString path(folder);
    path.appendPath(name);
    struct statx status{};
    const unsigned int wanted = STATX_BASIC_STATS | STATX_BTIME;
    if (statx(AT_FDCWD, path.getString(), AT_STATX_SYNC_AS_STAT, wanted, &status) != 0 &&
        statx(AT_FDCWD, path.getString(), AT_SYMLINK_NOFOLLOW, wanted, &status) != 0)
        return false;
    data.fileName = name;
    data.mode = status.stx_mode;
    data.size = status.stx_size;
    data.creationTime = toFileTime((status.stx_mask & STATX_BTIME) != 0 ? status.stx_btime : status.stx_ctime);
    data.lastAccessTime = toFileTime(status.stx_atime);
    data.lastWriteTime = toFileTime(status.stx_mtime);
    return true;
}

CFileInformation::CFileInformation()
    : m_fileName(nullptr), m_shortName(nullptr), m_folder(nullptr), m_fullPath(nullptr)
{
}

CFileInformation::CFileInformation(const FindData &data) : CFileInformation()
{
    setFromFindData(data);
}

CFileInformation::CFileInformation(const CFileInformation &other)
    : CCountedObject(other), TInstanceCounter<CFileInformation>(other), m_entryType(other.m_entryType),
      m_creationTime(other.m_creationTime), m_lastAccessTime(other.m_lastAccessTime),
      m_lastWriteTime(other.m_lastWriteTime), m_size(other.m_size), m_fileName(other.m_fileName),
      m_shortName(other.m_shortName), m_folder(other.m_folder), m_fullPath(other.m_fullPath)
{
}

CFileInformation &CFileInformation::operator=(const CFileInformation &other)
{
    m_entryType = other.m_entryType;
    m_creationTime = other.m_creationTime;
    m_lastAccessTime = other.m_lastAccessTime;
    m_lastWriteTime = other.m_lastWriteTime;
    m_size = other.m_size;
    m_fileName = other.m_fileName;
    m_shortName = other.m_shortName;
    m_folder = other.m_folder;
    m_fullPath = other.m_fullPath;
    return *this;
}

void CFileInformation::setFromFindData(const FindData &data)
{
    m_entryType = entryTypeOf(data.mode);
    m_creationTime.setFromFileTime(data.creationTime);
    m_lastAccessTime.setFromFileTime(data.lastAccessTime);
    m_lastWriteTime.setFromFileTime(data.lastWriteTime);
    m_size = static_cast<double>(data.size);
    m_fileName = data.fileName;
    m_shortName = "";
}

void CFileInformation::setFolder(const Basics::CString &folder)
{
    m_folder = folder;
    m_fullPath = folder;
    m_fullPath.appendPath(m_fileName);
}

int CFileInformation::compareFileInformation(const void *a, const void *b)
{
    const CFileInformation *first = *static_cast<const CFileInformation *const *>(a);
    const CFileInformation *second = *static_cast<const CFileInformation *const *>(b);
    if (first == second)
        return 0;
    if (first == nullptr || second == nullptr)
        return first == nullptr ? 1 : -1;
    if (first->isFolder() != second->isFolder())
        return first->isFolder() ? -1 : 1;
    return std::strcmp(first->m_fullPath.getString(), second->m_fullPath.getString());
}
} // namespace Corvane::Host
