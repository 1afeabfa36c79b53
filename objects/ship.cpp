#include "objects/ship.h"

#include "physics/trig.h"
#include "ui/uiDraw.h"

namespace {
constexpr double shipRadius = 10.0;     // pixels
constexpr double startPixelsX = -250.0; // upper left of the Earth
constexpr double startPixelsY = 250.0;
constexpr double startDY = -2000.0;        // m/s
constexpr double turnStep = 0.06;          // radians per call
constexpr double thrustAcceleration = 2.0; // m/s^2
constexpr double muzzleOffset = 12.0;      // pixels ahead of the centre
constexpr double muzzleSpeed = 9000.0;     // m/s on top of the ship's own
} // namespace

ShipStart Ship::builtStart() {
    return {Position::fromPixels(startPixelsX, startPixelsY), Velocity(0.0, startDY), Angle()};
}

Ship::Ship() : Ship(builtStart()) {}

Ship::Ship(const ShipStart& start)
    : Satellite(start.position, start.velocity, shipRadius), thrusting(false) {
    angle = start.heading;
}

void Ship::rotateLeft() { angle.add(-turnStep); }

void Ship::rotateRight() { angle.add(turnStep); }

void Ship::thrust(double seconds) {
    const double heading = angle.getRadians();
    velocity.setDX(velocity.getDX() + thrustAcceleration * trig::sin(heading) * seconds);
    velocity.setDY(velocity.getDY() + thrustAcceleration * trig::cos(heading) * seconds);
    thrusting = true;
}

void Ship::coast() { thrusting = false; }

Bullet* Ship::fire() const {
    const double heading = angle.getRadians();
    Position bulletPosition(position);
    bulletPosition.addPixelsX(trig::sin(heading) * muzzleOffset);
    bulletPosition.addPixelsY(trig::cos(heading) * muzzleOffset);
    const Velocity bulletVelocity(velocity.getDX() + trig::sin(heading) * muzzleSpeed,
                                  velocity.getDY() + trig::cos(heading) * muzzleSpeed);
    return new Bullet(bulletPosition, bulletVelocity);
}

// Straight lines: the ship feels no gravity and does not spin.
void Ship::advance(double seconds) {
    if (!alive) {
        return;
    }
    position.addMetersX(velocity.getDX() * seconds);
    position.addMetersY(velocity.getDY() * seconds);
}

void Ship::draw() const {
    if (alive) {
        ogstream gout;
        gout.drawShip(position, angle.getRadians(), thrusting);
    }
}
