#include "framework/basics/CClassRegistry.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/CString.hpp"
#include "framework/basics/CSystemString.hpp"
#include "framework/basics/TAutomaticPointer.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Corvane::Basics;
using Corvane::Exceptions::CException;

namespace
{
const CClass &record(const char *name)
{
    const CClass *found = CClassRegistry::getClassRegistry()->getClassByName(name);
    if (found == nullptr)
        throw std::runtime_error(std::string("no class record named ") + name);
    return *found;
}

std::string description(const ICountedObject &object, long size = 1024)
{
    std::string buffer(1024, 'x');
    object.getObjectDescription(buffer.data(), size);
    return buffer.c_str();
}
} // namespace

namespace Widgets
{
// Stands for the control interface, which reaches collections through its readable type name.
struct IControl : CCountedObject
{
};
} // namespace Widgets

TEST(CClass, RecordsOfTheFoundationHaveTheirParents)
{
    const std::pair<const char *, const char *> tree[] = {
        {"CCountedObject", "UndefinedParent"}, {"CString", "CCountedObject"},
        {"CSystemString", "CCountedObject"},   {"CPascalString", "CCountedObject"},
        {"CStringTokeniser", "CCountedObject"}, {"CException", "CCountedObject"},
        {"CBool", "CCountedObject"},           {"CLong", "CCountedObject"},
        {"CHtmlString", "CCountedObject"},
    };
    for (const auto &[name, parent] : tree)
    {
        EXPECT_STREQ(record(name).getClassName(), name);
        EXPECT_STREQ(record(name).getParentName(), parent) << name;
    }
    EXPECT_EQ(&CString("x").getClass(), &record("CString"));
    EXPECT_EQ(&CSystemString("x").getClass(), &record("CSystemString"));
}

TEST(CClass, EveryClassLevelCountsItsInstances)
{
    const CClass &counted = record("CCountedObject");
    const CClass &strings = record("CString");
    const CClass &paths = record("CSystemString");
    const long countedLive = counted.getInstanceCount(), countedTotal = counted.getTotalCount();
    const long stringLive = strings.getInstanceCount(), pathTotal = paths.getTotalCount();
    {
        CSystemString path("/a");
        CSystemString copy(path);
        EXPECT_EQ(counted.getInstanceCount(), countedLive + 2);
        EXPECT_EQ(strings.getInstanceCount(), stringLive + 2);
        EXPECT_EQ(paths.getTotalCount(), pathTotal + 2);
    }
    EXPECT_EQ(counted.getInstanceCount(), countedLive);
    EXPECT_EQ(strings.getInstanceCount(), stringLive);
    EXPECT_EQ(counted.getTotalCount(), countedTotal + 2);
}

TEST(CClass, NamesAreCutAndNamesakesKeepTheFirst)
{
    const long registered = CClassRegistry::getClassRegistry()->getNumberOfClasses();
    const std::string longName(200, 'n');
    CClass cut(longName.c_str(), "CCountedObject");
    EXPECT_EQ(std::strlen(cut.getClassName()), 127u);

    CClass first("NamesakeRecord", "CCountedObject");
    CClass second("NamesakeRecord", "CString");
    EXPECT_EQ(&record("NamesakeRecord"), &first);
    EXPECT_TRUE(second == first);
    EXPECT_TRUE(first == "NamesakeRecord");
    EXPECT_FALSE(first == "namesakerecord");

    CClass unnamed;
    EXPECT_STREQ(unnamed.getClassName(), "UndefinedClass");
    EXPECT_STREQ(unnamed.getParentName(), "UndefinedParent");
    EXPECT_EQ(CClassRegistry::getClassRegistry()->getNumberOfClasses(), registered + 2);
}

TEST(CClass, ARecordThatGoesLeavesTheRegistry)
{
    const long registered = CClassRegistry::getClassRegistry()->getNumberOfClasses();
    {
        CClass passing("PassingRecord", "CCountedObject");
        EXPECT_NE(CClassRegistry::getClassRegistry()->getClassByName("PassingRecord"), nullptr);
    }
    EXPECT_EQ(CClassRegistry::getClassRegistry()->getClassByName("PassingRecord"), nullptr);
    EXPECT_EQ(CClassRegistry::getClassRegistry()->getNumberOfClasses(), registered);
}

