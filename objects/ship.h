#pragma once

#include "objects/bullet.h"
#include "objects/satellite.h"

// The object the user steers. It feels no gravity and does not spin.
class Ship : public Satellite {
public:
    Ship();

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
