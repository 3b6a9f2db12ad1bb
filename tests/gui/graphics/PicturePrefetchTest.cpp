// Pictures decoded on a second thread: the image that loads the path gets exactly what decoding it
// there would give, each prefetch is taken once, and a failed prefetch leaves the failure to be
// reported by the loading itself.
#include "framework/basics/CProcessServices.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/gui/graphics/PicturePrefetch.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Graphics;
using Corvane::Basics::CSystemString;
using Corvane::Testing::fixture;
using Corvane::Testing::pixelAt;
using Corvane::Testing::TemporaryFolder;

TEST(PicturePrefetch, TheLoadingImageTakesThePictureOnceAndFailuresAreItsOwn)
{
    const CSystemString path(fixture("alpha.png").c_str());
    prefetchPicture(path);
    CPNGImage prefetched(path);
    EXPECT_EQ(nullptr, takePrefetchedPicture(path).get()) << "a prefetched picture was handed out twice";
    const CPNGImage decodedHere(path);
    ASSERT_EQ(decodedHere.getImageSize(), prefetched.getImageSize());
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 3; x++)
            EXPECT_EQ(pixelAt(decodedHere, x, y), pixelAt(prefetched, x, y)) << x << "," << y;

    TemporaryFolder folder;
    const CSystemString text(folder.write("text.png", "not a picture").c_str());
    prefetchPicture(text);
    EXPECT_EQ(nullptr, takePrefetchedPicture(text).get());
    prefetchPicture(text);
    EXPECT_FALSE(prefetched.loadFromFile(text));
    EXPECT_STREQ("Failed to read the PNG file: Not a PNG file", prefetched.getLastError().getString());
    EXPECT_EQ(nullptr, prefetched.getImageHandle());

    // Only PNG files are decoded ahead; what nobody took is dropped when the process stops.
    const CSystemString jpeg(fixture("quadrants.jpg").c_str());
    prefetchPicture(jpeg);
    EXPECT_EQ(nullptr, takePrefetchedPicture(jpeg).get());
    prefetchPicture(path);
    Corvane::Basics::CProcessServices::shutdown();
    EXPECT_EQ(nullptr, takePrefetchedPicture(path).get());
}
