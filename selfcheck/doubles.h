#pragma once

#include "objects/bullet.h"
#include "objects/fragment.h"
#include "objects/part.h"
#include "objects/satellite.h"

// Stand-ins for the start-up suites: a fixed pull in place of the Earth's and no drawing, so
// that results depend neither on gravity nor on a window.

// Simple enough that the effect of one step can be worked out by hand.
inline Acceleration fixedPull() { return Acceleration(-2.0, 3.0); }

class SatelliteDummy : public Satellite {
public:
    SatelliteDummy(const Position& initialPosition, const Velocity& initialVelocity,
                   double radiusPixels)
        : Satellite(initialPosition, initialVelocity, radiusPixels) {}
    Acceleration getGravity() const override { return fixedPull(); }
    void draw() const override {}
};

class CollisionDummy : public Satellite {
public:
    CollisionDummy(const Position& initialPosition, double radiusPixels)
        : Satellite(initialPosition, Velocity(), radiusPixels) {}
    void draw() const override {}
};

class PartDummy : public Part {
public:
    PartDummy(const Position& initialPosition, const Velocity& initialVelocity, double radiusPixels,
              int fragments)
        : Part(initialPosition, initialVelocity, radiusPixels, fragments) {}
    Acceleration getGravity() const override { return fixedPull(); }
    void draw() const override {}
};

class FragmentStub : public Fragment {
public:
    FragmentStub(const Position& initialPosition, const Velocity& initialVelocity, double direction,
                 double speed, int lifeFrames, double spinPerFrame)
        : Fragment(initialPosition, initialVelocity, direction, speed, lifeFrames, spinPerFrame) {}
    Acceleration getGravity() const override { return fixedPull(); }
};

// Without gravity a bullet flies in a straight line.
class BulletStub : public Bullet {
public:
    BulletStub(const Position& initialPosition, const Velocity& initialVelocity)
        : Bullet(initialPosition, initialVelocity) {}
    Acceleration getGravity() const override { return Acceleration(); }
};
