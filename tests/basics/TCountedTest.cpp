#include "framework/basics/CClass.hpp"
#include "framework/basics/ICountedObject.hpp"
#include "framework/basics/TCounted.hpp"
#include "framework/basics/TCountedReference.hpp"

#include <gtest/gtest.h>

#include <utility>

using Corvane::Basics::CClass;
using Corvane::Basics::ICountedObject;
using Corvane::Basics::TCounted;
using Corvane::Basics::TCountedReference;

namespace
{
/** A counted object that reports its destruction, so a test can see exactly when the count frees it. */
class CProbe : public TCounted<ICountedObject>
{
public:
    explicit CProbe(int &destroyed) : m_destroyed(&destroyed) {}
    CProbe(const CProbe &other) = default;
    CProbe &operator=(const CProbe &other) = default;
    ~CProbe() override { ++*m_destroyed; }

    void getObjectDescription(char *text, long size) const override
    {
        if (size > 0)
            text[0] = '\0';
    }
    const CClass &getClass() const override
    {
        static CClass record;
        return record;
    }

private:
    int *m_destroyed;
};
} // namespace

TEST(TCounted, CountFreesTheObjectBelowOne)
{
    int destroyed = 0;
    auto *probe = new CProbe(destroyed);
    EXPECT_EQ(probe->getReferenceCount(), 0);
    probe->reference();
    probe->reference();
    probe->dereference();
    EXPECT_EQ(probe->getReferenceCount(), 1);
    EXPECT_EQ(destroyed, 0);
    probe->dereference();
    EXPECT_EQ(destroyed, 1);

    // Nobody referenced it: the first dereference takes the count to -1 and frees it all the same.
    (new CProbe(destroyed))->dereference();
    EXPECT_EQ(destroyed, 2);
}

TEST(TCounted, CopiesAreNewObjectsWithTheirOwnCount)
{
    int destroyed = 0;
    CProbe original(destroyed);
    original.reference();
    original.reference();
    CProbe copy(original);
    EXPECT_EQ(copy.getReferenceCount(), 0);
    copy.reference();
    copy = original; // assignment copies the value, never the holders of the target
    EXPECT_EQ(copy.getReferenceCount(), 1);
    EXPECT_EQ(original.getReferenceCount(), 2);
    EXPECT_EQ(destroyed, 0);
}

TEST(TCountedReference, HoldsOneReferenceForItsLifetime)
{
    int destroyed = 0;
    auto *probe = new CProbe(destroyed);
    {
        TCountedReference<CProbe> holder(probe);
        EXPECT_EQ(probe->getReferenceCount(), 1);
        EXPECT_TRUE(holder);
        EXPECT_EQ(holder.get(), probe);
        EXPECT_EQ(&*holder, probe);

        // Taking the object it holds again must not free it in between.
        holder.reset(probe);
        EXPECT_EQ(probe->getReferenceCount(), 1);
        const TCountedReference<CProbe> &same = holder;
        holder = same;
        EXPECT_EQ(probe->getReferenceCount(), 1);

        TCountedReference<CProbe> copy(holder);
        EXPECT_EQ(probe->getReferenceCount(), 2);
        TCountedReference<CProbe> moved(std::move(copy));
        EXPECT_EQ(probe->getReferenceCount(), 2);
        EXPECT_FALSE(copy);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(TCountedReference, ReplacingLetsGoOfTheOldObject)
{
    int destroyedFirst = 0;
    int destroyedSecond = 0;
    TCountedReference<CProbe> holder(new CProbe(destroyedFirst));
    auto *second = new CProbe(destroyedSecond);
    second->reference(); // a holder elsewhere keeps the second alive
    holder.reset(second);
    EXPECT_EQ(destroyedFirst, 1);
    EXPECT_EQ(second->getReferenceCount(), 2);

    TCountedReference<CProbe> other(new CProbe(destroyedFirst));
    other = std::move(holder); // the object held before is let go, the moved one keeps its count
    EXPECT_EQ(destroyedFirst, 2);
    EXPECT_EQ(second->getReferenceCount(), 2);
    EXPECT_FALSE(holder);

    other.reset(nullptr);
    EXPECT_EQ(second->getReferenceCount(), 1);
    EXPECT_FALSE(other);
    second->dereference();
    EXPECT_EQ(destroyedSecond, 1);
}
