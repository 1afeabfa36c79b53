#include "physics/orbit.h"

#include "physics/constants.h"

#include <cmath>

double specificEnergy(const Position& position, const Velocity& velocity) {
    const double x = position.getMetersX();
    const double y = position.getMetersY();
    const double dx = velocity.getDX();
    const double dy = velocity.getDY();
    return (dx * dx + dy * dy) / 2.0 - earthMu / std::sqrt(x * x + y * y);
}

double keplerPeriod(double energy) {
    const double a = -earthMu / (2.0 * energy);
    return twoPi * std::sqrt(a * a * a / earthMu);
}

double sweptAngle(const Position& before, const Position& now) {
    const double cross =
        before.getMetersX() * now.getMetersY() - before.getMetersY() * now.getMetersX();
    const double dot =
        before.getMetersX() * now.getMetersX() + before.getMetersY() * now.getMetersY();
    return std::fabs(std::atan2(cross, dot));
}

Conic conicOf(const Position& position, const Velocity& velocity) {
    // About the eccentricity vector, which points at the periapsis.
    const double x = position.getMetersX();
    const double y = position.getMetersY();
    const double dx = velocity.getDX();
    const double dy = velocity.getDY();
    const double r = std::sqrt(x * x + y * y);
    const double radial = x * dx + y * dy;
    const double excess = dx * dx + dy * dy - earthMu / r;
    const double ex = (excess * x - radial * dx) / earthMu;
    const double ey = (excess * y - radial * dy) / earthMu;
    const double momentum = x * dy - y * dx;
    return {momentum * momentum / earthMu, std::sqrt(ex * ex + ey * ey), std::atan2(ey, ex)};
}
