#include "objects/satellite.h"

#include "physics/constants.h"
#include "support/doubles.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

using doubles::OwningList;
using doubles::SatelliteStub;

TEST(Satellite, AdvanceMovesWithStartVelocityThenAccelerates) {
    SatelliteStub satellite(Position(6378000.0, 0.0), Velocity(0.0, 1000.0), 4.0,
                            Acceleration(-2.0, 3.0));
    EXPECT_EQ(satellite.getRadius(), 4.0);
    EXPECT_EQ(satellite.getAngle().getRadians(), 0.0);
    EXPECT_TRUE(satellite.isAlive());

    satellite.advance(timeStep);

    // v·t + ½·a·t² with the velocity from before the step.
    EXPECT_DOUBLE_EQ(satellite.getPosition().getMetersX(), 6378000.0 - 2304.0);
    EXPECT_DOUBLE_EQ(satellite.getPosition().getMetersY(), 51456.0);
    EXPECT_DOUBLE_EQ(satellite.getVelocity().getDX(), -96.0);
    EXPECT_DOUBLE_EQ(satellite.getVelocity().getDY(), 1000.0 + 144.0);
    EXPECT_DOUBLE_EQ(satellite.getAngle().getRadians(), 0.01);
}

TEST(Satellite, AdvanceFallsUnderTheEarthsGravityByDefault) {
    struct Dropped : Satellite {
        Dropped() : Satellite(Position(6378000.0, 0.0), Velocity(), 1.0) {}
        void draw() const override {}
    } dropped;

    dropped.advance(1.0);

    EXPECT_DOUBLE_EQ(dropped.getVelocity().getDX(), -9.80665);
    EXPECT_NEAR(dropped.getVelocity().getDY(), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(dropped.getPosition().getMetersX(), 6378000.0 - 0.5 * 9.80665);
}

TEST(Satellite, CollidesAtExactTouchAndNotJustBeyond) {
    {
        const ScopedZoom zoom(1.0);
        const SatelliteStub a(Position(0.0, 0.0), Velocity(), 3.0);
        const SatelliteStub touching(Position(7.0, 0.0), Velocity(), 4.0);
        const SatelliteStub apart(Position(7.01, 0.0), Velocity(), 4.0);
        EXPECT_TRUE(a.isColliding(touching));
        EXPECT_TRUE(touching.isColliding(a));
        EXPECT_FALSE(a.isColliding(apart));
        EXPECT_FALSE(apart.isColliding(a));
    }
    // The same radii reach ten times as far at ten metres a pixel, in any direction.
    const ScopedZoom zoom(10.0);
    const SatelliteStub a(Position(0.0, 0.0), Velocity(), 3.0);
    const SatelliteStub diagonal(Position(42.0, 56.0), Velocity(), 4.0);
    const SatelliteStub beyond(Position(0.0, -70.1), Velocity(), 4.0);
    EXPECT_TRUE(a.isColliding(diagonal));
    EXPECT_TRUE(diagonal.isColliding(a));
    EXPECT_FALSE(a.isColliding(beyond));
    EXPECT_FALSE(beyond.isColliding(a));
}

TEST(Satellite, CollidesWithTheEarthAtExactTouchAndNotJustBeyond) {
    {
        const ScopedZoom zoom(1.0);
        EXPECT_TRUE(
            SatelliteStub(Position(6378001.0, 0.0), Velocity(), 1.0).isCollidingWithEarth());
        EXPECT_FALSE(
            SatelliteStub(Position(6378001.01, 0.0), Velocity(), 1.0).isCollidingWithEarth());
        EXPECT_TRUE(
            SatelliteStub(Position(0.0, -6378001.0), Velocity(), 1.0).isCollidingWithEarth());
        EXPECT_TRUE(SatelliteStub(Position(100.0, 200.0), Velocity(), 1.0).isCollidingWithEarth());
    }
    // At the running scale a radius of 4 reaches 400 000 m beyond the surface.
    const ScopedZoom zoom(runningZoom);
    EXPECT_TRUE(SatelliteStub(Position(0.0, 6778000.0), Velocity(), 4.0).isCollidingWithEarth());
    EXPECT_FALSE(SatelliteStub(Position(0.0, 6778001.0), Velocity(), 4.0).isCollidingWithEarth());
}

TEST(Satellite, BaseDestroyAppendsNothingAndKills) {
    SatelliteStub satellite(Position(1.0, 2.0), Velocity(3.0, 4.0), 5.0);
    OwningList debris;
    auto* pEarlier = new SatelliteStub(Position(), Velocity(), 1.0);
    debris.items.push_back(pEarlier);

    satellite.destroy(debris.items);

    ASSERT_EQ(debris.items.size(), 1U);
    EXPECT_EQ(debris.items[0], pEarlier);
    EXPECT_FALSE(satellite.isAlive());
    EXPECT_TRUE(pEarlier->isAlive());
}
