#pragma once

#include "objects/satellite.h"

// A shot from the ship: it falls like every orbiting object and expires after 70 steps.
class Bullet : public Satellite {
public:
    static constexpr int startLife = 70; // steps

    Bullet(const Position& initialPosition, const Velocity& initialVelocity);

    void advance(double seconds) override;
    void draw() const override;

    int getLife() const { return life; }

protected:
    int life;

    friend class TestBullet;
};
