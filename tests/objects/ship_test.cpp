#include "objects/ship.h"

#include "platform/platform.h"

#include "objects/bullet.h"
#include "physics/constants.h"
#include "support/doubles.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

using doubles::OwningList;

namespace {

constexpr double halfPi = twoPi / 4.0;

// A ship already turned to a heading, which the turn steps alone cannot reach exactly.
class TurnedShip : public Ship {
public:
    explicit TurnedShip(double heading) { angle.setRadians(heading); }
};

// Draws the ship and measures how far its hull reaches from the centre along (sin t, cos t),
// in pixels.
double hullReach(const Ship& ship, double heading) {
    glrec::reset();
    ship.draw();
    const double cx = ship.getPosition().getPixelsX();
    const double cy = ship.getPosition().getPixelsY();
    double reach = 0.0;
    for (const glrec::Primitive& fan : glrec::primitivesOf(graphics::triangleFan)) {
        for (const glrec::Vertex& vertex : fan.vertices) {
            reach = std::max(reach, (vertex.x - cx) * std::sin(heading) +
                                        (vertex.y - cy) * std::cos(heading));
        }
    }
    return reach;
}

} // namespace

TEST(Ship, StartsUpperLeftOfTheEarthAtAnyScale) {
    for (const double metersPerPixel : {1.0, 10.0, 100000.0, 200000.0}) {
        SCOPED_TRACE(testing::Message() << "zoom " << metersPerPixel);
        const ScopedZoom zoom(metersPerPixel);
        const Ship ship;
        EXPECT_NEAR(ship.getPosition().getPixelsX(), -250.0, 0.001);
        EXPECT_NEAR(ship.getPosition().getPixelsY(), 250.0, 0.001);
        EXPECT_EQ(ship.getVelocity().getDX(), 0.0);
        EXPECT_EQ(ship.getVelocity().getDY(), -2000.0);
        EXPECT_EQ(ship.getRadius(), 10.0);
        EXPECT_EQ(ship.getAngle().getRadians(), 0.0);
        EXPECT_FALSE(ship.isThrusting());
        EXPECT_TRUE(ship.isAlive());
    }
    const ScopedZoom zoom(runningZoom);
    const Ship ship;
    EXPECT_DOUBLE_EQ(ship.getPosition().getMetersX(), -25000000.0);
    EXPECT_DOUBLE_EQ(ship.getPosition().getMetersY(), 25000000.0);
}

TEST(Ship, TurnsAndThrustsAlongItsHeadingUntilItCoasts) {
    Ship left;
    left.rotateLeft();
    EXPECT_DOUBLE_EQ(left.getAngle().getRadians(), 6.223185307179587);
    Ship right;
    right.rotateRight();
    EXPECT_DOUBLE_EQ(right.getAngle().getRadians(), 0.06);

    Ship ship;
    const Position start = ship.getPosition();
    ship.thrust(timeStep);
    EXPECT_DOUBLE_EQ(ship.getVelocity().getDX(), 0.0);
    EXPECT_DOUBLE_EQ(ship.getVelocity().getDY(), -1904.0);
    EXPECT_TRUE(ship.isThrusting());
    EXPECT_EQ(ship.getPosition().getMetersY(), start.getMetersY());
    ship.coast();
    EXPECT_FALSE(ship.isThrusting());
    EXPECT_DOUBLE_EQ(ship.getVelocity().getDY(), -1904.0);

    TurnedShip turned(halfPi);
    turned.thrust(timeStep);
    EXPECT_NEAR(turned.getVelocity().getDX(), 96.0, 1e-9);
    EXPECT_NEAR(turned.getVelocity().getDY(), -2000.0, 1e-9);
}

TEST(Ship, AdvanceMovesInAStraightLineWithoutGravityOrSpin) {
    const ScopedZoom zoom(runningZoom);
    Ship ship;
    const Position start = ship.getPosition();

    ship.advance(timeStep);

    EXPECT_DOUBLE_EQ(ship.getPosition().getMetersX(), start.getMetersX());
    EXPECT_DOUBLE_EQ(ship.getPosition().getMetersY(), start.getMetersY() - 96000.0);
    EXPECT_EQ(ship.getVelocity().getDX(), 0.0);
    EXPECT_EQ(ship.getVelocity().getDY(), -2000.0);
    EXPECT_EQ(ship.getAngle().getRadians(), 0.0);
}

