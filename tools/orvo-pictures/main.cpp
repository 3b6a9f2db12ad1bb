// orvo-pictures: draws the calculator's pictures from its panel layout.
//
//   orvo-pictures background FILE          the window's background picture
//   orvo-pictures icon SIZE FILE           the icon, SIZE pixels a side
//   orvo-pictures preview BACKGROUND FILE  the opening window over BACKGROUND, for judging by eye
//
// Several requests may follow one another in one run. The exit status is 0 when every file was
// written, 1 when one could not be, 2 for a request that cannot be understood.
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "tools/orvo-pictures/PictureFiles.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace Corvane;

namespace
{
constexpr int WRITE_FAILED = 1;
constexpr int USAGE = 2;
/** Pictures are drawn for the usual screen, whatever the machine that builds them reports. */
constexpr long PIXELS_PER_INCH = 96;
constexpr long LARGEST_ICON = 1024;

int usage()
{
    std::fputs("usage: orvo-pictures background FILE | icon SIZE FILE | preview BACKGROUND FILE ...\n", stderr);
    return USAGE;
}

/** The icon size in @p text, or 0 when it is not a whole number from 1 to LARGEST_ICON. */
long readSize(const char *text)
{
    char *end = nullptr;
    const long size = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && size > 0 && size <= LARGEST_ICON ? size : 0;
}

/** One file to write: an icon's size, a preview's background (else the background itself), and the path. */
struct SRequest
{
    long size;
    const char *background;
    const char *path;
};

/** The requests of the command line, or none when any of them cannot be understood. */
std::vector<SRequest> readRequests(int argc, char **argv)
{
    std::vector<SRequest> requests;
    for (int index = 1; index < argc;)
    {
        const char *kind = argv[index];
        const int left = argc - index - 1;
        if (std::strcmp(kind, "background") == 0 && left >= 1)
            requests.push_back({0, nullptr, argv[index + 1]});
        else if (std::strcmp(kind, "icon") == 0 && left >= 2 && readSize(argv[index + 1]) > 0)
            requests.push_back({readSize(argv[index + 1]), nullptr, argv[index + 2]});
        else if (std::strcmp(kind, "preview") == 0 && left >= 2)
            requests.push_back({0, argv[index + 1], argv[index + 2]});
        else
            return {};
        index += requests.back().size > 0 || requests.back().background != nullptr ? 3 : 2;
    }
    return requests;
}

void run(const SRequest &request)
{
    if (request.size > 0)
        Orvo::Pictures::writeIcon(request.size, request.path);
    else if (request.background != nullptr)
        Orvo::Pictures::writePreview(request.background, request.path);
    else
        Orvo::Pictures::writeBackground(request.path);
}
} // namespace

int main(int argc, char **argv)
{
    const std::vector<SRequest> requests = readRequests(argc, argv);
    if (requests.empty())
        return usage();
    GUI::Graphics::setScreenPixelsPerInch(PIXELS_PER_INCH);
    Application::startFramework();
    int status = WRITE_FAILED;
    try
    {
        for (const SRequest &request : requests)
            run(request);
        status = 0;
    }
    catch (const Exceptions::CException &exception)
    {
        std::fprintf(stderr, "orvo-pictures: %s (%s)\n", exception.getErrorReason().getString(),
                     exception.getFunctionName().getString());
    }
    Application::stopFramework();
    return status;
}
