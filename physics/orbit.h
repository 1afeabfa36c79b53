#pragma once

#include "physics/position.h"
#include "physics/velocity.h"

// Kepler's two-body orbit about the Earth (mu of physics/constants.h): the yardsticks that the
// game's own step is measured against.

// v^2/2 - mu/r, J/kg: negative for a closed orbit.
double specificEnergy(const Position& position, const Velocity& velocity);

// The period of a closed orbit of that specific energy, seconds.
double keplerPeriod(double energy);

// The angle between two radius vectors from the Earth's centre, radians in [0, pi], whichever
// way the orbit turns.
double sweptAngle(const Position& before, const Position& now);

// The conic a state lies on: r = semiLatusRectum / (1 + eccentricity cos nu), nu counted from
// the periapsis, which lies at periapsisAngle (radians from the x axis, counter-clockwise).
struct Conic {
    double semiLatusRectum; // metres
    double eccentricity;
    double periapsisAngle; // radians
};
Conic conicOf(const Position& position, const Velocity& velocity);
