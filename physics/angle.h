#pragma once

#include <type_traits>

// A direction in radians, always within [0, 2pi). The angle t stands for the unit vector
// (sin t, cos t): 0 points up the screen and growing angles turn clockwise.
class Angle {
public:
    Angle() = default;
    explicit Angle(double startRadians) : radians(startRadians) { normalize(); }

    double getRadians() const { return radians; }
    void setRadians(double value) {
        radians = value;
        normalize();
    }
    void add(double delta) {
        radians += delta;
        normalize();
    }

    void normalize();

private:
    double radians = 0.0;
};
static_assert(std::is_trivially_copyable_v<Angle>);
