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

TEST(Gravity, IsZeroAtTheCentreInsteadOfNotANumber) {
    const Acceleration pull = Gravity().getAcceleration(Position(0.0, 0.0));
    EXPECT_EQ(pull.getDDX(), 0.0);
    EXPECT_EQ(pull.getDDY(), 0.0);
}
