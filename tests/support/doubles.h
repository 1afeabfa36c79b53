#pragma once

// Test doubles for the space objects: the Earth's pull replaced by a fixed acceleration, and
// a debris list that owns what it holds. They live in a namespace of their own because the
// self-check suites define doubles with some of the same names.

#include "objects/bullet.h"
#include "objects/fragment.h"
#include "objects/part.h"
#include "objects/satellite.h"

namespace doubles {

class SatelliteStub : public Satellite {
public:
    SatelliteStub(const Position& position, const Velocity& velocity, double radius,
                  const Acceleration& gravity = Acceleration())
        : Satellite(position, velocity, radius), gravity(gravity) {}

    Acceleration getGravity() const override { return gravity; }
    void draw() const override {}

private:
    Acceleration gravity;
};

class PartStub : public Part {
public:
    PartStub(const Position& position, const Velocity& velocity, double radius, int numFragments,
             const Acceleration& gravity = Acceleration())
        : Part(position, velocity, radius, numFragments), gravity(gravity) {}

    Acceleration getGravity() const override { return gravity; }
    void draw() const override {}

private:
    Acceleration gravity;
};

class FragmentStub : public Fragment {
public:
    FragmentStub(const Position& position, const Velocity& velocity, double direction, double speed,
                 int life, double spin, const Acceleration& gravity = Acceleration())
        : Fragment(position, velocity, direction, speed, life, spin), gravity(gravity) {}

    Acceleration getGravity() const override { return gravity; }

private:
    Acceleration gravity;
};

class BulletStub : public Bullet {
public:
    BulletStub(const Position& position, const Velocity& velocity,
               const Acceleration& gravity = Acceleration())
        : Bullet(position, velocity), gravity(gravity) {}

    Acceleration getGravity() const override { return gravity; }

private:
    Acceleration gravity;
};

// The world's debris list in miniature: whatever is appended to it is deleted with it.
class OwningList {
public:
    OwningList() = default;
    ~OwningList() {
        for (Satellite* pSatellite : items) {
            delete pSatellite;
        }
    }
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;

    SatelliteList items;
};

} // namespace doubles
