#include "objects/fragment.h"

#include "physics/trig.h"
#include "physics/constants.h"
#include "ui/uiDraw.h"

namespace {
constexpr double fragmentRadius = 2.0; // pixels
constexpr double scatter = 4.0;        // pixels from the parent's centre
} // namespace

Fragment::RandomKick Fragment::drawRandomKick() {
    // One statement each: the order of the draws is part of the result.
    RandomKick kick{};
    kick.spin = random(-0.5, 0.5);
    kick.life = random(50, 100);
    kick.speed = random(5000.0, 9000.0);
    kick.direction = random(0.0, twoPi);
    return kick;
}

Fragment::Fragment(const Position& initialPosition, const Velocity& initialVelocity)
    : Fragment(initialPosition, initialVelocity, drawRandomKick()) {}

Fragment::Fragment(const Position& initialPosition, const Velocity& initialVelocity,
                   const RandomKick& kick)
    : Fragment(initialPosition, initialVelocity, kick.direction, kick.speed, kick.life, kick.spin) {
}

Fragment::Fragment(const Position& initialPosition, const Velocity& initialVelocity,
                   double direction, double speed, int lifeFrames, double spinPerFrame)
    : Satellite(initialPosition, initialVelocity, fragmentRadius), life(lifeFrames),
      spin(spinPerFrame) {
    velocity.setDX(initialVelocity.getDX() + trig::sin(direction) * speed);
    velocity.setDY(initialVelocity.getDY() + trig::cos(direction) * speed);
    position.addPixelsX(scatter * trig::sin(direction));
    position.addPixelsY(scatter * trig::cos(direction));
}

void Fragment::advance(double seconds) {
    if (!alive) {
        return;
    }
    Satellite::advance(seconds);
    angle.add(spin);
    spendLife(life);
}

void Fragment::draw() const {
    if (alive) {
        drawSprite(&ogstream::drawFragment);
    }
}
