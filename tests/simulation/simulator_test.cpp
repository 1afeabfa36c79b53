#include "simulation/simulator.h"

#include "platform/platform.h"

#include "objects/bullet.h"
#include "objects/part.h"
#include "objects/satellites.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"
#include "support/windowProbe.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A world at the running scale, with the keys of a fresh window.
class SimulatorTest : public ::testing::Test {
protected:
    SimulatorTest() : zoom(100000.0) {
        WindowProbe::reset();
        glrec::reset();
        platform::seedRandom(1);
    }
    ~SimulatorTest() override { WindowProbe::reset(); }

    // One frame of the world, with the end-of-frame key ageing of the window.
    void frame() {
        simulator.update(ui);
        WindowInterface::endFrameKeys();
    }
    const Ship& ship() const { return simulator.getShip(); }

    ScopedZoom zoom;
    WindowInterface ui;
    Simulator simulator;
};

// An object that sits still where it is put, drawn as nothing.
class Marker : public Satellite {
public:
    Marker(const Position& initialPosition, double radiusPixels)
        : Satellite(initialPosition, Velocity(), radiusPixels) {}
    Acceleration getGravity() const override { return Acceleration(); }
    void draw() const override {}
};

void expectAt(const Satellite& object, double x, double y, double dx, double dy) {
    EXPECT_EQ(object.getPosition().getMetersX(), x);
    EXPECT_EQ(object.getPosition().getMetersY(), y);
    EXPECT_EQ(object.getVelocity().getDX(), dx);
    EXPECT_EQ(object.getVelocity().getDY(), dy);
}

} // namespace

TEST_F(SimulatorTest, StartsWithTenSatellitesInFieldOrderAndTheShip) {
    const auto& satellites = simulator.getSatellites();
    EXPECT_NE(dynamic_cast<const SatelliteSputnik*>(satellites[0]), nullptr);
    EXPECT_NE(dynamic_cast<const SatelliteHubble*>(satellites[1]), nullptr);
    for (int i = 2; i < 8; ++i) {
        EXPECT_NE(dynamic_cast<const SatelliteGPS*>(satellites[i]), nullptr) << i;
    }
    EXPECT_NE(dynamic_cast<const SatelliteStarlink*>(satellites[8]), nullptr);
    EXPECT_NE(dynamic_cast<const SatelliteCrewDragon*>(satellites[9]), nullptr);

    expectAt(*satellites[2], 0.0, 26560000.0, -3880.0, 0.0);
    expectAt(*satellites[3], 23001634.72, 13280000.0, -1940.0, 3360.18);
    expectAt(*satellites[4], 23001634.72, -13280000.0, 1940.0, 3360.18);
    expectAt(*satellites[5], 0.0, -26560000.0, 3880.0, 0.0);
    expectAt(*satellites[6], -23001634.72, -13280000.0, 1940.0, -3360.18);
    expectAt(*satellites[7], -23001634.72, 13280000.0, -1940.0, -3360.18);

    EXPECT_TRUE(simulator.getDynamicObjects().empty());
    EXPECT_NEAR(ship().getPosition().getMetersX(), -25000000.0, 1e-6);
    EXPECT_NEAR(ship().getPosition().getMetersY(), 25000000.0, 1e-6);
}

TEST_F(SimulatorTest, AFrameMovesEveryObjectByFortyEightSeconds) {
    const Position shipStart = ship().getPosition();
    const Position gpsStart = simulator.getSatellites()[2]->getPosition();
    frame();
    // The ship coasts in a straight line: 48 s at -2000 m/s.
    EXPECT_EQ(ship().getPosition().getMetersY(), shipStart.getMetersY() - 96000.0);
    // The first GPS: 48 s at -3880 m/s plus the fall toward the Earth.
    EXPECT_DOUBLE_EQ(simulator.getSatellites()[2]->getPosition().getMetersX(),
                     gpsStart.getMetersX() - 3880.0 * 48.0);
    EXPECT_LT(simulator.getSatellites()[2]->getPosition().getMetersY(), gpsStart.getMetersY());
}

TEST_F(SimulatorTest, ABulletFiredInAFrameMovesAndIsDrawnInThatFrame) {
    WindowInterface::keyEvent(' ', true);
    frame();
    const auto& objects = simulator.getDynamicObjects();
    ASSERT_EQ(objects.size(), 1U);
    const auto* pBullet = dynamic_cast<const Bullet*>(objects[0]);
    ASSERT_NE(pBullet, nullptr);
    EXPECT_EQ(pBullet->getLife(), Bullet::startLife - 1);

    // The bullet's 2 by 2 white square is drawn where the bullet is after its step.
    const float x = static_cast<float>(pBullet->getPosition().getPixelsX());
    const float y = static_cast<float>(pBullet->getPosition().getPixelsY());
    bool drawn = false;
    for (const auto& quad : glrec::primitivesOf(graphics::quads)) {
        if (quad.vertices.size() == 4 && quad.vertices[0].x == x + 1 &&
            quad.vertices[0].y == y + 1) {
            drawn = true;
        }
    }
    EXPECT_TRUE(drawn);
}

