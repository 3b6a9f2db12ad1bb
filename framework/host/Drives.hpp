#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/basics/TPointerCollection.hpp"
#include "framework/host/MountTable.hpp"

namespace Corvane::Host
{
/** Drive type codes. */
constexpr int DRIVE_UNKNOWN = 0;
constexpr int DRIVE_UNMOUNTED = 1;
constexpr int DRIVE_REMOVABLE = 2;
constexpr int DRIVE_FIXED = 3;
constexpr int DRIVE_NETWORK = 4;
constexpr int DRIVE_CD_ROM = 5;
constexpr int DRIVE_RAM = 6;

/**
 * Appends one new text per drive: each mounted file system's mount point with a final separator
 * ("/", "/home/"), in mount order, each point once.
 */
void getLogicalDrives(Basics::TPointerCollection<Basics::CString> &drives);

/**
 * The volume mounted on @p root: the device (or source) it was mounted from, the kind of file
 * system, and the file system's id. False, leaving all three alone, when nothing is mounted there
 * or it cannot be read.
 */
bool getVolumeInformation(const Basics::CSystemString &root, Basics::CString &volumeName, Basics::CString &fileSystem,
                          unsigned long &serialNumber);

/** The drive type code of the file system mounted on @p root; DRIVE_UNMOUNTED when there is none. */
int getDriveType(const Basics::CSystemString &root);
bool isCDRomDrive(const Basics::CSystemString &root);
bool isNetworkDrive(const Basics::CSystemString &root);
bool isFixedDrive(const Basics::CSystemString &root);

void getDriveTypeName(const Basics::CSystemString &root, Basics::CString &name);
/** "Unknown Drive Type" to "RAM Drive"; the first for a code outside 0 to 6. */
const char *getDriveTypeNameOfCode(int code);

/**
 * The drive type of a mount, by the kind of its file system: network file systems are network
 * drives, iso9660 and udf CD ROM drives, tmpfs and ramfs RAM drives. A file system on a block
 * device is a removable drive when the kernel says the device is removable, else a fixed drive.
 * Anything else (proc, overlay and the like) is of unknown type.
 */
int getDriveTypeOfMount(const MountEntry &mount);
} // namespace Corvane::Host
