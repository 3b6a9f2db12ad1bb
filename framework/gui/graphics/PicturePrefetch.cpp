#include "framework/gui/graphics/PicturePrefetch.hpp"

#include "framework/basics/CProcessServices.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"

#include <future>
#include <map>
#include <string>
#include <system_error>

namespace Corvane::GUI::Graphics
{
namespace
{
constexpr const char *PREFETCH_SERVICE = "picture prefetch";

using Prefetches = std::map<std::string, std::future<PictureSurface>>;

Prefetches &prefetches()
{
    static Prefetches pending;
    return pending;
}

PictureSurface decode(const std::string &path)
{
    std::vector<unsigned char> file;
    std::string error;
    return readPictureFile(path.c_str(), file) ? CPNGImage::decodeFile(file, error) : nullptr;
}

/** Waits for the decodings still running and drops what nobody took. */
void dropPrefetches()
{
    prefetches().clear();
}
} // namespace

void prefetchPicture(const Basics::CSystemString &path)
{
    if (!CPNGImage::isPNGFilename(path))
        return;
    const std::string name(path.getString());
    try
    {
        std::future<PictureSurface> decoding = std::async(std::launch::async, decode, name);
        if (prefetches().empty())
            Basics::CProcessServices::registerService(PREFETCH_SERVICE, dropPrefetches);
        prefetches()[name] = std::move(decoding);
    }
    catch (const std::system_error &)
    {
        // Without a thread the picture is decoded when it is loaded, as if never prefetched.
    }
}

PictureSurface takePrefetchedPicture(const Basics::CSystemString &path)
{
    const auto found = prefetches().find(path.getString());
    if (found == prefetches().end())
        return nullptr;
    PictureSurface picture = found->second.get();
    prefetches().erase(found);
    if (prefetches().empty())
        Basics::CProcessServices::withdrawService(PREFETCH_SERVICE);
    return picture;
}
} // namespace Corvane::GUI::Graphics
