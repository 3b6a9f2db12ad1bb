#include "app/layout/CPanelLayout.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "tests/pictures/PictureTestSupport.hpp"
#include "tests/support/TemporaryFolder.hpp"
#include "tools/orvo-pictures/CBackgroundPainter.hpp"
#include "tools/orvo-pictures/CIconPainter.hpp"
#include "tools/orvo-pictures/PictureFiles.hpp"

#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

using namespace Corvane::Orvo;
using namespace Corvane::Orvo::Pictures;
using Corvane::GUI::Graphics::CFont;
using Corvane::GUI::Graphics::CGraphics;
using Corvane::GUI::Graphics::CPNGImage;
using Corvane::MathTools::CColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CRect;
using Corvane::Testing::TemporaryFolder;

namespace
{
std::uint32_t pixelOf(const CPNGImage &image, long x, long y)
{
    cairo_surface_t *picture = image.getImageHandle();
    const unsigned char *row = cairo_image_surface_get_data(picture) + y * cairo_image_surface_get_stride(picture);
    return reinterpret_cast<const std::uint32_t *>(row)[x];
}

bool exists(const std::string &path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

/** The exit status of orvo-pictures run with @p arguments, its error output going to @p errors. */
int runTool(const std::string &arguments, const std::string &errors)
{
    const int status = std::system((std::string(ORVO_PICTURES_PATH) + " " + arguments + " 2>" + errors).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool insideAnyControl(long x, long y)
{
    for (const SPanelLayout &panel : CPanelLayout::getPanels())
        for (const SControlLayout &control : panel.controls)
        {
            const CRect area = CBackgroundPainter::inWindow(panel, control.getArea());
            if (x >= area.getLeft() && x < area.getRight() && y >= area.getTop() && y < area.getBottom())
                return true;
        }
    return false;
}
} // namespace

TEST(PictureFiles, TheBuildPutTheCurrentPicturesWhereTheProgramLooks)
{
    const std::string folder = ORVO_RUNTIME_DIR;
    const CPNGImage background((folder + "/Resources/Background.png").c_str());
    ASSERT_EQ(background.getImageSize(), CDimension(476, 613));
    Corvane::GUI::Graphics::setScreenPixelsPerInch(96);
    CGraphics fresh;
    fresh.initialiseBuffered(CDimension(476, 613), CColour());
    CBackgroundPainter().paint(fresh);
    for (long y = 0; y < 613; y++)
        for (long x = 0; x < 476; x++)
            ASSERT_EQ(pixelOf(background, x, y), fresh.getNativeImage().getPixel(x, y)) << x << ", " << y;

    EXPECT_EQ(CPNGImage((folder + "/Orvo.png").c_str()).getImageSize(), CDimension(64, 64));
    for (long size : CIconPainter::SIZES)
    {
        const std::string side = std::to_string(size);
        const CPNGImage icon((folder + "/icons/hicolor/" + side + "x" + side + "/apps/orvo.png").c_str());
        EXPECT_EQ(icon.getImageSize(), CDimension(size, size));
        EXPECT_LT(pixelOf(icon, 0, 0) >> 24, 16u) << size;
    }
}

TEST(PictureFiles, PreviewAddsTheFirstTextsInsideTheControlsOnly)
{
    TemporaryFolder folder;
    CFont::setDefaultFont(new CFont(FACE_NAME, 8));
    writeBackground(folder.file("background.png").c_str());
    writePreview(folder.file("background.png").c_str(), folder.file("preview.png").c_str());
    EXPECT_EQ(CFont::getDefaultFont()->getPointSize(), 14);
    CFont::setDefaultFont(nullptr);

    const CPNGImage background(folder.file("background.png").c_str());
    const CPNGImage preview(folder.file("preview.png").c_str());
    for (long y = 0; y < 613; y++)
        for (long x = 0; x < 476; x++)
        {
            if (insideAnyControl(x, y))
                continue;
            ASSERT_EQ(pixelOf(preview, x, y), pixelOf(background, x, y)) << x << ", " << y;
        }
    // Every control shows a text; a result's is gold.
    for (const SPanelLayout &panel : CPanelLayout::getPanels())
        for (const SControlLayout &control : panel.controls)
        {
            const CRect area = CBackgroundPainter::inWindow(panel, control.getArea());
            long changed = 0, gold = 0;
            for (long y = area.getTop(); y < area.getBottom(); y++)
                for (long x = area.getLeft(); x < area.getRight(); x++)
                {
                    const std::uint32_t word = pixelOf(preview, x, y);
                    changed += word != pixelOf(background, x, y);
                    gold += word == 0xFFDDB932u;
                }
            EXPECT_GT(changed, 20) << panel.className << " " << control.unit;
            EXPECT_EQ(gold > 0, control.kind == EControlKind::RESULT_LABEL) << panel.className << " " << control.unit;
        }
}

TEST(PictureFiles, TheToolWritesWhatItIsAskedOrSaysWhyNot)
{
    TemporaryFolder folder;
    const std::string errors = folder.file("errors.txt");
    const std::string icon = folder.file("icon.png");
    const std::string picture = folder.file("background.png");

    EXPECT_EQ(runTool("", errors), 2);
    EXPECT_EQ(runTool("icon 0 " + icon, errors), 2);
    EXPECT_EQ(runTool("icon 16x " + icon, errors), 2);
    // A request that cannot be understood stops the run before anything is written.
    EXPECT_EQ(runTool("background " + picture + " icon", errors), 2);
    EXPECT_FALSE(exists(picture));
    EXPECT_NE(TemporaryFolder::read(errors).find("usage: orvo-pictures"), std::string::npos);

    EXPECT_EQ(runTool("background " + folder.file("missing/background.png"), errors), 1);
    EXPECT_NE(TemporaryFolder::read(errors).find("Could not write " + folder.file("missing/background.png")),
              std::string::npos);

    EXPECT_EQ(runTool("icon 24 " + icon + " background " + picture, errors), 0);
    EXPECT_EQ(CPNGImage(icon.c_str()).getImageSize(), CDimension(24, 24));
    EXPECT_EQ(CPNGImage(picture.c_str()).getImageSize(), CDimension(476, 613));
}
