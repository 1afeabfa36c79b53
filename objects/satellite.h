#pragma once

#include "physics/acceleration.h"
#include "physics/angle.h"
#include "physics/position.h"
#include "physics/velocity.h"

#include <memory>
#include <utility>
#include <vector>

class Satellite;
class ogstream;

// The objects that break-ups create during one collision pass, in order of creation. Whoever
// owns the list owns what is appended to it.
using SatelliteList = std::vector<Satellite*>;

// The abstract base of every moving object: motion state, the orbital step, the two contact
// questions and the break-up contract.
class Satellite {
public:
    // radius is in pixels and turned into metres through the shared scale when used.
    Satellite(const Position& initialPosition, const Velocity& initialVelocity,
              double radiusPixels);
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
    // Draws through a stream of its own, the way every object draws itself.
    using WholeSprite = void (ogstream::*)(const Position& center, double rotation);
    using PieceSprite = void (ogstream::*)(const Position& center, double rotation,
                                           const Position& offset);
    void drawSprite(WholeSprite sprite) const;
    // A loose piece passes no offset: it is centred on its own position.
    void drawSprite(PieceSprite sprite) const;
    // One step of a limited life; the object dies when it runs out.
    void spendLife(int& life) {
        --life;
        if (life <= 0) {
            life = 0;
            alive = false;
        }
    }

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

// Creates a T and appends it to a debris list, which takes ownership. Nothing leaks when the
// list cannot grow.
template <typename T, typename... Args> void appendNew(SatelliteList& newDebris, Args&&... args) {
    auto pSatellite = std::make_unique<T>(std::forward<Args>(args)...);
    newDebris.push_back(pSatellite.get());
    pSatellite.release();
}
