#include "framework/basics/CBool.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/CLong.hpp"
#include "framework/gui/controls/CControl.hpp"
#include "framework/gui/controls/CControlDescriptor.hpp"
#include "framework/gui/graphics/CImageManager.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/io/CXMLNode.hpp"
#include "tests/gui/controls/PixelComparison.hpp"
#include "tests/gui/controls/TestWindow.hpp"
#include "tests/gui/graphics/DrawingCanvas.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::Basics::CBool;
using Corvane::Basics::CLong;
using Corvane::Basics::CString;
using Corvane::Basics::TCountedPointerArray;
using Corvane::GUI::Graphics::CImageManager;
using Corvane::GUI::Graphics::CPNGImage;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CRect;
using Corvane::Testing::DrawingCanvas;
using Corvane::Testing::firstDifference;
using Corvane::Testing::TestWindow;

namespace
{
/** A control on a test window's root, held by the root. */
CControl *addControl(TestWindow &window, const CRect &area, long uniqueId = 0)
{
    auto *control = new CControl(&window.root(), uniqueId, area, nullptr);
    window.root().addControl(control);
    return control;
}

bool applies(CControl &control, const char *name, long type, Corvane::Basics::ICountedObject *value)
{
    CControlDescriptor descriptor(name, type, value);
    return control.setProperty(descriptor);
}

CPNGImage *fixtureImage()
{
    return new CPNGImage(Corvane::Testing::fixture("alpha.png").c_str());
}
} // namespace

TEST(CControl, StartsPlainDrawsNothingAndKeepsItsAreasInStep)
{
    TestWindow window(100, 100);
    CControl *control = addControl(window, CRect(2, 3, 20, 10), 4);
    EXPECT_EQ(control->getValue(), 1.0);
    EXPECT_FALSE(control->isContainer() || control->needsRightClick());
    EXPECT_EQ(control->getReferenceCount(), 1);
    // Its own branch of the class tree.
    EXPECT_STREQ(control->getClass().getClassName(), "CControl");
    EXPECT_FALSE(control->getClass().isTypeOf(Corvane::Basics::CCountedObject::classRecord()));
    char text[5];
    control->getObjectDescription(text, sizeof text);
    EXPECT_STREQ(text, "Cont");

    DrawingCanvas canvas(30, 20);
    control->drawControl(canvas.graphics());
    control->drawBackground(canvas.graphics(), false);
    EXPECT_FALSE(control->drawPrimaryImage(canvas.graphics()));
    EXPECT_EQ(canvas.inkBounds(), CRect());

    control->setArea(CRect(10, 20, 30, 40));
    EXPECT_EQ(control->getDimension(), CDimension(30, 40));
    EXPECT_EQ(control->getNormalisedArea(), CRect(0, 0, 30, 40));
    EXPECT_EQ(control->getWindowArea(), CRect(10, 20, 30, 40));
}

TEST(CControl, RefusesANullRoot)
{
    try
    {
        CControl control(nullptr, 0, CRect(), nullptr);
        FAIL() << "a control was built without a root";
    }
    catch (const Corvane::Exceptions::CException &exception)
    {
        EXPECT_EQ(exception.getErrorReason(), "Control root is null");
        EXPECT_EQ(exception.getFunctionName(), "CControl::setControlRoot(IControlRoot *)");
    }
    TestWindow window(10, 10);
    CControl *control = addControl(window, CRect());
    EXPECT_THROW(control->setControlRoot(nullptr), Corvane::Exceptions::CException);
    EXPECT_EQ(control->getControlRoot(), &window.root());
}

