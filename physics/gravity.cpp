#include "physics/gravity.h"

#include "physics/constants.h"

#include <cmath>

Acceleration Gravity::getAcceleration(const Position& position) const {
    const double x = position.getMetersX();
    const double y = position.getMetersY();
    const double r = std::sqrt(x * x + y * y);
    // The centre has no direction to pull toward.
    if (r == 0.0) {
        return Acceleration();
    }
    const double g = (earthRadius / r) * surfaceGravity * (earthRadius / r);
    const double ddx = (-g) * x / r;
    const double ddy = (-g) * y / r;
    // Within a hair of the centre the pull overflows; such a point lies deep inside the Earth,
    // where nothing should be sent off to infinity.
    if (!std::isfinite(ddx) || !std::isfinite(ddy)) {
        return Acceleration();
    }
    return Acceleration(ddx, ddy);
}
