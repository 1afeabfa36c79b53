#pragma once

#include "physics/acceleration.h"

#include <type_traits>

// Metres per second.
class Velocity {
public:
    Velocity() = default;
    Velocity(double dxMeters, double dyMeters) : dx(dxMeters), dy(dyMeters) {} // per second

    double getDX() const { return dx; }
    double getDY() const { return dy; }
    void setDX(double value) { dx = value; }
    void setDY(double value) { dy = value; }

    // The velocity half of the kinematic step: v += a * t.
    void addAcceleration(const Acceleration& acceleration, double seconds) {
        dx += acceleration.getDDX() * seconds;
        dy += acceleration.getDDY() * seconds;
    }

private:
    double dx = 0.0;
    double dy = 0.0;
};
static_assert(std::is_trivially_copyable_v<Velocity>);
