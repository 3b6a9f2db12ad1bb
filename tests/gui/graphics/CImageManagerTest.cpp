#include "framework/gui/graphics/CImageManager.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/io/CXMLNode.hpp"
#include "framework/io/Log.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using Corvane::Basics::CString;
using Corvane::Basics::TObjectDeleter;
using Corvane::Basics::TPointerCollection;
using Corvane::GUI::Graphics::CBaseImage;
using Corvane::GUI::Graphics::CImageManager;
using Corvane::Testing::fixture;

namespace
{
/** Every test starts with an empty store on the fixtures folder and its own open log. */
class ImageStore : public testing::Test
{
protected:
    void SetUp() override
    {
        // The lists' shared policies live for the whole process once made: make them before counting.
        CImageManager::initialise();
        CImageManager::shutdown();
        Corvane::IO::CXMLNode("element", nullptr).addChildNode("child");
        m_before = Corvane::Testing::LiveCounts();
        CImageManager::initialise();
        CImageManager::setBasePath(fixture("").c_str());
        Corvane::IO::openLog(m_folder.file("log.txt").c_str());
    }

    void TearDown() override
    {
        CImageManager::shutdown();
        Corvane::IO::closeLog();
        EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(m_before), "");
    }

    /** What was logged so far. */
    std::string log() const { return Corvane::Testing::TemporaryFolder::read(m_folder.file("log.txt")); }

    std::string referenceNames() const
    {
        TObjectDeleter<CString> deleter;
        TPointerCollection<CString> names(&deleter);
        CImageManager::getReferenceNames(names);
        std::string list;
        for (long index = 0; index < names.getNumberOfElements(); index++)
            list += std::string(index > 0 ? "," : "") + names.getElementAtIndex(index)->getString();
        return list;
    }

    /** "height x frames" of the named animation, or "none". */
    static std::string frames(const char *name)
    {
        long frameHeight = -7, numberOfFrames = -7;
        if (CImageManager::getAnimation(name, frameHeight, numberOfFrames) == nullptr)
            return "none " + std::to_string(frameHeight);
        return std::to_string(frameHeight) + "x" + std::to_string(numberOfFrames);
    }

    Corvane::Testing::LiveCounts m_before;
    Corvane::Testing::TemporaryFolder m_folder;
};

constexpr const char *SKIN = R"(<start_skin>
# skins for the demo
<images>
{}, alpha.png, background
	# the same picture under another name
{}, alpha.png
{}, quadrants.jpg, background
sub\dir,alpha.png,  nested
{}, picture.bmp, bitmap

<animations>
{}, strip.png, knob, -1, 3
{},strip.png,frames, 16, 4
{}, strip.png, broken, x, 4
  <end_skin>  
{}, strip.png, late, 16, 4
)";
} // namespace

TEST_F(ImageStore, ReadsASkinTextLineByLine)
{
    std::filesystem::create_directories(m_folder.file("sub/dir"));
    std::filesystem::copy_file(fixture("alpha.png"), m_folder.file("sub/dir/alpha.png"));
    std::filesystem::copy_file(fixture("alpha.png"), m_folder.file("alpha.png"));
    std::filesystem::copy_file(fixture("quadrants.jpg"), m_folder.file("quadrants.jpg"));
    std::filesystem::copy_file(fixture("strip.png"), m_folder.file("strip.png"));
    CImageManager::setBasePath(m_folder.path().c_str());

    // Three lines fail, so the answer is false; every other line still loads.
    EXPECT_FALSE(CImageManager::loadFromDefinitionFile(m_folder.write("skin.txt", SKIN).c_str()));
    EXPECT_EQ(referenceNames(), "background,background,nested,knob,frames");
    EXPECT_EQ(log(), "Failed to load image with buffer {}, alpha.png\n"
                     "Failed to load image with filename picture.bmp\n"
                     "Failed to load animation with buffer {}, strip.png, broken, x, 4\n");

    CBaseImage *background = CImageManager::getImage("background");
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->getImageType(), CBaseImage::PNG_IMAGE); // the first of the two
    EXPECT_EQ(CImageManager::getImage("nested")->getFilename(), (m_folder.path() + "/sub/dir/alpha.png").c_str());
    EXPECT_EQ(frames("knob"), "16x4"); // 16 x 64 in square frames
    EXPECT_EQ(frames("frames"), "16x4");
    EXPECT_EQ(frames("background"), "none -7");
    EXPECT_EQ(CImageManager::getAnimationReference("knob")->getFileName(), "strip.png");
    EXPECT_EQ(CImageManager::getImage("knob"), nullptr);

    EXPECT_EQ(CImageManager::getReferenceName(CImageManager::getImage("nested")), "nested");
    EXPECT_EQ(CImageManager::getReferenceName(CImageManager::getAnimationReference("frames")->getImage()), "frames");
    Corvane::GUI::Graphics::CPNGImage unlisted(fixture("alpha.png").c_str());
    EXPECT_EQ(CImageManager::getReferenceName(&unlisted), " ");
    EXPECT_EQ(CImageManager::getReferenceName(nullptr), " ");
}