TEST(Ship, FiresTwelvePixelsAheadAtMuzzleSpeed) {
    const ScopedZoom zoom(runningZoom);

    const Ship ship;
    const std::unique_ptr<Bullet> pBullet(ship.fire());
    ASSERT_NE(pBullet, nullptr);
    EXPECT_NEAR(pBullet->getPosition().getPixelsX(), -250.0, 1e-6);
    EXPECT_NEAR(pBullet->getPosition().getPixelsY(), 262.0, 1e-6);
    EXPECT_DOUBLE_EQ(pBullet->getVelocity().getDX(), 0.0);
    EXPECT_DOUBLE_EQ(pBullet->getVelocity().getDY(), 7000.0);
    EXPECT_EQ(pBullet->getLife(), 70);
    EXPECT_EQ(pBullet->getRadius(), 1.0);
    EXPECT_TRUE(pBullet->isAlive());

    const TurnedShip turned(halfPi);
    const std::unique_ptr<Bullet> pSide(turned.fire());
    EXPECT_NEAR(pSide->getPosition().getPixelsX(), -238.0, 1e-6);
    EXPECT_NEAR(pSide->getPosition().getPixelsY(), 250.0, 1e-6);
    EXPECT_NEAR(pSide->getVelocity().getDX(), 9000.0, 1e-9);
    EXPECT_NEAR(pSide->getVelocity().getDY(), -2000.0, 1e-9);

    // Firing leaves the ship as it was.
    EXPECT_EQ(turned.getVelocity().getDX(), 0.0);
    EXPECT_NEAR(turned.getPosition().getPixelsX(), -250.0, 1e-6);
}

TEST(Ship, DeadShipStaysPutAndHiddenButStillSteersAndFires) {
    const ScopedZoom zoom(runningZoom);
    Ship ship;
    ship.advance(timeStep);
    OwningList debris;
    ship.destroy(debris.items);
    ASSERT_FALSE(ship.isAlive());
    EXPECT_TRUE(debris.items.empty());
    const Position wreck = ship.getPosition();

    ship.advance(timeStep);
    EXPECT_EQ(ship.getPosition().getMetersX(), wreck.getMetersX());
    EXPECT_EQ(ship.getPosition().getMetersY(), wreck.getMetersY());

    ship.thrust(timeStep);
    glrec::reset();
    ship.draw();
    EXPECT_TRUE(glrec::primitives().empty());

    ship.rotateRight();
    EXPECT_DOUBLE_EQ(ship.getAngle().getRadians(), 0.06);
    EXPECT_DOUBLE_EQ(ship.getVelocity().getDY(), -1904.0);

    const std::unique_ptr<Bullet> pBullet(ship.fire());
    EXPECT_NEAR(pBullet->getPosition().getPixelsX(), wreck.getPixelsX() + 12.0 * std::sin(0.06),
                1e-6);
    EXPECT_NEAR(pBullet->getPosition().getPixelsY(), wreck.getPixelsY() + 12.0 * std::cos(0.06),
                1e-6);
    EXPECT_NEAR(pBullet->getVelocity().getDX(), 9000.0 * std::sin(0.06), 1e-9);
    EXPECT_NEAR(pBullet->getVelocity().getDY(), -1904.0 + 9000.0 * std::cos(0.06), 1e-9);
    EXPECT_TRUE(pBullet->isAlive());
}

TEST(Ship, DrawsItsNoseWhereItPointsAndTheFlameOnlyWhileThrusting) {
    const ScopedZoom zoom(runningZoom);
    platform::seedRandom(3); // the flame's tips are random
    Ship ship;

    EXPECT_NEAR(hullReach(ship, 0.0), 18.0, 1e-3);
    EXPECT_TRUE(glrec::primitivesOf(graphics::triangles).empty());

    ship.thrust(timeStep);
    hullReach(ship, 0.0);
    EXPECT_EQ(glrec::primitivesOf(graphics::triangles).size(), 1U);

    ship.coast();
    hullReach(ship, 0.0);
    EXPECT_TRUE(glrec::primitivesOf(graphics::triangles).empty());

    const TurnedShip right(halfPi);
    EXPECT_NEAR(hullReach(right, halfPi), 18.0, 1e-3);
    EXPECT_LT(hullReach(right, 0.0), 17.0);
}
