#include "framework/basics/CProcessServices.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace Corvane::Basics
{
namespace
{
struct SService
{
    std::string name;
    CProcessServices::StopFunction stop;
};

/** In order of start. Made on first use, so it exists whenever a service starts, even before main. */
std::vector<SService> &services()
{
    static std::vector<SService> registered;
    return registered;
}

std::vector<SService>::iterator findService(const char *name)
{
    std::vector<SService> &list = services();
    return std::find_if(list.begin(), list.end(), [name](const SService &service) { return service.name == name; });
}
} // namespace

void CProcessServices::registerService(const char *name, StopFunction stop)
{
    if (name == nullptr || stop == nullptr || isServiceRegistered(name))
        return;
    services().push_back(SService{name, stop});
}

void CProcessServices::withdrawService(const char *name)
{
    if (name == nullptr)
        return;
    const auto service = findService(name);
    if (service != services().end())
        services().erase(service);
}

bool CProcessServices::isServiceRegistered(const char *name)
{
    return name != nullptr && findService(name) != services().end();
}

long CProcessServices::getNumberOfServices()
{
    return static_cast<long>(services().size());
}

void CProcessServices::shutdown()
{
    // Each step is taken off the list before it runs: a stop step that withdraws its own service,
    // or starts another one, finds the list as it is now. A service that a stop step started again
    // after it had stopped is not stopped twice, so the loop always ends.
    std::vector<SService> &list = services();
    std::vector<std::string> stopped;
    while (!list.empty())
    {
        const SService service = list.back();
        list.pop_back();
        if (std::find(stopped.begin(), stopped.end(), service.name) != stopped.end())
            continue;
        stopped.push_back(service.name);
        service.stop();
    }
}
} // namespace Corvane::Basics
