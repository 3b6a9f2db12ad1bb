#include "framework/host/Drives.hpp"

#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace Corvane::Host;
using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Basics::TObjectDeleter;
using Corvane::Basics::TPointerCollection;

namespace
{
MountEntry mountOf(const char *device, const char *fileSystem)
{
    return MountEntry{device, "/mnt", fileSystem};
}
} // namespace

TEST(Drives, ReadTheMountTable)
{
    Corvane::Testing::TemporaryFolder folder;
    const std::string table = folder.write("mounts", "/dev/sda1 / ext4 rw 0 0\n"
                                                     "server:/share /mnt/my\\040share nfs4 rw 0 0\n"
                                                     "tmpfs /mnt/my\\040share tmpfs rw 0 0\n"
                                                     "# a comment\n"
                                                     "proc /proc proc rw 0 0\n");
    const std::vector<MountEntry> mounts = readMountTable(table.c_str());
    ASSERT_EQ(mounts.size(), 4U);
    EXPECT_STREQ(mounts[1].mountPoint.getString(), "/mnt/my share");
    EXPECT_STREQ(mounts[1].device.getString(), "server:/share");

    // The last file system mounted on a point is the one in sight.
    const MountEntry *share = findMount(mounts, "/mnt/my share/");
    ASSERT_NE(share, nullptr);
    EXPECT_STREQ(share->fileSystem.getString(), "tmpfs");
    EXPECT_EQ(findMount(mounts, "/"), &mounts[0]);
    EXPECT_EQ(findMount(mounts, "/mnt"), nullptr);
    EXPECT_TRUE(readMountTable(folder.file("missing").c_str()).empty());

    EXPECT_STREQ(toDriveRoot("/home").getString(), "/home/");
    EXPECT_STREQ(toDriveRoot("/home//").getString(), "/home/");
    EXPECT_STREQ(toDriveRoot("/").getString(), "/");
}

TEST(Drives, TypesComeFromTheKindOfFileSystem)
{
    EXPECT_EQ(getDriveTypeOfMount(mountOf("server:/share", "nfs")), DRIVE_NETWORK);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("//server/share", "cifs")), DRIVE_NETWORK);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("me@host:", "fuse.sshfs")), DRIVE_NETWORK);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("/dev/sr0", "iso9660")), DRIVE_CD_ROM);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("/dev/sr0", "udf")), DRIVE_CD_ROM);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("tmpfs", "tmpfs")), DRIVE_RAM);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("none", "ramfs")), DRIVE_RAM);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("proc", "proc")), DRIVE_UNKNOWN);
    EXPECT_EQ(getDriveTypeOfMount(mountOf("/dev/null", "ext4")), DRIVE_UNKNOWN); // not a block device

    EXPECT_STREQ(getDriveTypeNameOfCode(DRIVE_CD_ROM), "CD ROM Drive");
    EXPECT_STREQ(getDriveTypeNameOfCode(DRIVE_UNMOUNTED), "Unmounted Drive");
    EXPECT_STREQ(getDriveTypeNameOfCode(DRIVE_RAM), "RAM Drive");
    EXPECT_STREQ(getDriveTypeNameOfCode(7), "Unknown Drive Type");
    EXPECT_STREQ(getDriveTypeNameOfCode(-1), "Unknown Drive Type");
}

TEST(Drives, DescribeTheMachinesOwnDrives)
{
    TObjectDeleter<CString> deleter;
    TPointerCollection<CString> drives(&deleter);
    getLogicalDrives(drives);
    const std::vector<MountEntry> mounts = readMountTable();
    std::set<std::string> roots;
    for (long index = 0; index < drives.getNumberOfElements(); index++)
    {
        const CSystemString root(*drives.getElementAtIndex(index));
        EXPECT_TRUE(roots.insert(root.getString()).second) << "twice: " << root.getString();
        const MountEntry *mount = findMount(mounts, root);
        ASSERT_NE(mount, nullptr) << root.getString();
        EXPECT_EQ(getDriveType(root), getDriveTypeOfMount(*mount)) << root.getString();
    }
    EXPECT_EQ(roots.count("/"), 1U);

    CString volume(nullptr), fileSystem(nullptr);
    unsigned long serial = 0;
    ASSERT_TRUE(getVolumeInformation("/", volume, fileSystem, serial));
    EXPECT_EQ(fileSystem, findMount(mounts, "/")->fileSystem);
    EXPECT_EQ(volume, findMount(mounts, "/")->device);

    CString untouched("untouched");
    unsigned long kept = 42;
    EXPECT_FALSE(getVolumeInformation("/no/such/root/", untouched, untouched, kept));
    EXPECT_STREQ(untouched.getString(), "untouched");
    EXPECT_EQ(kept, 42UL);
    EXPECT_EQ(getDriveType("/no/such/root/"), DRIVE_UNMOUNTED);
    getDriveTypeName("/no/such/root/", untouched);
    EXPECT_STREQ(untouched.getString(), "Unmounted Drive");
    EXPECT_FALSE(isCDRomDrive("/no/such/root/") || isNetworkDrive("/no/such/root/") || isFixedDrive("/no/such/root/"));
}
