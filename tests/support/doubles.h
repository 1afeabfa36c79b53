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
    SatelliteStub(const Position& initialPosition, const Velocity& initialVelocity,
                  double radiusPixels, const Acceleration& pull = Acceleration())
        : Satellite(initialPosition, initialVelocity, radiusPixels), gravity(pull) {}

    Acceleration getGravity() const override { return gravity; }
    void draw() const override {}

private:
    Acceleration gravity;
};

class PartStub : public Part {
public:
    PartStub(const Position& initialPosition, const Velocity& initialVelocity, double radiusPixels,
             int fragments, const Acceleration& pull = Acceleration())
        : Part(initialPosition, initialVelocity, radiusPixels, fragments), gravity(pull) {}

    Acceleration getGravity() const override { return gravity; }
    void draw() const override {}

private:
    Acceleration gravity;
};

class FragmentStub : public Fragment {
public:
    FragmentStub(const Position& initialPosition, const Velocity& initialVelocity, double direction,
                 double speed, int lifeFrames, double spinPerFrame,
                 const Acceleration& pull = Acceleration())
        : Fragment(initialPosition, initialVelocity, direction, speed, lifeFrames, spinPerFrame),
          gravity(pull) {}

    Acceleration getGravity() const override { return gravity; }

private:
    Acceleration gravity;
};

class BulletStub : public Bullet {
public:
    BulletStub(const Position& initialPosition, const Velocity& initialVelocity,
               const Acceleration& pull = Acceleration())
        : Bullet(initialPosition, initialVelocity), gravity(pull) {}

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
