#include "physics/angle.h"

#include <gtest/gtest.h>

TEST(Angle, Placeholder) { EXPECT_EQ(Angle().getRadians(), 0.0); }
