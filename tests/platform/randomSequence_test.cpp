#include "platform/randomSequence.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Every platform gives the GNU C library's sequence: its first numbers after srand(1), as any
// glibc program prints them.
TEST(RandomSequence, GivesTheGnuSequenceForTheDefaultSeed) {
    RandomSequence sequence;
    for (const int expected : {1804289383, 846930886, 1681692777, 1714636915, 1957747793}) {
        EXPECT_EQ(sequence.next(), expected);
    }
    sequence.reseed(0); // as srand(0) does, the same as seed 1
    EXPECT_EQ(sequence.next(), 1804289383);
}

#ifdef __GLIBC__
// Against the machine's own rand: many seeds, those that are negative as signed words among
// them, and one long run.
TEST(RandomSequence, EqualsGlibcRandAfterSrand) {
    for (unsigned int seed = 0; seed < 2000; seed += 7) {
        for (const unsigned int s : {seed, seed * 2654435761U, 0xFFFFFFFFU - seed}) {
            std::srand(s);
            RandomSequence sequence(s);
            for (int i = 0; i < 400; ++i) {
                ASSERT_EQ(sequence.next(), std::rand()) << "seed " << s << ", number " << i;
            }
        }
    }
    std::srand(1733650000U);
    RandomSequence sequence(1733650000U);
    for (int i = 0; i < 5000000; ++i) {
        ASSERT_EQ(sequence.next(), std::rand()) << "number " << i;
    }
}
#endif
