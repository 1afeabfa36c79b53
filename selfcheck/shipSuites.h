#pragma once

#include "selfcheck/selfCheckSuite.h"

// The start-up suites of the ship and its bullets.

// All its checks are made in run.
class TestBullet : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestBullet";
    void run() override;
};

class TestShip : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestShip";
    void run() override;

private:
    // Within a thousandth, since the start position goes through the pixel scale.
    static bool shipCloseEnough(double a, double b);

    void defaultConstructor_position();
    void defaultConstructor_velocity();
    void defaultConstructor_thrusting();
    void rotateLeft();
    void rotateRight();
    void thrust_changesVelocity();
    void thrust_setsThrusting();
    void coast_clearsThrusting();
    void advance_changesPosition();
};
