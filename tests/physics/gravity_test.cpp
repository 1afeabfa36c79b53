#include "physics/gravity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
void expectPull(double x, double y, double ddx, double ddy) {
    const Acceleration pull = Gravity().getAcceleration(Position(x, y));
    EXPECT_EQ(pull.getDDX(), ddx) << "at (" << x << ", " << y << ")";
    EXPECT_EQ(pull.getDDY(), ddy) << "at (" << x << ", " << y << ")";
}
} // namespace

TEST(Gravity, PullsTowardTheCentreWithTheInverseSquare) {
    expectPull(6378000.0, 0.0, -9.80665, -0.0);
    expectPull(0.0, 12756000.0, -0.0, -2.4516625);
    expectPull(0.0, 42164000.0, -0.0, -0.22439134207519032);
    expectPull(-36515095.13, 21082000.0, 0.19432860259424845, -0.11219567100418358);
}

TEST(Gravity, StaysFiniteAtAndNearTheCentre) {
    // At the centre and where the inverse square overflows, the pull would be not-a-number
    // or infinite and would turn an object into a ghost that never collides.
    for (const Position& pos : {Position(0.0, 0.0), Position(1e-160, 0.0), Position(0.0, -1e-200),
                                Position(1e-300, 1e-300)}) {
        const Acceleration pull = Gravity().getAcceleration(pos);
        EXPECT_EQ(pull.getDDX(), 0.0) << pos;
        EXPECT_EQ(pull.getDDY(), 0.0) << pos;
    }
    // Close in but finite, the pull is still the inverse square.
    const Acceleration pull = Gravity().getAcceleration(Position(1.0, 0.0));
    EXPECT_EQ(pull.getDDX(), -(6378000.0 / 1.0) * 9.80665 * (6378000.0 / 1.0));
}
