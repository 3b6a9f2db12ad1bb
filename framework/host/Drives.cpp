#include "framework/host/Drives.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Corvane::Host
{
namespace
{
const char *const DRIVE_TYPE_NAMES[] = {"Unknown Drive Type", "Unmounted Drive", "Removable Drive", "Fixed Drive",
                                        "Network Drive",      "CD ROM Drive",    "RAM Drive"};

const char *const NETWORK_FILE_SYSTEMS[] = {"nfs",    "nfs4",       "cifs",           "smb3",        "smbfs",
                                            "ncpfs",  "afs",        "9p",             "ceph",        "glusterfs",
                                            "lustre", "fuse.sshfs", "fuse.glusterfs", "fuse.rclone", "davfs"};
const char *const CD_ROM_FILE_SYSTEMS[] = {"iso9660", "udf"};
const char *const RAM_FILE_SYSTEMS[] = {"tmpfs", "ramfs"};

template <std::size_t N> bool isListed(const char *const (&names)[N], const char *name)
{
    for (const char *listed : names)
        if (std::strcmp(listed, name) == 0)
            return true;
    return false;
}

/** Reads the one-character flag file of a block device in sysfs; false when there is none. */
bool readFlag(const char *path)
{
    std::FILE *file = std::fopen(path, "r");
    if (file == nullptr)
        return false;
    const int flag = std::fgetc(file);
    std::fclose(file);
    return flag == '1';
}

/** A partition answers for the disk that holds it, which is the device the kernel flags. */
bool isRemovableBlockDevice(dev_t device)
{
    char path[128];
    std::snprintf(path, sizeof path, "/sys/dev/block/%u:%u/partition", major(device), minor(device));
    const bool isPartition = access(path, F_OK) == 0;
    std::snprintf(path, sizeof path, "/sys/dev/block/%u:%u/%sremovable", major(device), minor(device),
                  isPartition ? "../" : "");
    return readFlag(path);
}

bool isBlockDevice(const char *path, dev_t &device)
{
    struct stat status{};
    if (stat(path, &status) != 0 || !S_ISBLK(status.st_mode))
        return false;
    device = status.st_rdev;
    return true;
}
} // namespace

void getLogicalDrives(Basics::TPointerCollection<Basics::CString> &drives)
{
    std::vector<Basics::CSystemString> roots;
    for (const MountEntry &mount : readMountTable())
    {
        Basics::CSystemString root = toDriveRoot(mount.mountPoint);
        if (std::find(roots.begin(), roots.end(), root) == roots.end())
            roots.push_back(std::move(root));
    }
    for (const Basics::CSystemString &root : roots)
        drives.addElement(new Basics::CString(root));
}

bool getVolumeInformation(const Basics::CSystemString &root, Basics::CString &volumeName, Basics::CString &fileSystem,
                          unsigned long &serialNumber)
{
    const std::vector<MountEntry> mounts = readMountTable();
    const MountEntry *mount = findMount(mounts, root);
    struct statvfs volume{};
    if (mount == nullptr || statvfs(mount->mountPoint.getString(), &volume) != 0)
        return false;
    volumeName = mount->device;
    fileSystem = mount->fileSystem;
    serialNumber = volume.f_fsid;
    return true;
}

int getDriveType(const Basics::CSystemString &root)
{
    const std::vector<MountEntry> mounts = readMountTable();
    const MountEntry *mount = findMount(mounts, root);
    return mount != nullptr ? getDriveTypeOfMount(*mount) : DRIVE_UNMOUNTED;
}

bool isCDRomDrive(const Basics::CSystemString &root)
{
    return getDriveType(root) == DRIVE_CD_ROM;
}

bool isNetworkDrive(const Basics::CSystemString &root)
{
    return getDriveType(root) == DRIVE_NETWORK;
}

bool isFixedDrive(const Basics::CSystemString &root)
{
    return getDriveType(root) == DRIVE_FIXED;
}

void getDriveTypeName(const Basics::CSystemString &root, Basics::CString &name)
{
    name = getDriveTypeNameOfCode(getDriveType(root));
}

const char *getDriveTypeNameOfCode(int code)
{
    const bool isKnown = code >= 0 && code < static_cast<int>(std::size(DRIVE_TYPE_NAMES));
    return DRIVE_TYPE_NAMES[isKnown ? code : DRIVE_UNKNOWN];
}

int getDriveTypeOfMount(const MountEntry &mount)
{
    const char *kind = mount.fileSystem.getString();
    if (isListed(NETWORK_FILE_SYSTEMS, kind))
        return DRIVE_NETWORK;
    if (isListed(CD_ROM_FILE_SYSTEMS, kind))
        return DRIVE_CD_ROM;
    if (isListed(RAM_FILE_SYSTEMS, kind))
        return DRIVE_RAM;
    dev_t device = 0;
    if (isBlockDevice(mount.device.getString(), device))
        return isRemovableBlockDevice(device) ? DRIVE_REMOVABLE : DRIVE_FIXED;
    return DRIVE_UNKNOWN;
}
} // namespace Corvane::Host
