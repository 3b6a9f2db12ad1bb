// Reads every input as an image definition file (a skin text, or XML when it is not one) whose
// lines name a Targa, a PNG and a JPEG picture that exist, then empties the store again.
#include "framework/gui/graphics/CImageManager.hpp"
#include "tests/fuzz/images/ImageFuzzing.hpp"

#include <filesystem>

namespace
{
/** Copies one seed picture of each kind into the scratch folder and into its "pictures" folder. */
bool preparePictures()
{
    namespace fs = std::filesystem;
    const fs::path seeds = CORVANE_FUZZ_FOLDER;
    const fs::path scratch = Corvane::Fuzzing::scratchFolder();
    fs::create_directory(scratch / "pictures");
    for (const char *folder : {"", "pictures"})
    {
        fs::copy_file(seeds / "targa/corpus/square.tga", scratch / folder / "picture.tga");
        fs::copy_file(seeds / "png/corpus/strip.png", scratch / folder / "picture.png");
        fs::copy_file(seeds / "jpeg/corpus/quadrants.jpg", scratch / folder / "picture.jpg");
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using Corvane::GUI::Graphics::CImageManager;
    [[maybe_unused]] static const bool prepared = preparePictures();
    const std::string definition = Corvane::Fuzzing::writeScratchFile("skin.txt", data, size);
    CImageManager::initialise();
    CImageManager::setBasePath(Corvane::Fuzzing::scratchFolder().c_str());
    CImageManager::loadFromDefinitionFile(definition.c_str());
    CImageManager::shutdown();
    return 0;
}
