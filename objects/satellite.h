#pragma once

#include "physics/acceleration.h"
#include "physics/angle.h"
#include "physics/position.h"
#include "physics/velocity.h"

#include <vector>

class Satellite;

// The objects that break-ups create during one collision pass, in order of creation. Whoever
// owns the list owns what is appended to it.
using SatelliteList = std::vector<Satellite*>;

// The abstract base of every moving object: motion state, the orbital step, the two contact
// questions and the break-up contract.
class Satellite {
public:
    // radius is in pixels and turned into metres through the shared scale when used.
    Satellite(const Position& position, const Velocity& velocity, double radius);
    virtual ~Satellite() = default;

    Satellite(const Satellite&) = delete;
    Satellite& operator=(const Satellite&) = delete;

    virtual Acceleration getGravity() const;
    virtual void advance(double seconds);
    virtual void draw() const = 0;
    virtual bool isAlive() const { return alive; }
    // Appends the object's pieces to newDebris, then leaves it dead.
    virtual void destroy(SatelliteList& newDebris);

    bool isColliding(const Satellite& other) const;
    bool isCollidingWithEarth() const;

    const Position& getPosition() const { return position; }
    const Velocity& getVelocity() const { return velocity; }
    const Angle& getAngle() const { return angle; }
    double getRadius() const { return radius; }

protected:
    Position position;
    Velocity velocity;
    Angle angle;
    double radius; // pixels
    bool alive;

    // The self-check suites read the motion state directly.
    friend class TestSatellite;
    friend class TestSputnik;
    friend class TestSatellites;
    friend class TestPart;
    friend class TestFragment;
    friend class TestBullet;
    friend class TestCollision;
    friend class TestShip;
};