TEST_F(SimulatorTest, HoldingTheFireKeyFiresOncePerPress) {
    WindowInterface::keyEvent(' ', true);
    frame();
    frame();
    frame();
    EXPECT_EQ(simulator.getDynamicObjects().size(), 1U);
    WindowInterface::keyEvent(' ', true);
    frame();
    EXPECT_EQ(simulator.getDynamicObjects().size(), 2U);
}

TEST_F(SimulatorTest, BothTurnKeysTurnLeftThenRight) {
    WindowInterface::keyEvent(graphics::keyLeft, true);
    for (int i = 0; i < 104; ++i) {
        simulator.handleInput(ui);
    }
    EXPECT_EQ(ship().getAngle().getRadians(), 0.04318530717959801);
    // From here the two orders round differently: right first would leave the angle as it is.
    WindowInterface::keyEvent(graphics::keyRight, true);
    simulator.handleInput(ui);
    EXPECT_EQ(ship().getAngle().getRadians(), 0.043185307179597565);
}

TEST_F(SimulatorTest, ThrustShowsOnlyInFramesWithTheKeyHeld) {
    WindowInterface::keyEvent(graphics::keyDown, true);
    simulator.handleInput(ui);
    EXPECT_TRUE(ship().isThrusting());
    EXPECT_EQ(ship().getVelocity().getDY(), -2000.0 + 96.0);
    WindowInterface::keyEvent(graphics::keyDown, false);
    simulator.handleInput(ui);
    EXPECT_FALSE(ship().isThrusting());
}

TEST_F(SimulatorTest, ABrokenShipStillTurnsAndFiresFromWhereItDied) {
    // Something sitting where the ship will be after its next step.
    Position meeting = ship().getPosition();
    meeting.addMetersY(-96000.0);
    simulator.addObject(new Marker(meeting, 1.0));
    frame();
    ASSERT_FALSE(ship().isAlive());
    const Position wreck = ship().getPosition();

    WindowInterface::keyEvent(graphics::keyRight, true);
    WindowInterface::keyEvent(' ', true);
    simulator.handleInput(ui);
    EXPECT_EQ(ship().getAngle().getRadians(), 0.06);
    ASSERT_EQ(simulator.getDynamicObjects().size(), 2U);
    const Satellite* pBullet = simulator.getDynamicObjects()[1];
    EXPECT_NEAR(getDistance(pBullet->getPosition(), wreck), 12.0 * 100000.0, 1e-3);

    simulator.advance();
    EXPECT_EQ(ship().getPosition().getMetersY(), wreck.getMetersY());
}

TEST_F(SimulatorTest, DebrisIsDrawnWhereItWasMadeAndMovesFromTheNextFrame) {
    // A GPS satellite far from everything, struck by a marker at the same point.
    const Position farAway(1.0e9, 1.0e9);
    simulator.addObject(new SatelliteGPS(farAway, Velocity(0.0, 0.0)));
    simulator.addObject(new Marker(farAway, 1.0));
    simulator.checkCollisions(nullptr);
    const auto& objects = simulator.getDynamicObjects();
    ASSERT_EQ(objects.size(), 5U);
    EXPECT_NE(dynamic_cast<const PartGPSCenter*>(objects[2]), nullptr);
    EXPECT_EQ(objects[2]->getPosition().getMetersX(), 1.0e9);

    simulator.advance();
    EXPECT_NE(objects[2]->getPosition().getMetersX(), 1.0e9);
}

TEST_F(SimulatorTest, ABrokenSatelliteIsNeverAdvancedOrDrawnAgain) {
    // The Crew Dragon is the last satellite; a marker on it breaks it up.
    Satellite* pCrewDragon = simulator.getSatellites()[9];
    simulator.addObject(new Marker(pCrewDragon->getPosition(), 1.0));
    simulator.checkCollisions(nullptr);
    ASSERT_FALSE(pCrewDragon->isAlive());
    const Position where = pCrewDragon->getPosition();
    frame();
    EXPECT_EQ(pCrewDragon->getPosition().getMetersX(), where.getMetersX());
    EXPECT_EQ(simulator.getSatellites()[9], pCrewDragon);
}
