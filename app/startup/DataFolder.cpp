#include "app/startup/DataFolder.hpp"

#include "framework/host/FileFunctions.hpp"

namespace Corvane::Orvo
{
namespace
{
bool holdsBackground(const Basics::CSystemString &folder)
{
    Basics::CSystemString picture(folder);
    picture.appendPath("Resources");
    picture.appendPath("Background.png");
    return Host::fileExists(picture);
}
} // namespace

const char *getInstalledDataFolder()
{
    // Worked out by the build from the install layout it was configured with.
    return ORVO_INSTALLED_DATA_FOLDER;
}

Basics::CSystemString findDataFolder(const Basics::CSystemString &programFolder)
{
    if (holdsBackground(programFolder))
        return programFolder;
    Basics::CSystemString installed(programFolder);
    installed.appendPath(getInstalledDataFolder());
    return holdsBackground(installed) ? installed : programFolder;
}
} // namespace Corvane::Orvo
