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
    SatelliteDummy(const Position& position, const Velocity& velocity, double radius)
        : Satellite(position, velocity, radius) {}
    Acceleration getGravity() const override { return fixedPull(); }
    void draw() const override {}
};

class CollisionDummy : public Satellite {
public:
    CollisionDummy(const Position& position, double radius)
        : Satellite(position, Velocity(), radius) {}
    void draw() const override {}
};

class PartDummy : public Part {
public:
    PartDummy(const Position& position, const Velocity& velocity, double radius, int numFragments)
        : Part(position, velocity, radius, numFragments) {}
    Acceleration getGravity() const override { return fixedPull(); }
    void draw() const override {}
};

class FragmentStub : public Fragment {
public:
    FragmentStub(const Position& position, const Velocity& velocity, double direction, double speed,
                 int life, double spin)
        : Fragment(position, velocity, direction, speed, life, spin) {}
    Acceleration getGravity() const override { return fixedPull(); }
};

// Without gravity a bullet flies in a straight line.
class BulletStub : public Bullet {
public:
    BulletStub(const Position& position, const Velocity& velocity) : Bullet(position, velocity) {}
    Acceleration getGravity() const override { return Acceleration(); }
};
