#include "objects/satellite.h"

#include "physics/constants.h"
#include "physics/gravity.h"
#include "ui/uiDraw.h"

Satellite::Satellite(const Position& initialPosition, const Velocity& initialVelocity,
                     double radiusPixels)
    : position(initialPosition), velocity(initialVelocity), angle(0.0), radius(radiusPixels),
      alive(true) {}

Acceleration Satellite::getGravity() const {
    const Gravity gravity;
    return gravity.getAcceleration(position);
}

void Satellite::advance(double seconds) {
    // Gravity is sampled once at the start position; the velocity changes only afterwards.
    const Acceleration acceleration = getGravity();
    position.addMetersX(velocity.getDX() * seconds +
                        0.5 * acceleration.getDDX() * seconds * seconds);
    position.addMetersY(velocity.getDY() * seconds +
                        0.5 * acceleration.getDDY() * seconds * seconds);
    velocity.addAcceleration(acceleration, seconds);
    angle.add(0.01);
}

void Satellite::destroy(SatelliteList& /*newDebris*/) { alive = false; }

// Touching counts as colliding.
bool Satellite::isColliding(const Satellite& other) const {
    const double distance = getDistance(position, other.position);
    return (radius + other.radius) * position.getZoom() >= distance;
}

bool Satellite::isCollidingWithEarth() const {
    const Position earth;
    const double distance = getDistance(position, earth);
    return earthRadius + radius * position.getZoom() >= distance;
}

void Satellite::drawSprite(WholeSprite sprite) const {
    ogstream gout;
    (gout.*sprite)(position, angle.getRadians());
}

void Satellite::drawSprite(PieceSprite sprite) const {
    ogstream gout;
    const Position noOffset;
    (gout.*sprite)(position, angle.getRadians(), noOffset);
}
