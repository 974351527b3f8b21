// Drawing from a range, and the particle pool: its rotating search and both ways New can fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "effects/MinMax.h"
#include "effects/RecyclingArray.h"

namespace {

TEST(RandomInRange, DrawsMinPlusTheScaledRandomNumberOverTheRange)
{
    std::srand(1234);
    int r[3];
    for (int& value : r)
        value = std::rand() & 0x7FFF;
    std::srand(1234);
    const float a = RandomInRange(2.0f, 6.0f);
    const float b = RandomInRange(-1.0f, 1.0f);
    const float c = CMinMax<float>(10.0f, 11.0f).GetRandomNumInRange();
    EXPECT_EQ(a, 2.0f + static_cast<float>(r[0]) * 3.0518509e-05f * 4.0f);
    EXPECT_EQ(b, -1.0f + static_cast<float>(r[1]) * 3.0518509e-05f * 2.0f);
    EXPECT_EQ(c, 10.0f + static_cast<float>(r[2]) * 3.0518509e-05f * 1.0f);
    EXPECT_EQ(kRandomInRangeScale, 3.0518509e-05f);
}

TEST(RandomInRange, EqualEndsGiveMinAndLeaveTheGeneratorAlone)
{
    std::srand(99);
    const int first = std::rand() & 0x7FFF;
    std::srand(99);
    EXPECT_EQ(RandomInRange(3.5f, 3.5f), 3.5f);
    // The next draw still takes the first random number.
    EXPECT_EQ(RandomInRange(0.0f, 32767.0f), static_cast<float>(first) * 3.0518509e-05f * 32767.0f);
}

TEST(RandomInRange, StaysWithinTheRangeAndGoesAboveMinWhenTheEndsAreSwapped)
{
    std::srand(7);
    for (int i = 0; i < 2000; ++i) {
        const float up = RandomInRange(-2.0f, 3.0f);
        EXPECT_GE(up, -2.0f);
        EXPECT_LE(up, 3.0f + 1e-5f);
        // min 5, max 1: from 5 to 5 + 4, never down towards 1.
        const float swapped = RandomInRange(5.0f, 1.0f);
        EXPECT_GE(swapped, 5.0f);
        EXPECT_LE(swapped, 9.0f + 1e-5f);
    }
}

// A pool whose count can be put out of step with its flags.
class CBrokenPool : public CRecyclingArray {
public:
    void ForgetCount(int used) { m_iUsedElements = used; }
};

TEST(RecyclingArray, NewCopiesTheTemplateAndSearchesOnFromTheLastSlot)
{
    CRecyclingArray pool;
    EXPECT_EQ(pool.GetNumUsedElements(), 0);
    EXPECT_EQ(pool.GetTotalElements(), 2000);
    CParticleItem* first = pool.New();
    ASSERT_NE(first, nullptr);
    first->m_fAge = 5.0f;
    first->m_fSize = 9.0f;
    pool.New();
    pool.New();
    EXPECT_EQ(pool.GetLastNewIndex(), 2);
    pool.Delete(0);
    EXPECT_FALSE(pool.IsAlive(0));
    // The search starts at slot 2, so slot 3 comes before the freed slot 0.
    CParticleItem* next = pool.New();
    EXPECT_EQ(next, &pool.GetAt(3));
    EXPECT_EQ(pool.GetNumUsedElements(), 3);
    // A slot handed out again starts from the template, not from what it held.
    pool.DeleteAll();
    EXPECT_EQ(pool.GetNumUsedElements(), 0);
    CParticleItem* reused = pool.New();
    EXPECT_EQ(reused, &pool.GetAt(0));
    EXPECT_EQ(reused->m_fAge, 0.0f);
    EXPECT_EQ(reused->m_fSize, 1.0f);
    EXPECT_EQ(reused->m_fLifetime, 1.0f);
}

TEST(RecyclingArray, WrapsRoundAndRefusesTheSlotAfterTheLast)
{
    CRecyclingArray pool;
    for (int i = 0; i < 2000; ++i)
        ASSERT_NE(pool.New(), nullptr) << i;
    EXPECT_EQ(pool.GetNumFreeElements(), 0);
    EXPECT_EQ(pool.New(), nullptr);
    EXPECT_EQ(std::string(pool.GetLastError()), "CRecyclingArray::New: too many objects!");
    EXPECT_EQ(pool.GetNumUsedElements(), 2000);
    pool.Delete(10);
    // Freeing a free or a missing slot must not move the count off the flags.
    pool.Delete(10);
    pool.Delete(-1);
    pool.Delete(2000);
    EXPECT_EQ(pool.GetNumUsedElements(), 1999);
    // From slot 1999 the search wraps to 0 and finds 10.
    EXPECT_EQ(pool.New(), &pool.GetAt(10));
}

TEST(RecyclingArray, ACountThatDisagreesWithTheFlagsIsAnInternalError)
{
    CBrokenPool pool;
    for (int i = 0; i < 2000; ++i)
        pool.New();
    pool.ForgetCount(1999);
    EXPECT_EQ(pool.New(), nullptr);
    EXPECT_EQ(std::string(pool.GetLastError()), "TArrayElement::New(): internal logic error.");
}

}  // namespace
