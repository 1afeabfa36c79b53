#include "objects/fragment.h"

#include "physics/constants.h"
#include "ui/uiDraw.h"

#include <cmath>

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

Fragment::Fragment(const Position& position, const Velocity& velocity)
    : Fragment(position, velocity, drawRandomKick()) {}

Fragment::Fragment(const Position& position, const Velocity& velocity, const RandomKick& kick)
    : Fragment(position, velocity, kick.direction, kick.speed, kick.life, kick.spin) {}

Fragment::Fragment(const Position& position, const Velocity& velocity, double direction,
                   double speed, int life, double spin)
    : Satellite(position, velocity, fragmentRadius), life(life), spin(spin) {
    this->velocity.setDX(velocity.getDX() + std::sin(direction) * speed);
    this->velocity.setDY(velocity.getDY() + std::cos(direction) * speed);
    this->position.addPixelsX(scatter * std::sin(direction));
    this->position.addPixelsY(scatter * std::cos(direction));
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
