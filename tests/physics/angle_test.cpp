#include "physics/angle.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Angle, KeepsValuesAlreadyInRange) {
    EXPECT_EQ(Angle().getRadians(), 0.0);
    EXPECT_EQ(Angle(1.5).getRadians(), 1.5);
    Angle angle(1.0);
    angle.add(0.5);
    EXPECT_EQ(angle.getRadians(), 1.5);
    angle.setRadians(2.0);
    EXPECT_EQ(angle.getRadians(), 2.0);
}

TEST(Angle, NormalizesStepByStepToTheLastDigit) {
    Angle angle;
    angle.setRadians(-1.0);
    EXPECT_EQ(angle.getRadians(), 5.283185307179586);
    angle.setRadians(7.0);
    EXPECT_EQ(angle.getRadians(), 0.7168146928204138);
    angle.setRadians(6.283185307179586);
    EXPECT_EQ(angle.getRadians(), 0.0);

    Angle left;
    left.add(-0.06);
    EXPECT_EQ(left.getRadians(), 6.223185307179587);
    Angle right;
    right.add(0.06);
    EXPECT_EQ(right.getRadians(), 0.06);
}

TEST(Angle, TinyNegativeThatRoundsToOneTurnEndsAtZero) {
    Angle angle(-1e-17);
    EXPECT_EQ(angle.getRadians(), 0.0);
}

TEST(Angle, HugeAndNonFiniteValuesFinishInRange) {
    for (double value : {1e17, -1e17, 1e300, -1e300, 12345.678, -98765.4321}) {
        const double radians = Angle(value).getRadians();
        EXPECT_GE(radians, 0.0) << value;
        EXPECT_LT(radians, 6.283185307179586) << value;
    }
    EXPECT_EQ(Angle(std::numeric_limits<double>::infinity()).getRadians(), 0.0);
    EXPECT_EQ(Angle(-std::numeric_limits<double>::infinity()).getRadians(), 0.0);
    EXPECT_EQ(Angle(std::numeric_limits<double>::quiet_NaN()).getRadians(), 0.0);
}
