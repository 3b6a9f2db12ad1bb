#include "framework/host/MountTable.hpp"

#include <cstdio>
#include <mntent.h>

namespace Corvane::Host
{
std::vector<MountEntry> readMountTable(const char *table)
{
    std::vector<MountEntry> mounts;
    std::FILE *file = setmntent(table, "r");
    if (file == nullptr)
        return mounts;
    mntent entry{};
    char buffer[4096];
    while (getmntent_r(file, &entry, buffer, sizeof buffer) != nullptr)
        mounts.push_back({entry.mnt_fsname, entry.mnt_dir, entry.mnt_type});
    endmntent(file);
    return mounts;
}

const MountEntry *findMount(const std::vector<MountEntry> &mounts, const Basics::CSystemString &root)
{
    const Basics::CSystemString wanted = toDriveRoot(root);
    for (auto mount = mounts.rbegin(); mount != mounts.rend(); ++mount)
        if (toDriveRoot(mount->mountPoint) == wanted)
            return &*mount;
    return nullptr;
}

Basics::CSystemString toDriveRoot(const Basics::CSystemString &path)
{
    Basics::CSystemString root(path);
    while (root.endsWith(Basics::CSystemString::PATH_SEPARATOR))
        root.removeLastCharacter();
    root.appendPathSeparator();
    return root;
}
} // namespace Corvane::Host
