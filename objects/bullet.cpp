#include "objects/bullet.h"

#include "ui/uiDraw.h"

namespace {
constexpr double bulletRadius = 1.0; // pixels
}

Bullet::Bullet(const Position& initialPosition, const Velocity& initialVelocity)
    : Satellite(initialPosition, initialVelocity, bulletRadius), life(startLife) {}

void Bullet::advance(double seconds) {
    if (!alive) {
        return;
    }
    Satellite::advance(seconds);
    spendLife(life);
}

// A bullet is never turned on the screen.
void Bullet::draw() const {
    if (alive) {
        ogstream gout;
        gout.drawProjectile(position);
    }
}
