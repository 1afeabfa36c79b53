#include "physics/trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

TEST(Trig, KeepsTheExactValues) {
    EXPECT_EQ(trig::sin(0.0), 0.0);
    EXPECT_TRUE(std::signbit(trig::sin(-0.0)));
    EXPECT_EQ(trig::cos(0.0), 1.0);
    EXPECT_EQ(trig::sin(1.5707963267948966), 1.0);
    EXPECT_EQ(trig::cos(3.141592653589793), -1.0);
}

// Correctly rounded: within half a unit in the last place of the long double value, over
// angles of every quadrant, as the ship's heading and a fragment's kick take them. glibc's long
// double sine reduces its argument exactly; the x87 instruction that other C libraries use for
// it does not, near multiples of pi, so it is no yardstick there.
#ifdef __GLIBC__
namespace {

// Half a unit in the last place of x, as a long double.
long double halfUlp(double x) {
    const double next = std::nextafter(std::fabs(x), 2.0);
    return static_cast<long double>(next - std::fabs(x)) / 2;
}

} // namespace

TEST(Trig, RoundsSineAndCosineCorrectly) {
    // Long doubles carry 11 more bits than doubles, or more: their rounding leaves a margin.
    const long double margin = 1.0L + 1.0L / 512;
    for (int i = -4000; i <= 4000; ++i) {
        const double x = i * 0.0031415926 + i * 1.0e-9;
        EXPECT_LE(std::fabs(trig::sin(x) - std::sin(static_cast<long double>(x))),
                  halfUlp(trig::sin(x)) * margin)
            << "sin " << x;
        EXPECT_LE(std::fabs(trig::cos(x) - std::cos(static_cast<long double>(x))),
                  halfUlp(trig::cos(x)) * margin)
            << "cos " << x;
    }
}
#endif

// The same bits on every platform: a digest of many results, pinned; the Windows and browser
// builds run this test too.
TEST(Trig, GivesTheSameBitsOnEveryPlatform) {
    std::uint64_t digest = 0xCBF29CE484222325ULL;
    for (int i = 0; i < 20000; ++i) {
        const double x = -20.0 + i * 0.002000000123;
        for (const double value : {trig::sin(x), trig::cos(x)}) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            digest = (digest ^ bits) * 0x100000001B3ULL;
        }
    }
    EXPECT_EQ(digest, 2352652840641233256ULL);
}