TEST(CControl, ListsAndReadsItsProperties)
{
    TestWindow window(100, 100);
    CControl *control = addControl(window, CRect(10, 20, 30, 40), 7);
    control->setColours(CAlphaColour(1, 2, 3, 4), CAlphaColour(5, 6, 7, 8));

    TCountedPointerArray<CControlDescriptor> list;
    control->getPropertyDescriptors(list);
    std::string listed;
    for (long index = 0; index < list.getNumberOfElements(); index++)
    {
        CControlDescriptor &descriptor = *list.getElementAtIndex(index);
        EXPECT_EQ(descriptor.getValue(), nullptr);
        ASSERT_TRUE(control->getProperty(descriptor));
        EXPECT_TRUE(descriptor.isValueOfType(*CControlDescriptor::getValueClass(descriptor.getType())));
        char value[64];
        descriptor.getValue()->getObjectDescription(value, sizeof value);
        listed += std::string(descriptor.getName().getString()) + " " + std::to_string(descriptor.getType()) + " " +
                  value + "; ";
    }
    EXPECT_EQ(listed, "Control ID 4 07; Mouse Enabled 3 True; Keyboard Enabled 3 False; Drop File Enabled 3 False; "
                      "Is Enabled 3 True; Default Drawing 3 False; Area 0 [10,20,30,40]; Primary Image 1  ; "
                      "Disabled Image 1  ; Frame Colour 2 [5,6,7,8]; Background Colour 2 [1,2,3,4]; ");

    CControlDescriptor unknown("Colour", CControlDescriptor::COLOUR, new CLong(3));
    EXPECT_FALSE(control->getProperty(unknown));
    EXPECT_EQ(*static_cast<CLong *>(unknown.getValue()), 3);
}

TEST(CControl, SetsPropertiesOnlyByExactNameAndValueClass)
{
    TestWindow window(100, 100);
    CControl *control = addControl(window, CRect(10, 20, 30, 40));

    EXPECT_FALSE(applies(*control, "is enabled", 3, new CBool(false)));
    EXPECT_FALSE(applies(*control, "Is Enabled", 3, new CLong(0)));
    EXPECT_FALSE(applies(*control, "Is Enabled", 3, nullptr));
    // A derived class's value is not the class the property names.
    EXPECT_FALSE(applies(*control, "Primary Image", 1, new Corvane::Basics::CSystemString("x")));
    EXPECT_FALSE(applies(*control, "Text", 6, new CString("x")));
    EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(applies(*control, "Is Enabled", 3, new CBool(false)));
    EXPECT_FALSE(control->isEnabled());

    EXPECT_TRUE(applies(*control, "Frame Colour", 2, new CAlphaColour(9, 9, 9, 9)));
    EXPECT_TRUE(applies(*control, "Background Colour", 2, new CAlphaColour(1, 1, 1, 1)));
    EXPECT_EQ(control->getFrameColour(), CAlphaColour(9, 9, 9, 9));
    EXPECT_EQ(control->getBackgroundColour(), CAlphaColour(1, 1, 1, 1));
    EXPECT_TRUE(applies(*control, "Area", 0, new CRect(5, 6, 7, 8)));
    EXPECT_EQ(control->getWindowArea(), CRect(5, 6, 7, 8));
    EXPECT_TRUE(applies(*control, "Control ID", 4, new CLong(12)));
    EXPECT_TRUE(applies(*control, "Keyboard Enabled", 3, new CBool(true)));
    EXPECT_TRUE(control->getUniqueId() == 12 && control->isKeyboardEnabled());
}

