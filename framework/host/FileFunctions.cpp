#include "framework/host/FileFunctions.hpp"

#include "framework/io/CFileStream.hpp"
#include "framework/io/Log.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Corvane::Host
{
using Basics::CString;
using Basics::CSystemString;

namespace
{
/** Reads the names in a folder, "." and ".." left out; closes the folder when it goes. */
class CFolderReader
{
public:
    explicit CFolderReader(const CSystemString &folder) : m_folder(opendir(folder.getString())) {}
    ~CFolderReader()
    {
        if (m_folder != nullptr)
            closedir(m_folder);
    }
    CFolderReader(const CFolderReader &) = delete;
    CFolderReader &operator=(const CFolderReader &) = delete;

    bool isOpen() const { return m_folder != nullptr; }

    /** The next name, or null after the last one. */
    const char *nextName()
    {
        while (dirent *entry = readdir(m_folder))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                return entry->d_name;
        return nullptr;
    }

private:
    DIR *m_folder;
};

/** Tells a file or folder apart from every other, whatever path or link leads to it. */
struct EntryIdentity
{
    dev_t device;
    ino_t node;
    bool operator==(const EntryIdentity &other) const { return device == other.device && node == other.node; }
};

std::optional<struct stat> statusOf(const CSystemString &path)
{
    struct stat status{};
    if (stat(path.getString(), &status) != 0)
        return std::nullopt;
    return status;
}

std::optional<EntryIdentity> identityOf(const CSystemString &path)
{
    const std::optional<struct stat> status = statusOf(path);
    if (!status)
        return std::nullopt;
    return EntryIdentity{status->st_dev, status->st_ino};
}

bool isRegularFile(const CSystemString &path)
{
    const std::optional<struct stat> status = statusOf(path);
    return status && S_ISREG(status->st_mode);
}

bool isSameFile(const CSystemString &a, const CSystemString &b)
{
    const std::optional<EntryIdentity> first = identityOf(a);
    return first && first == identityOf(b);
}

CSystemString joined(const CSystemString &folder, const CString &name)
{
    CSystemString path(folder);
    path.appendPath(name);
    return path;
}

/** The folder part of a path, or the working folder when there is none. */
CSystemString folderPart(const CSystemString &path)
{
    const long separator = path.findLast(CSystemString::SEPARATOR);
    return separator >= 0 ? CSystemString(path.getSubString(0, separator)) : CSystemString(".");
}

/** The text after the last separator: the whole path when there is none, empty after a final one. */
CSystemString lastName(const CSystemString &path)
{
    const long separator = path.findLast(CSystemString::SEPARATOR);
    return separator >= 0 ? CSystemString(path.getSubString(separator + 1, path.getSize() - 2)) : path;
}

/** A folder whose names can be listed and whose entries can be reached. */
bool isReadableFolder(const CSystemString &path)
{
    return isFolder(path) && faccessat(AT_FDCWD, path.getString(), R_OK | X_OK, AT_EACCESS) == 0;
}

bool makeFolder(const CSystemString &path)
{
    return mkdir(path.getString(), 0777) == 0;
}

/** Moves the bytes in blocks, so a large file never has to fit in memory at once. */
bool transferContent(IO::CFileStream &source, IO::CFileStream &target)
{
    constexpr long BLOCK_SIZE = 1 << 16;
    const long length = source.getStreamLength();
    if (length < 0)
        return false;
    std::vector<unsigned char> block(static_cast<std::size_t>(std::min(length, BLOCK_SIZE)));
    for (long done = 0; done < length;)
    {
        const long count = std::min(length - done, BLOCK_SIZE);
        if (!source.readBytes(block.data(), count) || !target.writeBytes(block.data(), count))
            return false;
        done += count;
    }
    return target.flush();
}

/**
 * One copyFolder run. It remembers the source and target folders it is inside, and passes over
 * any of them that a listing meets again: the target inside the source, or a link back to a
 * folder being copied, would otherwise repeat the copy without end.
 */
class CFolderCopy
{
public:
    CFolderCopy(bool overwrite, bool recursive) : m_overwrite(overwrite), m_recursive(recursive) {}

    bool copy(const CSystemString &from, const CSystemString &to)
    {
        if (!isReadableFolder(from) || isSameFile(from, to))
            return false;
        if (!isFolder(to))
        {
            if (!makeFolder(to))
                return false;
        }
        else if (!m_overwrite)
            return true;
        const std::size_t depth = m_passOver.size();
        for (const CSystemString *folder : {&from, &to})
            if (const std::optional<EntryIdentity> identity = identityOf(*folder))
                m_passOver.push_back(*identity);
        const bool copied = copyContent(from, to);
        m_passOver.resize(depth);
        return copied;
    }

private:
    bool copyContent(const CSystemString &from, const CSystemString &to)
    {
        Basics::TObjectDeleter<CFileInformation> deleter;
        Basics::TPointerCollection<CFileInformation> entries(&deleter);
        listFolder(entries, from);
        entries.compact(true);
        for (long index = 0; index < entries.getNumberOfElements(); index++)
        {
            const CFileInformation &entry = *entries.getElementAtIndex(index);
            if (!copyEntry(entry, joined(to, entry.getFileName())))
                return false;
        }
        return true;
    }

    bool copyEntry(const CFileInformation &entry, const CSystemString &target)
    {
        switch (entry.getEntryType())
        {
        case CFileInformation::ENTRY_FOLDER:
            return !m_recursive || isPassedOver(entry.getFullPath()) || copy(entry.getFullPath(), target);
        case CFileInformation::ENTRY_FILE:
            return copyFile(entry.getFullPath(), target, m_overwrite);
        default:
            return true;
        }
    }

    bool isPassedOver(const CSystemString &folder) const
    {
        const std::optional<EntryIdentity> identity = identityOf(folder);
        return identity && std::find(m_passOver.begin(), m_passOver.end(), *identity) != m_passOver.end();
    }

    bool m_overwrite;
    bool m_recursive;
    std::vector<EntryIdentity> m_passOver;
};
} // namespace

bool getFolderOfFile(const CSystemString &file, CString &folder, bool withSeparator)
{
    if (file.findLast(CSystemString::SEPARATOR) < 0)
        return false;
    CSystemString path(file);
    path.removeFileName();
    if (!withSeparator && path.getSize() > 2)
        path.removeLastCharacter();
    folder = path;
    return true;
}

bool getApplicationFile(CString &path)
{
    std::vector<char> buffer(256);
    for (;;)
    {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) < buffer.size())
        {
            buffer[static_cast<std::size_t>(length)] = '\0';
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    path = buffer.data();
    return true;
}

bool getApplicationPath(CString &path, bool withSeparator)
{
    CString file;
    return getApplicationFile(file) && getFolderOfFile(CSystemString(file), path, withSeparator);
}

bool fileExists(const CSystemString &path)
{
    const std::optional<struct stat> status = statusOf(path);
    return status && !S_ISDIR(status->st_mode) && faccessat(AT_FDCWD, path.getString(), R_OK, AT_EACCESS) == 0;
}

bool fileExistsInFolder(const CSystemString &folder, const CString &name)
{
    return fileExists(joined(folder, name));
}

bool isFolder(const CSystemString &path)
{
    const std::optional<struct stat> status = statusOf(path);
    return status && S_ISDIR(status->st_mode);
}

bool hasFileNameExtension(const CSystemString &path)
{
    return lastName(path).hasFileExtension();
}

bool createFolder(const CSystemString &path)
{
    return !hasFileNameExtension(path) && makeFolder(path);
}

bool copyFile(const CSystemString &from, const CSystemString &to, bool overwrite)
{
    if (!fileExists(from) || !isRegularFile(from) || (fileExists(to) && !overwrite) || isSameFile(from, to))
        return false;
    IO::CFileStream source;
    IO::CFileStream target;
    return source.openStream(from, false, true, true) && target.openStream(to, true, true, true) &&
           transferContent(source, target);
}

void listFolder(Basics::TPointerCollection<CFileInformation> &list, const CSystemString &folder)
{
    CFolderReader reader(folder);
    if (!reader.isOpen())
    {
        const int error = errno;
        IO::logObjectMessage(folder, "Failed to find file in directory ");
        IO::logMessage("%s", std::strerror(error));
        return;
    }
    CSystemString base(folder);
    if (!base.endsWith(CSystemString::PATH_SEPARATOR))
        base.appendPathSeparator();
    while (const char *name = reader.nextName())
    {
        FindData data;
        if (!FindData::read(base, name, data))
            continue; // gone between the listing and the look at it
        CFileInformation *entry = new CFileInformation(data);
        entry->setFolder(base);
        list.addElement(entry);
    }
}

void listFiles(const CSystemString &pattern, Basics::TPointerCollection<CString> &names)
{
    const CSystemString folder = folderPart(pattern);
    const CString namePattern = lastName(pattern);
    CFolderReader reader(folder);
    if (!reader.isOpen())
        return;
    while (const char *name = reader.nextName())
        if (fnmatch(namePattern.getString(), name, 0) == 0 && !isFolder(joined(folder, name)))
            names.addElement(new CString(name));
}

void sortFileList(Basics::TPointerCollection<CFileInformation> &list)
{
    list.sortElements(CFileInformation::compareFileInformation);
}

bool copyFolder(const CSystemString &from, const CSystemString &to, bool overwrite, bool recursive)
{
    return CFolderCopy(overwrite, recursive).copy(from, to);
}
} // namespace Corvane::Host
