#pragma once

#include "objects/satellite.h"

// Short-lived debris: leaves its origin with a kick, spins, and expires after life advances.
class Fragment : public Satellite {
public:
    // Random spin, life, speed and direction, drawn in that order.
    Fragment(const Position& initialPosition, const Velocity& initialVelocity);
    // direction in radians, speed in m/s, life in advances, spin in radians per advance.
    Fragment(const Position& initialPosition, const Velocity& initialVelocity, double direction,
             double speed, int lifeFrames, double spinPerFrame);

    void advance(double seconds) override;
    void draw() const override;
    bool isAlive() const override { return alive; }

    int getLife() const { return life; }
    double getSpin() const { return spin; }

protected:
    int life;
    double spin;

private:
    struct RandomKick {
        double spin;
        int life;
        double speed;
        double direction;
    };
    static RandomKick drawRandomKick();
    Fragment(const Position& initialPosition, const Velocity& initialVelocity,
             const RandomKick& kick);

    friend class TestFragment;
};
