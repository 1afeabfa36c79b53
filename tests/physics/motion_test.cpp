#include "physics/acceleration.h"
#include "physics/velocity.h"

#include <gtest/gtest.h>

TEST(Velocity, SettersChangeOneComponent) {
    EXPECT_EQ(Velocity().getDX(), 0.0);
    EXPECT_EQ(Velocity().getDY(), 0.0);
    Velocity velocity(99.9, -88.8);
    velocity.setDX(50.0);
    EXPECT_EQ(velocity.getDX(), 50.0);
    EXPECT_EQ(velocity.getDY(), -88.8);
    velocity.setDY(-75.0);
    EXPECT_EQ(velocity.getDX(), 50.0);
    EXPECT_EQ(velocity.getDY(), -75.0);
}

TEST(Velocity, AddAccelerationIntegratesOverTime) {
    Velocity velocity(10.0, 20.0);
    velocity.addAcceleration(Acceleration(2.0, 3.0), 5.0);
    EXPECT_EQ(velocity.getDX(), 20.0);
    EXPECT_EQ(velocity.getDY(), 35.0);
}

TEST(Acceleration, SettersChangeOneComponent) {
    EXPECT_EQ(Acceleration().getDDX(), 0.0);
    EXPECT_EQ(Acceleration().getDDY(), 0.0);
    Acceleration acceleration(99.9, -88.8);
    acceleration.setDDX(1.5);
    EXPECT_EQ(acceleration.getDDX(), 1.5);
    EXPECT_EQ(acceleration.getDDY(), -88.8);
    acceleration.setDDY(-2.5);
    EXPECT_EQ(acceleration.getDDX(), 1.5);
    EXPECT_EQ(acceleration.getDDY(), -2.5);
}
