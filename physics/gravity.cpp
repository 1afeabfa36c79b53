#include "physics/gravity.h"

#include <cmath>

Acceleration Gravity::getAcceleration(const Position& position) const {
    const double x = position.getMetersX();
    const double y = position.getMetersY();
    const double r = std::sqrt(x * x + y * y);
    // The centre has no direction to pull toward; answering zero keeps every value finite.
    if (r == 0.0) {
        return Acceleration();
    }
    const double g = (earthRadius / r) * surfaceGravity * (earthRadius / r);
    return Acceleration((-g) * x / r, (-g) * y / r);
}