TEST(CControl, ImagesAreHeldOnceAndFoundByTheirStoreNames)
{
    CImageManager::initialise();
    CImageManager::shutdown();
    TestWindow::makeProcessWideObjects();
    const Corvane::Testing::LiveCounts before;
    {
        CImageManager::setBasePath(Corvane::Testing::fixture("").c_str());
        ASSERT_TRUE(CImageManager::addImage("{}", "alpha.png", "Alpha"));
        CPNGImage *stored = static_cast<CPNGImage *>(CImageManager::getImage("Alpha"));
        TestWindow window(100, 100);
        CControl *control = addControl(window, CRect(0, 0, 10, 10));

        EXPECT_TRUE(applies(*control, "Primary Image", 1, new CString("Alpha")));
        EXPECT_EQ(control->getPrimaryImage(), stored);
        EXPECT_EQ(stored->getReferenceCount(), 2);
        control->setPrimaryImage(stored);
        EXPECT_EQ(stored->getReferenceCount(), 2);

        CControlDescriptor name("Primary Image", 1);
        ASSERT_TRUE(control->getProperty(name));
        EXPECT_EQ(*static_cast<CString *>(name.getValue()), "Alpha");

        EXPECT_TRUE(applies(*control, "Primary Image", 1, new CString("Missing")));
        EXPECT_EQ(control->getPrimaryImage(), nullptr);
        EXPECT_EQ(stored->getReferenceCount(), 1);

        control->setDisabledImage(fixtureImage());
        control->setDisabledImage(fixtureImage()); // the first one is let go
        CImageManager::shutdown();
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}

TEST(CControl, SerialisesThirteenAttributesInOrder)
{
    TestWindow window(100, 100);
    CControl *control = addControl(window, CRect(10, 20, 30, 40), -5);
    control->setValue(2.5);
    control->setKeyboardEnabled(true);
    control->setColours(CAlphaColour(1, 2, 3, 4), CAlphaColour(5, 6, 7, 8));

    Corvane::IO::CXMLNode node("control", nullptr);
    EXPECT_FALSE(control->serialiseToNode(node));
    std::string attributes;
    for (long index = 0; index < node.getNumberOfAttributes(); index++)
        attributes += std::string(node.getAttribute(index)->getName().getString()) + "=" +
                      node.getAttribute(index)->getValue().getString() + ";";
    EXPECT_EQ(attributes, "control_is_mouse_enabled=True;control_is_key_enabled=True;control_is_drop_enabled=False;"
                          "control_needs_right_click=False;control_is_enabled=True;control_should_default_draw=False;"
                          "control_unique_id=-5;control_value=2.500000;control_area=10, 20, 30, 40;"
                          "control_primary_image= ;control_disabled_image= ;control_frame_colour=5, 6, 7, 8;"
                          "control_background_colour=1, 2, 3, 4;");
}

TEST(CControl, DrawsItsDisabledImageAndPrimaryImage)
{
    TestWindow window(100, 100);
    CControl *control = addControl(window, CRect(0, 0, 6, 4));

    DrawingCanvas disabled(10, 10);
    control->disable();
    EXPECT_FALSE(control->drawDisabledControl(disabled.graphics()));
    EXPECT_EQ(disabled.inkBounds(), CRect());
    control->setDisabledImage(fixtureImage());
    EXPECT_FALSE(control->drawDisabledControl(disabled.graphics()));
    DrawingCanvas stretched(10, 10); // the 3 by 2 picture over the whole area
    stretched.graphics().drawImage(control->getDisabledImage(), CRect(0, 0, 6, 4), CRect(0, 0, 3, 2));
    EXPECT_EQ(firstDifference(disabled, stretched), "");
    EXPECT_FALSE(disabled.inkBounds() == CRect());
    control->enable();
    DrawingCanvas enabled(10, 10);
    EXPECT_TRUE(control->drawDisabledControl(enabled.graphics()));
    EXPECT_EQ(enabled.inkBounds(), CRect());

    // A primary image replaces the default drawing entirely.
    DrawingCanvas picture(10, 10);
    control->setPrimaryImage(fixtureImage());
    control->setColours(CAlphaColour(255, 0, 0, 255), CAlphaColour(0, 0, 255, 255));
    control->drawBackground(picture.graphics(), true);
    DrawingCanvas direct(10, 10);
    direct.graphics().drawImage(control->getPrimaryImage(), CRect(0, 0, 6, 4), CRect(0, 0, 3, 2));
    EXPECT_EQ(firstDifference(picture, direct), "");
}