TEST_F(ImageStore, SkinTextAnswersWhetherEveryLineLoaded)
{
    EXPECT_TRUE(CImageManager::loadFromDefinitionFile(
        m_folder.write("good.txt", "<start_skin>\n<animations>\n{}, strip.png, knob, 16, 4\r\n").c_str()));
    EXPECT_FALSE(CImageManager::loadFromDefinitionFile(
        m_folder.write("stray.txt", "<start_skin>\nstray line\n<images>\n{}, alpha.png, a\n").c_str()));
    EXPECT_EQ(CImageManager::getReferenceName(CImageManager::getImage("a")), "a");

    // A picture that cannot be loaded stops the reading; what loaded before it stays.
    EXPECT_FALSE(CImageManager::loadFromDefinitionFile(
        m_folder.write("gone.txt", "<start_skin>\n<images>\n{}, alpha.png, b\n{}, gone.png, c\n{}, alpha.png, d\n")
            .c_str()));
    EXPECT_EQ(referenceNames(), "a,b,knob");

    // Not exactly "<start_skin>": the file is taken for XML, which it is not.
    const std::string blank = m_folder.write("blank.txt", "<start_skin> \n<images>\n{}, alpha.png, e\n");
    EXPECT_FALSE(CImageManager::loadFromDefinitionFile(blank.c_str()));
    EXPECT_FALSE(CImageManager::loadFromDefinitionFile(m_folder.file("missing.txt").c_str()));
    EXPECT_EQ(referenceNames(), "a,b,knob");
    const std::string gone = fixture("gone.png");
    EXPECT_EQ(log(), "Unknown line with buffer stray line\n"
                     "Caught unknown exception in the ImageManager::loadFromDefinitionFile function\n"
                     "The reason was : Failed to load " + gone +
                     "\nThe reason was : Could not find file with matching details\n" +
                     "Failed to read XML DTD on path = " + blank + "\n" +
                     "Failed to open XML stream with path = " + m_folder.file("missing.txt") + "\n");
}

TEST_F(ImageStore, ReadsAndWritesXMLDefinitions)
{
    const std::string definition = m_folder.write("skin.xml", R"(<?xml version="1.0" encoding="UTF-8" ?>
<image_manager_root>
	<images>
		<image relative_path="{}" filename="alpha.png" reference_name="background"/>
		<image relative_path="{}" filename="picture.bmp" reference_name="bitmap"/>
	</images>
	<animations>
		<image relative_path="{}" filename="strip.png" reference_name="knob" frame_height="-1" number_of_frames="-1"/>
		<image relative_path="{}" filename="strip.png" reference_name="pair" frame_height="32" number_of_frames="2"/>
	</animations>
</image_manager_root>)");
    EXPECT_TRUE(CImageManager::loadFromDefinitionFile(definition.c_str()));
    EXPECT_EQ(referenceNames(), "background,knob,pair");
    EXPECT_EQ(frames("knob"), "16x4");
    EXPECT_EQ(log(), "Failed to load image with filename picture.bmp\n");

    const std::string saved = m_folder.file("saved.xml");
    ASSERT_TRUE(CImageManager::saveToXMLFile(saved.c_str()));
    CImageManager::shutdown();
    CImageManager::setBasePath(fixture("").c_str());
    EXPECT_TRUE(CImageManager::loadFromXMLFile(saved.c_str()));
    EXPECT_EQ(referenceNames(), "background,knob,pair");
    EXPECT_EQ(frames("knob"), "16x4");
    EXPECT_EQ(frames("pair"), "32x2");
    EXPECT_EQ(CImageManager::getImage("background")->getImageSize(), Corvane::MathTools::CDimension(3, 2));

    const std::string otherRoot = m_folder.write("other.xml", "<?xml version=\"1.0\" ?>\n<settings/>\n");
    EXPECT_FALSE(CImageManager::loadFromXMLFile(otherRoot.c_str()));
    EXPECT_EQ(referenceNames(), "background,knob,pair");
}
