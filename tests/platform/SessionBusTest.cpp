#include "framework/platform/SessionBus.hpp"
#include "tests/support/EnvironmentSetting.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Corvane::Platform;
using Corvane::Testing::EnvironmentSetting;
using Corvane::Testing::TemporaryFolder;

namespace
{
constexpr const char *ADDRESS = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char *RUNTIME_FOLDER = "XDG_RUNTIME_DIR";

/** A socket bound where libdbus looks for the session's bus; closed by the caller. */
int bindSocket(const std::string &path)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0) << path;
    return socket;
}

/** The address the environment holds after the call, with the given one to start from. */
std::optional<std::string> addressAfterCall(const std::optional<std::string> &address)
{
    const EnvironmentSetting setting(ADDRESS, address);
    refuseSessionBusLaunch();
    return EnvironmentSetting::get(ADDRESS);
}
} // namespace

TEST(SessionBus, AnAddressOrABusSocketIsLeftAloneAndNoBusIsRefusedBeforeLibdbusLaunchesOne)
{
    const TemporaryFolder runtime;
    {
        const EnvironmentSetting noFolder(RUNTIME_FOLDER, std::nullopt);
        EXPECT_EQ(addressAfterCall("unix:path=/somewhere/bus"), "unix:path=/somewhere/bus");
        EXPECT_EQ(addressAfterCall(std::nullopt), NO_SESSION_BUS_ADDRESS);
    }
    const EnvironmentSetting folder(RUNTIME_FOLDER, runtime.path());
    EXPECT_EQ(addressAfterCall(std::nullopt), NO_SESSION_BUS_ADDRESS) << "an empty runtime folder holds no bus";

    runtime.write("bus", "not a socket");
    EXPECT_EQ(addressAfterCall(std::nullopt), NO_SESSION_BUS_ADDRESS) << "a plain file named bus is no bus";
    ::unlink(runtime.file("bus").c_str());

    const int socket = bindSocket(runtime.file("bus"));
    EXPECT_EQ(addressAfterCall(std::nullopt), std::nullopt) << "libdbus finds the bus in the runtime folder itself";
    ::close(socket);
}
