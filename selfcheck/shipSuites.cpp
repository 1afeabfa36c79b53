#include "selfcheck/shipSuites.h"

#include "objects/ship.h"
#include "physics/constants.h"
#include "selfcheck/doubles.h"

#include <cmath>

void TestBullet::run() {
    clear();
    BulletStub bullet(Position(100.0, 200.0), Velocity(3.0, 4.0));
    checkClose(bullet.life, 70);

    bullet.advance(10.0);
    checkClose(bullet.position.getMetersX(), 130.0);
    checkClose(bullet.position.getMetersY(), 240.0);
    checkClose(bullet.life, 69);
    checkThat(bullet.isAlive());

    for (int step = 0; step < 69; ++step) {
        bullet.advance(0.0);
    }
    checkThat(!bullet.isAlive());
    checkClose(bullet.life, 0);

    // Once dead it neither moves nor counts down any further.
    bullet.advance(10.0);
    checkClose(bullet.position.getMetersX(), 130.0);
    checkClose(bullet.position.getMetersY(), 240.0);
    checkClose(bullet.life, 0);
    report("Bullet");
}

void TestShip::run() {
    clear();
    defaultConstructor_position();
    defaultConstructor_velocity();
    defaultConstructor_thrusting();
    rotateLeft();
    rotateRight();
    thrust_changesVelocity();
    thrust_setsThrusting();
    coast_clearsThrusting();
    advance_changesPosition();
    report("Ship");
}

bool TestShip::shipCloseEnough(double a, double b) { return std::fabs(a - b) < 0.001; }

void TestShip::defaultConstructor_position() {
    const Ship ship;
    checkThat(shipCloseEnough(ship.position.getPixelsX(), -250.0));
    checkThat(shipCloseEnough(ship.position.getPixelsY(), 250.0));
}

void TestShip::defaultConstructor_velocity() {
    const Ship ship;
    checkThat(shipCloseEnough(ship.velocity.getDX(), 0.0));
    checkThat(shipCloseEnough(ship.velocity.getDY(), -2000.0));
}

void TestShip::defaultConstructor_thrusting() {
    const Ship ship;
    checkThat(!ship.thrusting);
}

void TestShip::rotateLeft() {
    Ship ship;
    ship.rotateLeft();
    checkThat(ship.angle.getRadians() > 6.0);
    checkThat(shipCloseEnough(ship.angle.getRadians(), 6.223185307179587));
}

void TestShip::rotateRight() {
    Ship ship;
    ship.rotateRight();
    checkThat(shipCloseEnough(ship.angle.getRadians(), 0.06));
}

void TestShip::thrust_changesVelocity() {
    Ship ship;
    ship.thrust(timeStep);
    checkThat(shipCloseEnough(ship.velocity.getDX(), 0.0));
    checkThat(shipCloseEnough(ship.velocity.getDY(), -1904.0));
}

void TestShip::thrust_setsThrusting() {
    Ship ship;
    ship.thrust(timeStep);
    checkThat(ship.thrusting);
}

void TestShip::coast_clearsThrusting() {
    Ship ship;
    ship.thrust(timeStep);
    ship.coast();
    checkThat(!ship.thrusting);
}

void TestShip::advance_changesPosition() {
    Ship ship;
    const Position start = ship.position;
    ship.advance(timeStep);
    checkThat(shipCloseEnough(ship.position.getMetersX(), start.getMetersX()));
    checkThat(shipCloseEnough(ship.position.getMetersY(), start.getMetersY() - 96000.0));
}
