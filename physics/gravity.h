#pragma once

#include "physics/acceleration.h"
#include "physics/position.h"

// The Earth: a point mass at the origin with a circular surface.
inline constexpr double earthRadius = 6378000.0;  // metres
inline constexpr double surfaceGravity = 9.80665; // metres per second squared

// The Earth's inverse-square pull; stateless, made locally wherever it is needed.
class Gravity {
public:
    Acceleration getAcceleration(const Position& position) const;
};
