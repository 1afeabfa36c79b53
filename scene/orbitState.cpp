#include "scene/orbitState.h"

#include "physics/constants.h"
#include "physics/trig.h"

#include <cmath>

Bearing bearingOf(double degrees) {
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0.0) {
        turn += 360.0;
    }
    // A quarter turn at a time, so that 90, 180 and 270 come out exactly; the remainder is
    // exact too (Sterbenz), whatever the quarter.
    int quarter = static_cast<int>(turn / 90.0);
    quarter = quarter > 3 ? 3 : quarter;
    const double radians = (turn - 90.0 * quarter) * (twoPi / 360.0);
    const double s = trig::sin(radians);
    const double c = trig::cos(radians);
    switch (quarter) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
}

OrbitState stateOnOrbit(const OrbitShape& orbit, double anomalyDegrees) {
    const double perigee = earthRadius + orbit.perigeeHeight;
    const double apogee = earthRadius + orbit.apogeeHeight;
    const double eccentricity = (apogee - perigee) / (apogee + perigee);
    // The semi-latus rectum; a circle's is its radius, exactly.
    const double p = perigee * (1.0 + eccentricity);
    const Bearing onOrbit = bearingOf(anomalyDegrees);
    const double r = p / (1.0 + eccentricity * onOrbit.y);
    const double speed = std::sqrt(earthMu / p);
    const double radialSpeed = speed * eccentricity * onOrbit.x;
    const double crossSpeed = speed * (1.0 + eccentricity * onOrbit.y);

    // Bearings grow clockwise: an object going clockwise is anomaly degrees further round.
    const double turn = orbit.clockwise ? 1.0 : -1.0;
    const Bearing out = bearingOf(orbit.perigeeDirection + turn * anomalyDegrees);
    // Along the orbit, a quarter turn clockwise from out, or anticlockwise.
    const double alongX = turn * out.y;
    const double alongY = -turn * out.x;
    return {Position(r * out.x, r * out.y), Velocity(radialSpeed * out.x + crossSpeed * alongX,
                                                     radialSpeed * out.y + crossSpeed * alongY)};
}
