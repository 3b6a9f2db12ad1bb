// Loads every input as a .png file through the image factory.
#include "tests/fuzz/images/ImageFuzzing.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return Corvane::Fuzzing::fuzzImageFile(data, size, "png");
}
