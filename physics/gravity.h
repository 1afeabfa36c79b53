#pragma once

#include "physics/acceleration.h"
#include "physics/position.h"

// The Earth's inverse-square pull; stateless, made locally wherever it is needed.
class Gravity {
public:
    Acceleration getAcceleration(const Position& position) const;
};
