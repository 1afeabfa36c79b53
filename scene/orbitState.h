#pragma once

#include "physics/position.h"
#include "physics/velocity.h"

// An orbit as a scene gives it. Directions are bearings, as the program's angles are: 0 points
// up the screen and they grow clockwise.
struct OrbitShape {
    double perigeeHeight;    // metres above the surface
    double apogeeHeight;     // metres above the surface, at least the perigee's
    double perigeeDirection; // degrees
    bool clockwise;          // which way round it goes, as seen on the screen
};

struct OrbitState {
    Position position;
    Velocity velocity;
};

// Where an object on the orbit is, and how it moves, anomaly degrees past its perigee (the
// true anomaly), under the world's own gravity (earthMu).
OrbitState stateOnOrbit(const OrbitShape& orbit, double anomalyDegrees);

// The unit vector of a bearing, (sin, cos), exact at every quarter turn, from the program's
// own sine and cosine, so every platform places an object on the same bits.
struct Bearing {
    double x;
    double y;
};
Bearing bearingOf(double degrees);