TEST(CClass, IsTypeOfWalksTheParentNames)
{
    CClass control("ProbeControl");
    CClass label("ProbeLabel", "ProbeControl");
    CClass edit("ProbeEdit", "ProbeLabel");
    CClass window("ProbeWindow");
    EXPECT_TRUE(edit.isTypeOf(control));
    EXPECT_TRUE(edit.isTypeOf(label));
    EXPECT_TRUE(edit.isTypeOf(edit));
    EXPECT_FALSE(edit.isTypeOf(window));
    EXPECT_FALSE(edit.isTypeOf(record("CCountedObject")));
    EXPECT_FALSE(control.isTypeOf(edit));
    EXPECT_TRUE(record("CSystemString").isTypeOf(record("CCountedObject")));

    // Parent names that loop must not hang the walk.
    CClass loopA("ProbeLoopA", "ProbeLoopB");
    CClass loopB("ProbeLoopB", "ProbeLoopA");
    EXPECT_FALSE(loopA.isTypeOf(edit));
}

TEST(CClass, TemplateRecordsAreNamedAfterTheElement)
{
    TPointerCollection<CString> strings(nullptr);
    TCountedPointerArray<Widgets::IControl> controls;
    TObjectDeleter<CString> deleter;
    TAutomaticPointer<CString> automatic(new CString("a"), nullptr);

    EXPECT_STREQ(strings.getClass().getClassName(), "TPointerCollection<CString>");
    EXPECT_STREQ(strings.getClass().getParentName(), "CCountedObject");
    EXPECT_STREQ(controls.getClass().getClassName(), "TCountedPointerArray<IControl>");
    EXPECT_STREQ(controls.getClass().getParentName(), "TPointerCollection<IControl>");
    EXPECT_STREQ(deleter.getClass().getClassName(), "TObjectDeleter<CString>");
    EXPECT_STREQ(deleter.getClass().getParentName(), "TPointerDeleter<CString>");
    EXPECT_STREQ(automatic.getClass().getClassName(), "TAutomaticPointer<CString>");
    EXPECT_TRUE(controls.getClass().isTypeOf(record("TPointerCollection<IControl>")));

    // The registry's own storage is listed too.
    EXPECT_STREQ(record("TPointerCollection<CClass>").getParentName(), "CCountedObject");
    EXPECT_STREQ(record("TObjectNuller<CClass>").getParentName(), "TPointerDeleter<CClass>");

    char name[CClass::NAME_FIELD_SIZE];
    CClass::templateRecordName("Plain", typeid(int), name);
    EXPECT_STREQ(name, "Plain");
    CClass::templateRecordName("TList<TypeName>", typeid(int), name);
    EXPECT_STREQ(name, "TList<int>");
}

TEST(CCountedObject, ReferencesDecideItsLife)
{
    const CClass &strings = record("CString");
    const long live = strings.getInstanceCount();

    CString *text = new CString("a");
    EXPECT_EQ(text->getReferenceCount(), 0);
    text->reference();
    text->reference();
    text->dereference();
    EXPECT_EQ(text->getReferenceCount(), 1);
    text->dereference();
    EXPECT_EQ(strings.getInstanceCount(), live);

    // Dropping an unreferenced object destroys it too: the count falls to -1.
    (new CString("b"))->dereference();
    EXPECT_EQ(strings.getInstanceCount(), live);
}

TEST(CCountedObject, DescriptionIsCutToTheBuffer)
{
    CException exception("reason", "function");
    exception.reference();
    exception.reference();
    exception.reference();
    EXPECT_EQ(description(exception), "[CCounted Object Base Reference Count = 3");
    EXPECT_EQ(description(exception, 10), "[CCounted");
    EXPECT_EQ(description(exception, 1), "");

    char untouched[4] = {'a', 'b', 'c', 0};
    exception.getObjectDescription(untouched, 0);
    exception.getObjectDescription(untouched, -5);
    EXPECT_STREQ(untouched, "abc");
}

TEST(CClassRegistry, AMixOfObjectsLeavesNothingAlive)
{
    TCountedPointerArray<CString> makesItsSharedPolicy;
    const Corvane::Testing::LiveCounts before;
    {
        TCountedPointerArray<CString> list;
        for (int i = 0; i < 40; i++)
            list.addElement(new CString("item"));
        TObjectDeleter<CString> deleting;
        TPointerCollection<CString> owned(&deleting);
        owned.addElement(new CString("owned"));
        TAutomaticPointer<CString> automatic(new CString("automatic"), nullptr);
        CSystemString path("/dir/file.png");
        CString name = path.getFileName();
        CException copy = CException(name, path);
        list.removeElement(list.getElementAtIndex(3));
    }
    const Corvane::Testing::LiveCounts after;
    EXPECT_EQ(after.differencesFrom(before), "");
}
