#pragma once

#include "objects/bullet.h"
#include "objects/satellite.h"

// Where a ship starts, which way its nose points and how it drifts.
struct ShipStart {
    Position position;
    Velocity velocity;
    Angle heading;
};

// The object the user steers. It feels no gravity and does not spin.
class Ship : public Satellite {
public:
    // The world as built's: up and left of the Earth, given in pixels at the scale in force
    // now, drifting down.
    static ShipStart builtStart();

    Ship();
    explicit Ship(const ShipStart& start);

    void rotateLeft();
    void rotateRight();
    void thrust(double seconds);
    void coast();
    // A new bullet from the ship's nose, owned by the caller; works whether or not the ship
    // is alive.
    Bullet* fire() const;

    void advance(double seconds) override;
    void draw() const override;

    bool isThrusting() const { return thrusting; }

protected:
    bool thrusting;

    friend class TestShip;
};
