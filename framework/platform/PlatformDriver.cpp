#include "framework/platform/IPlatformDriver.hpp"

#include "framework/basics/CProcessServices.hpp"
#include "framework/io/Log.hpp"
#include "framework/platform/CHeadlessDriver.hpp"
#include "framework/platform/CSdlDriver.hpp"

#include <cstdlib>
#include <cstring>

namespace Corvane::Platform
{
namespace
{
constexpr const char *PLATFORM_DRIVER_SERVICE = "platform driver";

struct SDriverEntry
{
    const char *name;
    std::unique_ptr<IPlatformDriver> (*make)();
};

template <typename TDriver>
std::unique_ptr<IPlatformDriver> makeDriver()
{
    return std::make_unique<TDriver>();
}

// The first entry is the backend users run.
const SDriverEntry DRIVERS[] = {
    {"sdl", makeDriver<CSdlDriver>},
    {"headless", makeDriver<CHeadlessDriver>},
};

std::unique_ptr<IPlatformDriver> &currentDriver()
{
    static std::unique_ptr<IPlatformDriver> driver;
    return driver;
}

const SDriverEntry *findDriver(const char *name)
{
    for (const SDriverEntry &entry : DRIVERS)
        if (std::strcmp(entry.name, name) == 0)
            return &entry;
    return nullptr;
}

const SDriverEntry &driverFromEnvironment()
{
    const char *name = std::getenv("CORVANE_PLATFORM");
    if (name == nullptr || *name == '\0')
        return DRIVERS[0];
    if (const SDriverEntry *entry = findDriver(name))
        return *entry;
    IO::logMessage("CORVANE_PLATFORM names no backend (%s): using %s", name, DRIVERS[0].name);
    return DRIVERS[0];
}

void install(std::unique_ptr<IPlatformDriver> driver)
{
    // The old backend stops before the new one exists, so the two never share the display.
    releasePlatformDriver();
    currentDriver() = std::move(driver);
}
} // namespace

IPlatformDriver &getPlatformDriver()
{
    if (!currentDriver())
        install(driverFromEnvironment().make());
    return *currentDriver();
}

bool selectPlatformDriver(const char *name)
{
    const SDriverEntry *entry = name != nullptr ? findDriver(name) : nullptr;
    if (entry == nullptr)
        return false;
    install(entry->make());
    return true;
}

void releasePlatformDriver()
{
    Basics::CProcessServices::withdrawService(PLATFORM_DRIVER_SERVICE);
    if (std::unique_ptr<IPlatformDriver> driver = std::move(currentDriver()))
        driver->stop();
}

void registerPlatformDriverService()
{
    Basics::CProcessServices::registerService(PLATFORM_DRIVER_SERVICE, releasePlatformDriver);
}
} // namespace Corvane::Platform
