#pragma once

#include <type_traits>

// Metres per second squared.
class Acceleration {
public:
    Acceleration() = default;
    Acceleration(double ddxMeters, double ddyMeters) : ddx(ddxMeters), ddy(ddyMeters) {} // per s^2

    double getDDX() const { return ddx; }
    double getDDY() const { return ddy; }
    void setDDX(double value) { ddx = value; }
    void setDDY(double value) { ddy = value; }

private:
    double ddx = 0.0;
    double ddy = 0.0;
};
static_assert(std::is_trivially_copyable_v<Acceleration>);
