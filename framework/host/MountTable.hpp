#pragma once

#include "framework/basics/CSystemString.hpp"

#include <vector>

namespace Corvane::Host
{
/** One mounted file system: what is mounted, where, and of what kind. */
struct MountEntry
{
    Basics::CString device;
    Basics::CSystemString mountPoint;
    Basics::CString fileSystem;
};

/**
 * The file systems mounted for this process, the machine's drives, in the order they were
 * mounted. @p table is a file in the fstab layout; the default is the kernel's own list.
 */
std::vector<MountEntry> readMountTable(const char *table = "/proc/self/mounts");

/**
 * The mount whose mount point is @p root (a final separator makes no difference). When several
 * file systems were mounted on the same point, the last one is the one that can be seen.
 */
const MountEntry *findMount(const std::vector<MountEntry> &mounts, const Basics::CSystemString &root);

/** @p path with a single final separator, as drive roots are written: /home gives /home/. */
Basics::CSystemString toDriveRoot(const Basics::CSystemString &path);
} // namespace Corvane::Host
