#include "framework/basics/CString.hpp"
#include "framework/basics/TAutomaticPointer.hpp"
#include "framework/basics/TPointerCollection.hpp"

#include <gtest/gtest.h>

#include <cstring>

using namespace Corvane::Basics;

namespace
{
long liveStrings()
{
    return CString::classRecord().getInstanceCount();
}
} // namespace

TEST(TPointerCollection, GrowsBy32AndCompactsInOrder)
{
    TObjectNuller<CString> nuller;
    TPointerCollection<CString> list(&nuller);
    EXPECT_EQ(list.getNumberOfElements(), 0);
    EXPECT_EQ(list.getArraySize(), 0);
    EXPECT_EQ(list.getElementAtIndex(0), nullptr);

    CString a("a"), b("b"), c("c");
    list.addElement(&a);
    EXPECT_EQ(list.getNumberOfElements(), 1);
    EXPECT_EQ(list.getArraySize(), 32);
    list.compact(true);
    EXPECT_EQ(list.getArraySize(), 1);
    list.addElement(&b);
    list.addElement(&c);
    EXPECT_EQ(list.getArraySize(), 33);

    list.removeElement(&b);
    EXPECT_EQ(list.getNumberOfElements(), 2);
    EXPECT_EQ(list.getArraySize(), 2);
    EXPECT_EQ(list.getElementAtIndex(0), &a);
    EXPECT_EQ(list.getElementAtIndex(1), &c);
    EXPECT_EQ(list.getElementAtIndex(-1), nullptr);
    EXPECT_EQ(list.getElementAtIndex(2), nullptr);
    EXPECT_EQ(list.getIndexOfElement(&c), 1);
    EXPECT_EQ(list.getIndexOfElement(&b), -1);

    for (int i = 0; i < 40; i++)
        list.addElement(&b);
    EXPECT_EQ(list.getNumberOfElements(), 42);
    EXPECT_EQ(list.getArraySize(), 66);
    EXPECT_EQ(list.getElementAtIndex(41), &b);

    // Removing what is not listed only compacts.
    CString stranger("s");
    list.removeElement(&stranger);
    EXPECT_EQ(list.getNumberOfElements(), 42);
    EXPECT_EQ(list.getArraySize(), 42);
}

TEST(TPointerCollection, PoliciesDecideWhatHappensToElements)
{
    const long live = liveStrings();
    {
        TCountedPointerArray<CString> counted;
        CString *kept = new CString("kept");
        CString *dropped = new CString("dropped");
        counted.addElement(kept);
        counted.addElement(dropped);
        EXPECT_EQ(kept->getReferenceCount(), 1);
        counted.removeElement(dropped);
        EXPECT_EQ(liveStrings(), live + 1);
    }
    EXPECT_EQ(liveStrings(), live);

    TObjectDeleter<CString> deleter;
    {
        TPointerCollection<CString> owning(&deleter);
        owning.addElement(new CString("x"));
        owning.addElement(nullptr);
        owning.addElement(new CString("y"));
        EXPECT_EQ(owning.getNumberOfElements(), 3);
        owning.clearElements();
        EXPECT_EQ(owning.getArraySize(), 0);
        EXPECT_EQ(liveStrings(), live);
        owning.addElement(new CString("z"));
    }
    EXPECT_EQ(liveStrings(), live);

    CString survivor("survivor");
    {
        TObjectNuller<CString> nuller;
        TPointerCollection<CString> forgetting(&nuller);
        forgetting.addElement(&survivor);
        TPointerCollection<CString> unmanaged(nullptr);
        unmanaged.addElement(&survivor);
    }
    EXPECT_STREQ(survivor.getString(), "survivor");
    EXPECT_EQ(survivor.getReferenceCount(), 0);
}

TEST(TPointerCollection, SortsEverySlot)
{
    TObjectNuller<CString> nuller;
    TPointerCollection<CString> list(&nuller);
    CString b("b"), a("a"), c("c");
    list.addElement(&b);
    list.addElement(&a);
    list.addElement(&c);
    list.sortElements([](const void *left, const void *right) {
        const CString *x = *static_cast<CString *const *>(left);
        const CString *y = *static_cast<CString *const *>(right);
        if (x == nullptr || y == nullptr)
            return (x == nullptr) - (y == nullptr);
        return std::strcmp(x->getString(), y->getString());
    });
    EXPECT_EQ(list.getElementAtIndex(0), &a);
    EXPECT_EQ(list.getElementAtIndex(1), &b);
    EXPECT_EQ(list.getElementAtIndex(2), &c);
    EXPECT_EQ(list.getElementAtIndex(3), nullptr);
}

TEST(TAutomaticPointer, OwnsItsPointeeAsThePolicySays)
{
    const long live = liveStrings();
    {
        TAutomaticPointer<CString> owner(new CString("owned"), nullptr);
        EXPECT_STREQ(owner.getPointer()->getString(), "owned");
    }
    EXPECT_EQ(liveStrings(), live);

    CString *shared = new CString("shared");
    shared->reference();
    TCountedObjectDeleter<CString> counting;
    {
        TAutomaticPointer<CString> holder(shared, &counting);
        EXPECT_EQ(shared->getReferenceCount(), 2);
    }
    EXPECT_EQ(shared->getReferenceCount(), 1);
    shared->dereference();
    EXPECT_EQ(liveStrings(), live);

    TAutomaticPointer<CString> empty(nullptr, &counting);
    EXPECT_EQ(empty.getPointer(), nullptr);
}
